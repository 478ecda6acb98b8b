// The options panel: the three option rows stepped by their arrow images
// (theme, difficulty, display mode), with what a change applies, and the
// window's key preview that feeds FormKeyUp.
#include "MainUnit.h"

#include "ClickableImage.h"
#include "DisplayMode.h"
#include "LanguageLines.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

namespace {

// Key releases meant for the main window or any of its controls reach
// FormKeyUp before the control sees them; the control still gets them.
class KeyPreview : public QObject
{
public:
    explicit KeyPreview(TfrmMain* window)
        : QObject(window)
        , m_window(window)
    {
        qApp->installEventFilter(this);
    }
    ~KeyPreview() override
    {
        if (qApp)
            qApp->removeEventFilter(this);
    }
    KeyPreview(const KeyPreview&) = delete;
    KeyPreview& operator=(const KeyPreview&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyRelease)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        // A key event climbs from the focused control to its parents; only
        // its first receiver counts, so that one release is seen once.
        QWidget* first = QApplication::focusWidget();
        if (!first || first->window() != m_window)
            first = m_window;
        if (watched != first || key->isAutoRepeat())
            return false;
        m_window->FormKeyUp(windowsKeyCode(*key));
        return false;
    }

private:
    // The virtual-key code of the key: digits and letters by their upper-case
    // character code, digits of the keypad from 96 on.
    static int windowsKeyCode(const QKeyEvent& key)
    {
        const int k = key.key();
        if ((key.modifiers() & Qt::KeypadModifier) && k >= Qt::Key_0 && k <= Qt::Key_9)
            return 96 + (k - Qt::Key_0);
        return k;
    }

    TfrmMain* m_window;
};

} // namespace

void TfrmMain::connectOptionsPanel()
{
    connect(ImageF1G, &ClickableImage::clicked, this, [this] { ImageF1GClick(ImageF1G); });
    connect(ImageF1D, &ClickableImage::clicked, this, [this] { ImageF1DClick(ImageF1D); });
    connect(ImageF2G, &ClickableImage::clicked, this, [this] { ImageF2GClick(ImageF2G); });
    connect(ImageF2D, &ClickableImage::clicked, this, [this] { ImageF2DClick(ImageF2D); });
    connect(ImageF4G, &ClickableImage::clicked, this, [this] { ImageF4GClick(ImageF4G); });
    connect(ImageF4D, &ClickableImage::clicked, this, [this] { ImageF4DClick(ImageF4D); });
    if (qApp)
        new KeyPreview(this);
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
