#pragma once

#include <QFont>

class QTableWidget;

// The font of the multiplayer windows: "MS Sans Serif" at 8 points, or the
// system's sans serif where that face is missing. The windows' fixed sizes
// are laid out for it.
QFont WindowFont();

// Arial at that pixel height for the windows' large texts, or a face of the
// same widths where Arial is missing (a wider face would cut the texts at
// the windows' edges).
QFont ArialPixels(int pixels);

// Rows one line of the list's font high plus the grid line, under a header
// of one line, so that a list of the windows' fixed sizes shows every row a
// game can have (seven players) without scrolling.
void MakeRowsCompact(QTableWidget& list);
