#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The score file (scoreFilePath): one line per won game (buildScoreLine), in
// the order the games were won. Nothing sorts or trims the file itself.
// Adding and removing hold the file's lock (FileLock) from reading to
// writing, so two copies of the game never lose each other's lines; when
// the lock cannot be had they change nothing and *error says so.

// Appends the line, creating the scores folder and the file when missing.
// On failure the file keeps its old lines and *error says why.
bool addScoreLine(const QString& scoreFile, const QString& line, QString* error);

// The lines as the scores window lists them: sorted like the list window.
// A missing file gives no lines.
std::optional<QStringList> scoreListEntries(const QString& scoreFile, QString* error);

// Removes one line equal to the selected entry from the file; when the file
// holds the line twice, one of them stays.
bool removeScoreLine(const QString& scoreFile, const QString& line, QString* error);
