// The frame loop and the scene: every 25 ms the whole screen is drawn again
// from the game state (board, digits, pencil marks, grid lines, number
// picker), then the button columns and the message window, and the status
// bar's texts are refreshed.
#include "MainUnit.h"

#include "GameState.h"
#include "LanguageLines.h"
#include "MessageBox.h"
#include "PanelStatusBar.h"
#include "ScreenPainter.h"
#include "ScreenView.h"
#include "UnitePerso.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTimer>

#include <cmath>
#include <exception>
#include <numbers>
#include <stdexcept>

namespace {

// Board pictures (BoardImages) by use.
constexpr int kCellBackdrop = 10;
constexpr int kBackground = 12;
constexpr int kGivenDigitBase = 14;  // digit value v as given: 14 + v
constexpr int kPickerDisc = 25;
constexpr int kErrorOverlay = 26;
constexpr int kGridOverlay = 5;      // in ScreenImages

constexpr std::uint8_t kCellBackdropAlpha = 170;
constexpr std::uint8_t kDigitAlpha = 205;
constexpr std::uint8_t kErrorOverlayAlpha = 150;
constexpr std::uint8_t kPickerDiscAlpha = 190;
constexpr int kDigitInset = 4;

constexpr int kPickerRadius = 60;
constexpr int kPickerItemSize = 40;
constexpr int kPickerItems = 10;
constexpr int kPickerDiscOffset = 5;
constexpr int kPencilMarkSize = 20;

// Nearest integer, halves to even (the default rounding mode).
int roundHalfEven(long double value)
{
    return static_cast<int>(std::lrint(value));
}

// Sets a field's text only when it changes: a line edit given the same text
// still repaints and loses its cursor.
void setTextIfChanged(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

void TfrmMain::DXTimerTimerloop()
{
    // A command run inside the frame may open a modal box whose event loop
    // fires this timer again: such a tick is dropped, and the frames go on
    // once the box is closed and the outer frame has ended.
    if (m_inFrame)
        return;
    const QScopedValueRollback<bool> inFrame(m_inFrame, true);

    // A command run by a drawn button (or anything else in the frame) that
    // throws ends this frame's drawing only: the screen update is closed, the
    // error is shown, and the next tick draws again.
    QString failure;
    Ecran->BeginUpdate();
    try {
        // The options panel's read-only mirrors of the chosen difficulty and theme.
        setTextIfChanged(Edit1, ComboBox2->currentText());
        setTextIfChanged(Edit2, ComboBox1->currentText());
        if (FGraphicsLoaded)
            DrawScene();
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
        if (failure.isEmpty())
            failure = QStringLiteral("Unexpected error");
    } catch (...) {
        failure = QStringLiteral("Unexpected error");
    }
    Ecran->Changed();
    Ecran->EndUpdate();
    Ecran->Invalidate();
    FMouse.frameEnded();
    // Still inside the frame, so the box's own event loop draws no frame.
    if (!failure.isNull())
        ShowMessage(failure);
}

void TfrmMain::DrawScene()
{
    // One scope for the whole pass, menus included: the draws are painted
    // together when it closes, or left out when they repeat the last frame's.
    // A scene drawn again from a command inside the frame joins it.
    const ScreenPainter scope;
    const int left = Image1Virtuel->x();
    const int top = Image1Virtuel->y();

    DrawScreenImage(1, 1, BoardImages.item(kBackground), 255);

    if (FErrorFlash > 0)
        --FErrorFlash;

    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const int cx = left + x * FCellWidth;
            const int cy = top + y * FCellHeight;
            const int i = x * 9 + y;
            DrawScreenImage(cx, cy, BoardImages.item(kCellBackdrop), kCellBackdropAlpha);

            const std::uint8_t v = FCurrent[i];
            if (v <= 8) {
                const int dx = cx + kDigitInset;
                const int dy = cy + kDigitInset;
                if (FErrorFlash > 0 && FCurrent[i] != FSolution[i]) {
                    DrawScreenImage(dx, dy, BoardImages.item(v + 1), kDigitAlpha);
                    DrawScreenImage(dx, dy, BoardImages.item(kErrorOverlay), kErrorOverlayAlpha);
                } else if (GameState >= GameState::Playing && GameState <= GameState::Finished
                           && FGivens[i] == kEmptyCell) {
                    DrawScreenImage(dx, dy, BoardImages.item(v + 1), kDigitAlpha);
                } else {
                    DrawScreenImage(dx, dy, BoardImages.item(kGivenDigitBase + v), kDigitAlpha);
                }
            }

            // Marks stay stored in every state but show only while playing.
            if (GameState == GameState::Playing) {
                for (int k = 0; k < 9; ++k) {
                    if (FMarks[x * 81 + y * 9 + k] != 0)
                        DrawPencilMark(x, y, k);
                }
            }
        }
    }

