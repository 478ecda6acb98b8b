#include "SudokuEngine.h"

#include <algorithm>
#include <cstring>

namespace {

int cellIndex(int x, int y) { return x * 9 + y; }

std::vector<std::string> cellList(const std::uint8_t* grid, bool filled)
{
    std::vector<std::string> cells;
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y)
            if ((grid[cellIndex(x, y)] != kEmptyCell) == filled)
                cells.push_back({static_cast<char>('0' + x), static_cast<char>('0' + y)});
    return cells;
}

// Rows top to bottom, each row's cells left to right, rows joined by "+".
template <typename CellText>
std::string gridText(const std::uint8_t* grid, CellText cellText)
{
    std::string text;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x)
            text += cellText(grid[cellIndex(x, y)]);
        text += '+';
    }
    text.pop_back();
    return text;
}

} // namespace

SudokuEngine::SudokuEngine()
{
    BuildCombinationLists();
}

bool SudokuEngine::CanPlaceValue(int x, int y, int digit) const
{
    if (FCurrent[cellIndex(x, y)] != kEmptyCell)
        return false;
    for (int i = 0; i < 9; ++i)
        if (FCurrent[cellIndex(i, y)] == digit)
            return false;
    for (int i = 0; i < 9; ++i)
        if (FCurrent[cellIndex(x, i)] == digit)
            return false;
    const int bx = (x / 3) * 3;
    const int by = (y / 3) * 3;
    for (int i = bx; i < bx + 3; ++i)
        for (int j = by; j < by + 3; ++j)
            if (FCurrent[cellIndex(i, j)] == digit)
                return false;
    return true;
}

std::string SudokuEngine::GridToText() const
{
    return gridText(FCurrent, [](std::uint8_t v) {
        return v == kEmptyCell ? std::string("_") : std::string(1, static_cast<char>('1' + v));
    });
}

std::string SudokuEngine::SolutionToText() const
{
    // A cell is read as a signed byte, so an empty cell (255) writes "0".
    return gridText(FSolution, [](std::uint8_t v) {
        return std::to_string(static_cast<int>(static_cast<std::int8_t>(v)) + 1);
    });
}

std::vector<std::string> SudokuEngine::FilledCells() const
{
    return cellList(FCurrent, true);
}

std::vector<std::string> SudokuEngine::EmptyCells() const
{
    return cellList(FCurrent, false);
}

int SudokuEngine::FilledCount() const
{
    return 81 - EmptyCount();
}

int SudokuEngine::EmptyCount() const
{
    return static_cast<int>(std::count(std::begin(FCurrent), std::end(FCurrent), kEmptyCell));
}

void SudokuEngine::ClearGrid()
{
    std::memset(FCurrent, kEmptyCell, sizeof FCurrent);
    std::memset(FMarks, 0, sizeof FMarks);
}

void SudokuEngine::StoreGivens() { std::memcpy(FGivens, FCurrent, 81); }
void SudokuEngine::ShowSolution() { std::memcpy(FCurrent, FSolution, 81); }
void SudokuEngine::RestoreGivens() { std::memcpy(FCurrent, FGivens, 81); }
void SudokuEngine::SaveFullGrid() { std::memcpy(FSpare, FCurrent, 81); }
void SudokuEngine::SolutionFromFullGrid() { std::memcpy(FSolution, FSpare, 81); }
void SudokuEngine::CurrentFromFullGrid() { std::memcpy(FCurrent, FSpare, 81); }

int SudokuEngine::FilledInColumn(int x) const
{
    int n = 0;
    for (int y = 0; y < 9; ++y)
        n += FCurrent[cellIndex(x, y)] != kEmptyCell;
    return n;
}

int SudokuEngine::FilledInRow(int y) const
{
    int n = 0;
    for (int x = 0; x < 9; ++x)
        n += FCurrent[cellIndex(x, y)] != kEmptyCell;
    return n;
}

int SudokuEngine::FilledInBox(int x, int y) const
{
    const int bx = (x / 3) * 3;
    const int by = (y / 3) * 3;
    int n = 0;
    for (int i = bx; i < bx + 3; ++i)
        for (int j = by; j < by + 3; ++j)
            n += FCurrent[cellIndex(i, j)] != kEmptyCell;
    return n;
}

bool SudokuEngine::SolutionComplete() const
{
    return std::find(std::begin(FSolution), std::end(FSolution), kEmptyCell) == std::end(FSolution);
}
