#pragma once

#include "SavedGameRecord.h"

#include <QByteArray>
#include <QString>

#include <optional>

class SudokuEngine;

// The 999 bytes of the record's file. Characters of the name outside
// Windows-1252 are stored as "?".
QByteArray EncodeSavedGame(const SavedGameRecord& record);

// The record held by a saved-game file's bytes. A file that could not have
// been written by the game gives nullopt and a message saying what is wrong
// (in *error when given): a size other than 999 bytes, a name length byte
// above 10, a level outside 0..4, a grid byte that is neither 255 nor 0..8,
// a pencil mark other than 0 or 1, a game time that is negative or not a
// number. The bytes after the name's characters are not looked at.
std::optional<SavedGameRecord> DecodeSavedGame(const QByteArray& bytes, QString* error);

// The engine's four game grids (not the spare one), pencil marks and level
// into the record, and back. Restoring needs a level of 0..4, as every
// decoded record has.
void captureEngineGrids(const SudokuEngine& engine, SavedGameRecord& record);
void restoreEngineGrids(const SavedGameRecord& record, SudokuEngine& engine);
