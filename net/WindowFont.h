#pragma once

#include <QFont>

class QTableWidget;

// The font of the multiplayer windows: "MS Sans Serif" at 8 points, or the
// system's sans serif where that face is missing. The windows' fixed sizes
// are laid out for it.
QFont WindowFont();

// Rows one line of the list's font high plus the grid line, under a header
// of one line, so that a list of the windows' fixed sizes shows every row a
// game can have (seven players) without scrolling.
void MakeRowsCompact(QTableWidget& list);