    DrawScreenImage(left + 1, top, ScreenImages.item(kGridOverlay), 255);

    if (FPickerOpen) {
        DrawScreenImage(FPickerLeft - kPickerDiscOffset, FPickerTop - kPickerDiscOffset,
                        BoardImages.item(kPickerDisc), kPickerDiscAlpha);
        FPickerHover = -2;
        for (int item = 1; item <= kPickerItems; ++item) {
            // The spin is taken off the angle in radians, one step per item
            // drawn, so the items swing into place over the first passes.
            const long double angle =
                item * 36 * std::numbers::pi_v<long double> / 180 - static_cast<long double>(FPickerSpin);
            if (FPickerSpin > 0)
                --FPickerSpin;
            const int px = roundHalfEven(kPickerRadius * std::sin(angle) + kPickerRadius + FPickerLeft);
            const int py = roundHalfEven(kPickerRadius * std::cos(angle) + kPickerRadius + FPickerTop);
            // Kept for a press that comes before the next frame (board input).
            m_pickerItems[item - 1] = QPoint(px, py);
            const bool hovered = px < FHoverX && FHoverX < px + kPickerItemSize
                                 && py < FHoverY && FHoverY < py + kPickerItemSize;
            // Item 1 is the eraser (pictures 0 and 13), items 2..10 the digits.
            if (hovered)
                FPickerHover = item;
            DrawScreenImage(px, py, BoardImages.item(hovered ? item + 12 : item - 1), kDigitAlpha);
        }
        m_pickerItemsDrawn = true;
        FMouse.Cursor = FPickerHover != -2 ? crHandPoint : crDefault;
    }

    UpdateStatusBar();
    DrawMenus();
    const Qt::CursorShape cursor = toQtCursor(FMouse.Cursor);
    if (Ecran->cursor().shape() != cursor)
        Ecran->setCursor(cursor);
}

void TfrmMain::DrawPencilMark(int x, int y, int k)
{
    if (k > 8 || k < 0)
        throw std::out_of_range("Invalid n value");
    const int column = k % 3;
    const int row = k / 3;
    const int offsetX[3] = {2, FCellWidth / 2 - 9, FCellWidth - 21};
    const int offsetY[3] = {2, FCellHeight / 2 - 9, FCellHeight - 20};
    const QRect dest(Image1Virtuel->x() + x * FCellWidth + offsetX[column],
                     Image1Virtuel->y() + y * FCellHeight + offsetY[row], kPencilMarkSize, kPencilMarkSize);
    // The picture keeps the opacity it last received.
    DrawScreenImageScaled(dest, BoardImages.item(k + 1));
}

void TfrmMain::UpdateStatusBar()
{
    if (GameState != GameState::Paused)
        StatusBar1->setPanelText(0, FText(Line::FilledCellsLabel) + QStringLiteral(" : ")
                                        + QString::number(FilledCount()));
    if (!Timer1->isActive())
        StatusBar1->setPanelText(1, FText(Line::ClockStopped));
    switch (GameState) {
    case GameState::Home:
    case GameState::Design:
        StatusBar1->setPanelText(2, FText(Line::StateHomeOrDesign));
        break;
    case GameState::Playing:
        StatusBar1->setPanelText(2, FText(Line::StatePlaying));
        break;
    case GameState::Paused:
        StatusBar1->setPanelText(2, FText(Line::StatePaused));
        break;
    default:
        break;
    }
}
