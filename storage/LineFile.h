#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Text files read and written whole as lists of lines: the saved-game index
// and the score file. On disk they are Windows-1252 with every line, the last
// included, ended by CR LF. Writes replace the file atomically (see
// AtomicWrite.h), so an existing file is either the old list or the new one.

// Lines of 8-bit text: a line ends at CR LF, a lone CR or a lone LF; a
// terminator at the very end opens no further line. Blank lines are kept.
QStringList splitTextLines(const QByteArray& bytes);

// The file's bytes for these lines: each line in Windows-1252 plus CR LF.
QByteArray joinTextLines(const QStringList& lines);

// The lines of the file in file order. A file that does not exist reads as no
// lines; a file that exists but cannot be read gives nullopt and *error.
std::optional<QStringList> readLineFile(const QString& path, QString* error);

// Writes the lines as the whole file, creating missing parent folders.
bool writeLineFile(const QString& path, const QStringList& lines, QString* error);

// Adds the line at the end of the file (a missing file starts empty). When the
// existing file cannot be read nothing is written, so its lines are never lost.
bool appendLineToFile(const QString& path, const QString& line, QString* error);

// Removes the first line exactly equal to line. Equal lines are the same
// text, so which of them goes leaves the same file; the others stay. When no
// line matches (or the file does not exist) the file is left as it is and
// *removed is false.
bool removeLineFromFile(const QString& path, const QString& line, QString* error, bool* removed = nullptr);
