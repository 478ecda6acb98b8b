#pragma once

#include <QStringList>

// The lines in the order of the game's sorted list window: ascending as text
// without regard to case, each line placed by its leading characters (so
// "10 min" comes before "9 min"); lines that compare equal keep their order.
// The list widget itself must stay unsorted, its own order being case-sensitive.
QStringList sortedLikeListBox(QStringList lines);
