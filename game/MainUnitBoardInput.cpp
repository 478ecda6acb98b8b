// The mouse on the screen: the press flags and position that the drawn
// buttons read, and the board's own handling on top of them: the circular
// number picker that opens around a cell, placing and erasing digits with
// the left button and toggling pencil marks with the others.
#include "MainUnit.h"

#include "Fenetres.h"
#include "GameState.h"
#include "GameType.h"
#include "MessageBox.h"
#include "MultiPlayerSetupUnit.h"

#include <QLabel>

#include <exception>

namespace {

// The board rectangle shrunk by this margin is where a press opens the
// picker and the hand cursor shows: the outer frame of the grid picture.
constexpr int kInnerMargin = 4;
// Around the board, where the mouse may wander while the picker is open;
// wider to the left and top, where the picker of an edge cell reaches
// further out.
constexpr int kNearMarginBefore = 35;
constexpr int kNearMarginAfter = 20;
// The picker's reference corner lies this far up and left of the cell's centre.
constexpr int kPickerReach = 90;
constexpr std::uint8_t kPickerOpeningSpin = 36;

constexpr int kNoItem = -2;
constexpr int kEraserItem = 1;
constexpr int kPickerItemSize = 40;

} // namespace

void TfrmMain::EcranMouseDown(Qt::MouseButton button, int x, int y)
{
    // A press where the pointer has not moved since the window appeared
    // still lands on the button under it.
    FMouse.X = x;
    FMouse.Y = y;
    // Set even while a message window blocks the board: its answer buttons
    // need the press.
    FMouse.press(button);

    if (BoardInputBlocked || GameState == GameState::Home || GameState == GameState::Finished)
        return;
    // A press the board acts on is the board's alone: no button drawn under
    // the picker takes it afterwards, nor the window a placement opens.
    bool used = true;
    // The press comes from the widget's event loop, which must not see an
    // exception: a failing multiplayer hook is reported and the board keeps
    // what was already written.
    try {
        used = pressOnBoard(button, x, y);
    } catch (const std::exception& e) {
        ShowMessage(QString::fromLocal8Bit(e.what()));
    }
    if (used)
        FMouse.dropPress();
}

bool TfrmMain::pressOnBoard(Qt::MouseButton button, int x, int y)
{
    const QRect board = Image1Virtuel->geometry();
    const int cx = (x - board.left()) / FCellWidth;
    const int cy = (y - board.top()) / FCellHeight;

    if (!FPickerOpen) {
        const bool inner = x >= board.left() + kInnerMargin && x <= board.left() + board.width() - kInnerMargin
                           && y >= board.top() + kInnerMargin && y <= board.top() + board.height() - kInnerMargin;
        if (!inner || cx < 0 || cx > 8 || cy < 0 || cy > 8)
            return false;
        if (FGivens[cx * 9 + cy] != kEmptyCell)
            return false;
        FPickerLeft = board.left() + cx * FCellWidth + FCellWidth / 2 - kPickerReach;
        FPickerTop = board.top() + cy * FCellHeight + FCellHeight / 2 - kPickerReach;
        FPickerOpen = true;
        FPickerCellX = cx;
        FPickerCellY = cy;
        FPickerHover = kNoItem;
        m_pickerItemsDrawn = false;
        JoueSon(QStringLiteral("7"));
        FPickerSpin = kPickerOpeningSpin;
        return true;
    }

    // Every press closes the picker; only one on an item does anything more.
    // The item is the one under the press itself, where the last frame drew
    // it: a quick click moves and presses within one frame, before any frame
    // has seen the mouse over the item.
    FPickerOpen = false;
    FPickerHover = pickerItemAt(x, y);
    if (FPickerHover == kNoItem)
        return false;
    std::uint8_t* marks = &FMarks[FPickerCellX * 81 + FPickerCellY * 9];
    if (button == Qt::LeftButton) {
        PlacePionDansGrille();
        for (int k = 0; k < 9; ++k)
            marks[k] = 0;
    } else if (FPickerHover > kEraserItem && FPickerHover <= 10) {
        marks[FPickerHover - 2] = marks[FPickerHover - 2] ? 0 : 1;
    }
    return true;
}

