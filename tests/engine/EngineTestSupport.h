#pragma once

#include "SudokuEngine.h"

#include <array>
#include <cstdint>
#include <string>

using Grid = std::array<std::uint8_t, 81>;

// Reads a grid written as GridText ("_" or "." empty, "1".."9" digits, "+"
// between rows) into cell-index order.
Grid ParseGrid(const std::string& text);

// Copies a grid into the engine's current grid.
void LoadCurrent(SudokuEngine& engine, const Grid& grid);
Grid CurrentOf(const SudokuEngine& engine);
Grid SolutionOf(const SudokuEngine& engine);

// True when every row, column and box of a full grid holds each digit once.
bool IsValidFullGrid(const std::uint8_t* grid);

// Counts solutions of a grid by backtracking, stopping at `limit`; the first
// solution found goes to `solution` when given.
int CountSolutions(const Grid& grid, int limit, Grid* solution = nullptr);

// Fixed puzzles whose grading gives levels 0 to 4 (index = level).
extern const std::array<std::string, 5> kRatedPuzzles;
// A puzzle with 30 givens.
extern const std::string kThirtyCluePuzzle;
