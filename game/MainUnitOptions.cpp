// The options panel: the three option rows stepped by their arrow images
// (theme, difficulty, display mode), with what a change applies.
#include "MainUnit.h"

#include "ClickableImage.h"
#include "DisplayMode.h"
#include "LanguageLines.h"

#include <QComboBox>

void TfrmMain::connectOptionsPanel()
{
    connect(ImageF1G, &ClickableImage::clicked, this, [this] { ImageF1GClick(ImageF1G); });
    connect(ImageF1D, &ClickableImage::clicked, this, [this] { ImageF1DClick(ImageF1D); });
    connect(ImageF2G, &ClickableImage::clicked, this, [this] { ImageF2GClick(ImageF2G); });
    connect(ImageF2D, &ClickableImage::clicked, this, [this] { ImageF2DClick(ImageF2D); });
    connect(ImageF4G, &ClickableImage::clicked, this, [this] { ImageF4GClick(ImageF4G); });
    connect(ImageF4D, &ClickableImage::clicked, this, [this] { ImageF4DClick(ImageF4D); });
}

void TfrmMain::ChangeCombocontent(QComboBox* row, int direction)
{
    const int count = row->count();
    if (count == 0)
        return;
    const QString text = row->currentText();
    int i = -1;
    for (int k = 0; k < count; ++k)
        if (row->itemText(k).compare(text, Qt::CaseInsensitive) == 0) {
            i = k;
            break;
        }
    if (direction == 1) {
        i = i + 1 == count ? 0 : i + 1;
    } else {
        // A text that is not among the items steps back to the last one,
        // as stepping forward from it gives the first.
        i = i <= 0 ? count - 1 : i - 1;
    }
    row->setEditText(row->itemText(i));
}

void TfrmMain::ImageF1GClick(QObject* sender)
{
    ChangeCombocontent(ComboBox1, 0);
    ComboBox1Change(sender);
}

void TfrmMain::ImageF1DClick(QObject* sender)
{
    ChangeCombocontent(ComboBox1, 1);
    ComboBox1Change(sender);
}

void TfrmMain::ImageF2GClick(QObject* sender)
{
    Q_UNUSED(sender);
    // The next new game reads the level; nothing changes before.
    ChangeCombocontent(ComboBox2, 0);
}

void TfrmMain::ImageF2DClick(QObject* sender)
{
    Q_UNUSED(sender);
    ChangeCombocontent(ComboBox2, 1);
}

std::uint8_t TfrmMain::LevelFromDifficultyText(const QString& text, const std::array<QString, 5>& levelNames)
{
    std::uint8_t level = 0;
    for (std::uint8_t i = 0; i < levelNames.size(); ++i)
        if (text == levelNames[i])
            level = i;
    return level;
}

void TfrmMain::ImageF4GClick(QObject* sender)
{
    ChangeCombocontent(ComboBox4, 0);
    ComboBox4Change(sender);
}

void TfrmMain::ImageF4DClick(QObject* sender)
{
    ChangeCombocontent(ComboBox4, 1);
    ComboBox4Change(sender);
}

void TfrmMain::ComboBox1Change(QObject* sender)
{
    Q_UNUSED(sender);
    // The game in progress is left as it is; only the pictures change.
    ChargeGraphismes(ComboBox1->currentText());
}

void TfrmMain::ComboBox4Change(QObject* sender)
{
    Q_UNUSED(sender);
    // Each test reads the row again and compares it exactly.
    if (ComboBox4->currentText() == FText(Line::DisplayDesktop)) {
        TestAndSetDisplayMode(SavedScreenWidth, SavedScreenHeight, SavedColorDepth);
        // Centred on the screen as it is after the switch.
        const DisplayModeInfo screen = displayBackend().currentMode();
        move(screen.width / 2 - 512, screen.height / 2 - 384);
    }
    if (ComboBox4->currentText() == FText(Line::Display1024)) {
        TestAndSetDisplayMode(1024, 768, 16);
        move(0, 0);
    }
}
