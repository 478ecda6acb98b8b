#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

// Where the parts of the main window stand, in screen coordinates.
struct MainWindowLayout
{
    QRect frame;                      // the main window's frame
    QRect board;                      // the board's cells
    QRect buttonColumn;               // the in-game button column (null: none shown)
    std::vector<QRect> enabledButtons; // every drawn button that can be clicked
};

// Frame top-left corners of the side windows of a network game.
struct SideWindowPlaces
{
    QPoint scores;
    std::vector<QPoint> opponents;
};

// Places the scores window (frame size `scores`; an empty size: none) and
// the opponent windows (frame sizes, in order) on `screen`, the free area
// of the screen the main window is on. Every frame lies on that screen as
// far as its size allows.
// - The scores window goes where it covers the least of the enabled buttons,
//   then the least of the board's cells, then the least of the main window:
//   beside the main window's right edge when there is room.
// - The opponent windows fill, column by column from the top, the room
//   beside the main window's right edge, then the room right of the board,
//   then the room below the button column, clear of the scores window, the
//   board and the enabled buttons. Those that find no free place cascade in
//   the first of these that can hold them.
SideWindowPlaces PlaceSideWindows(const QRect& screen, const MainWindowLayout& main, const QSize& scores,
                                  const std::vector<QSize>& opponents);
