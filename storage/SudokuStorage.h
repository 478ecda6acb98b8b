#pragma once

// Everything the main window needs for saved games, scores and the rules
// text. How its commands use it (dataRoot = GetShellFolder("appdata"),
// word = FText(Line::ProgramWord), games = gamesFolderPath(dataRoot, word)):
//
//  save:        line = buildIndexLine(FText(Line::IndexWord), QDateTime::currentDateTime(),
//                                     FText(Line::levelName(GameLevel)), player name);
//               record from captureEngineGrids + name, grid number, time;
//               saveGame(games, line, record, &error)
//  load list:   savedGameChooserEntries(games, list is sorted, &error)
//  load:        only when QFileInfo::exists(saveIndexPath(games));
//               loadSavedGame(games, entry, &error), then restoreEngineGrids
//  delete game: deleteSavedGame(games, entry, &error)
//  add score:   addScoreLine(scoreFilePath(dataRoot, word),
//                            buildScoreLine(time, GameLevel, player name,
//                                scoreDateText(QDate::currentDate(),
//                                              regionalDateSeparator()),
//                                texts), &error)
//  scores list: scoreListEntries(scoreFilePath(dataRoot, word), &error)
//  delete score: removeScoreLine(scoreFilePath(dataRoot, word), entry, &error)
//  rules:       readRulesText(app folder, &error), shown unsorted
//
// Every failure comes back as false or nullopt with a message to show; no
// file is left half-written and the running game need not change.

#include "IndexLine.h"
#include "ListOrder.h"
#include "RulesText.h"
#include "SavedGameCodec.h"
#include "SavedGameRecord.h"
#include "SavedGames.h"
#include "ScoreLine.h"
#include "Scores.h"
#include "StoragePaths.h"
