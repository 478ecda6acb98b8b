#pragma once

#include "SavedGameRecord.h"

#include <QString>
#include <QStringList>

#include <optional>

// The games folder (gamesFolderPath) holds the index Save.frd, one line per
// saved game in the order of saving, and one 999-byte file per game named by
// its index line. Every function leaves the folder consistent when it fails
// part-way: no index line is added without its file, no file is lost
// without its line having gone first. Failures give false or nullopt with a
// message for the player in *error. Saving and deleting hold the index's
// lock (FileLock) for the whole change, so that two copies of the game never
// lose each other's lines; when the lock cannot be had they change nothing.

// Saves the record under indexLine (from buildIndexLine): creates the folder
// if needed, writes the game file, then appends the line to the index. The
// game file is written first so the index never lists a game that has no
// file; if the index cannot be updated a newly written game file is removed
// again. A line that the index already holds (a second save within the same
// second) is not added twice: its file is replaced by the newer game.
bool saveGame(const QString& gamesFolder, const QString& indexLine, const SavedGameRecord& record, QString* error);

// The index lines in file order; no index gives no lines.
std::optional<QStringList> readSavedGameIndex(const QString& gamesFolder, QString* error);

// The entries of the load chooser: the index lines sorted like the list
// window (sortedLikeListBox) when the list is in sorted mode, else in file
// order (the rules text was the last list shown).
std::optional<QStringList> savedGameChooserEntries(const QString& gamesFolder, bool listSorted, QString* error);

// The game of one index line. A missing game file gives the message
// "<path>Introuvable"; a line that is not a safe file name (an index edited
// by hand) or a file that is not a valid record gives its own message.
std::optional<SavedGameRecord> loadSavedGame(const QString& gamesFolder, const QString& indexLine, QString* error);

// Deletes one saved game: first removes the first index line equal to
// indexLine, then the game file, unless another index line still names it.
// A game file that is already gone is no error. A line that is not a safe
// file name loses its index line but no file is touched.
bool deleteSavedGame(const QString& gamesFolder, const QString& indexLine, QString* error);
