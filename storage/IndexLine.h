#pragma once

#include <QDateTime>
#include <QString>

// A saved game's line in the index is at the same time the name of its file
// in the games folder, so the line is built to be a safe file name and the
// two always stay identical.

// The save time as it stands in an index line: "dd-mm-yyyy hh Hmm Mnss S",
// e.g. "05-03-2024 14 H07 Mn09 S" (24-hour clock, every number zero-padded).
// It holds neither ":" nor "/".
QString saveTimestampText(const QDateTime& localTime);

// The index line of a save: firstWord (language line 72), the save time, the
// first 22 characters of levelName and the whole playerName, joined by single
// blanks (an empty player name leaves a trailing blank). The result has gone
// through safeGameFileName, so it can be written to the index and used as the
// game's file name unchanged.
QString buildIndexLine(const QString& firstWord, const QDateTime& localTime, const QString& levelName,
                       const QString& playerName);

// The text made fit to be both an index line and a file name in the games
// folder: characters outside Windows-1252 become "?"; "/", "\", NUL and every
// other control character (line breaks included) become "_"; the names ".",
// ".." and the empty name become underscores, the index's own name and that
// of its lock file get an underscore appended; a name longer than the file
// system allows (255 bytes) loses characters from its end. A text that is
// already fit comes back as it is.
QString safeGameFileName(const QString& text);

// True when text names a file directly inside the games folder and reads back
// the same from the index, i.e. safeGameFileName leaves it unchanged. Lines of
// an index edited by hand may fail this; such a line is never used as a path.
bool isSafeGameFileName(const QString& text);
