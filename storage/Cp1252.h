#pragma once

#include <QByteArray>
#include <QString>

// Every text file of the game (index, scores, rules) and the name field of a
// saved game are Windows-1252, one byte per character, so that files stay
// byte-compatible with those of the Windows version.

// Decodes Windows-1252 bytes. Every byte gives one character; the five bytes
// the code page leaves unassigned (81, 8D, 8F, 90, 9D) give the C1 control
// characters of the same value.
QString decodeCp1252(const QByteArray& bytes);

// Encodes text to Windows-1252, one byte per character. A character outside
// the code page becomes "?".
QByteArray encodeCp1252(const QString& text);

// The text as it reads back after a trip through a Windows-1252 file: every
// character outside the code page replaced by "?" (a surrogate pair counts
// as one character).
QString toCp1252Repertoire(const QString& text);