int TfrmMain::pickerItemAt(int x, int y) const
{
    if (!m_pickerItemsDrawn)
        return kNoItem;
    // The scene's own rule: strictly inside, a later item over an earlier one.
    int found = kNoItem;
    for (int item = 1; item <= static_cast<int>(m_pickerItems.size()); ++item) {
        const QPoint corner = m_pickerItems[item - 1];
        if (corner.x() < x && x < corner.x() + kPickerItemSize && corner.y() < y && y < corner.y() + kPickerItemSize)
            found = item;
    }
    return found;
}

void TfrmMain::EcranMouseUp(Qt::MouseButton button, int x, int y)
{
    Q_UNUSED(button);
    Q_UNUSED(x);
    Q_UNUSED(y);
    // A quick click (a tap, or a press and release within one 25 ms frame)
    // keeps its flags until one frame of buttons has seen it.
    FMouse.release();
}

void TfrmMain::EcranMouseMove(int x, int y)
{
    FMouse.X = x;
    FMouse.Y = y;
    FMouse.Cursor = crDefault;
    if (BoardInputBlocked)
        return;
    FHoverX = x;
    FHoverY = y;

    const QRect board = Image1Virtuel->geometry();
    const int left = board.left();
    const int top = board.top();
    const int right = left + board.width();
    const int bottom = top + board.height();

    if (FPickerOpen && FPickerHover == kNoItem) {
        const bool nearBoard = x > left - kNearMarginBefore && x < right + kNearMarginAfter
                          && y > top - kNearMarginBefore && y < bottom + kNearMarginAfter;
        if (!nearBoard)
            FPickerOpen = false;
    }

    if (GameState == GameState::Playing && x > left + kInnerMargin && x < right - kInnerMargin && y > top + kInnerMargin
        && y < bottom - kInnerMargin) {
        const int cx = (x - left) / FCellWidth;
        const int cy = (y - top) / FCellHeight;
        if (cx >= 0 && cx <= 8 && cy >= 0 && cy <= 8 && FCurrent[cx * 9 + cy] == kEmptyCell)
            FMouse.Cursor = crHandPoint;
    }
}

int TfrmMain::SelectedPiece() const
{
    return FPickerHover - 2;
}

void TfrmMain::PlacePionDansGrille()
{
    const int i = FPickerCellX * 9 + FPickerCellY;
    const int piece = SelectedPiece();
    // The eraser (-1) writes the empty value.
    const auto value = static_cast<std::uint8_t>(piece < 0 ? kEmptyCell : piece);

    if (GameState == GameState::Design) {
        FCurrent[i] = value;
        return;
    }
    if (GameState != GameState::Playing)
        return;

    if (FGivens[i] != kEmptyCell) {
        JoueSon(QStringLiteral("Impossible"));
        return;
    }
    // In a battle a cell that holds its right digit is scored and settled.
    if (FGameType == GameType::Battle && FCurrent[i] == FSolution[i]) {
        JoueSon(QStringLiteral("Impossible"));
        return;
    }

    const bool wasEmpty = FCurrent[i] == kEmptyCell;
    if (wasEmpty && piece >= 0)
        JoueSon(QStringLiteral("Loud"));
    else if (!wasEmpty && piece < 0)
        JoueSon(QStringLiteral("erase"));
    // The other copies score a move only when it changes the cell: so does
    // this one, or the copies would disagree on the winner.
    const bool changed = FCurrent[i] != value;
    FCurrent[i] = value;

    if (FGameType != GameType::SinglePlayer && frmMultiplayerSetup) {
        if (FGameType == GameType::Battle && changed) {
            if (FCurrent[i] == FSolution[i])
                frmMultiplayerSetup->IncMyScore();
            else if (FCurrent[i] != kEmptyCell)
                frmMultiplayerSetup->DecMyScore();
        }
        frmMultiplayerSetup->SendPiecePlaced(FPickerCellX, FPickerCellY, static_cast<std::int8_t>(FCurrent[i]));
    }

    CheckCompletion();
}
