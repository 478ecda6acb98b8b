#pragma once

#include <QString>

// Where the saved games, the scores and the rules text live. dataRoot is
// GetShellFolder("appdata") and programWord language line 0; the paths are
// plain concatenations, so an empty root puts the folders under the file-system
// root (GetShellFolder never gives one). On a case-sensitive file system these
// spellings are the only ones used, for reading, writing and deleting alike.

// dataRoot/programWord/Parties: the saved games and their index.
QString gamesFolderPath(const QString& dataRoot, const QString& programWord);

// gamesFolder/Save.frd: the index of saved games, one line per game.
QString saveIndexPath(const QString& gamesFolder);

// gamesFolder/line: the file of the saved game whose index line this is. The
// line is used as it stands; check it with isSafeGameFileName first.
QString gameFilePath(const QString& gamesFolder, const QString& indexLine);

// dataRoot/programWord/Scores: the folder of the score file.
QString scoresFolderPath(const QString& dataRoot, const QString& programWord);

// dataRoot/programWord/Scores/Scores.frd: one line per solved game.
QString scoreFilePath(const QString& dataRoot, const QString& programWord);

// appFolder/Textes/regles demo.txt: the rules text, beside the language files.
QString rulesFilePath(const QString& appFolder);
