#include "EngineTestSupport.h"

#include <stdexcept>

Grid ParseGrid(const std::string& text)
{
    Grid grid{};
    int n = 0;
    for (char ch : text) {
        if (ch == '+')
            continue;
        if (n >= 81)
            throw std::invalid_argument("grid text too long");
        const int x = n % 9, y = n / 9;
        grid[x * 9 + y] = (ch >= '1' && ch <= '9') ? static_cast<std::uint8_t>(ch - '1') : kEmptyCell;
        ++n;
    }
    if (n != 81)
        throw std::invalid_argument("grid text too short");
    return grid;
}

void LoadCurrent(SudokuEngine& engine, const Grid& grid)
{
    std::copy(grid.begin(), grid.end(), engine.FCurrent);
}

Grid CurrentOf(const SudokuEngine& engine)
{
    Grid grid;
    std::copy(engine.FCurrent, engine.FCurrent + 81, grid.begin());
    return grid;
}

Grid SolutionOf(const SudokuEngine& engine)
{
    Grid grid;
    std::copy(engine.FSolution, engine.FSolution + 81, grid.begin());
    return grid;
}

bool IsValidFullGrid(const std::uint8_t* grid)
{
    for (int unit = 0; unit < 9; ++unit) {
        unsigned row = 0, column = 0, box = 0;
        for (int p = 0; p < 9; ++p) {
            const int bx = (unit % 3) * 3 + p % 3, by = (unit / 3) * 3 + p / 3;
            for (auto [value, seen] : {std::pair{grid[p * 9 + unit], &row},
                                       std::pair{grid[unit * 9 + p], &column},
                                       std::pair{grid[bx * 9 + by], &box}}) {
                if (value > 8)
                    return false;
                *seen |= 1U << value;
            }
        }
        if (row != 0x1FF || column != 0x1FF || box != 0x1FF)
            return false;
    }
    return true;
}

namespace {

bool fits(const Grid& g, int cell, int digit)
{
    const int x = cell / 9, y = cell % 9;
    for (int i = 0; i < 9; ++i)
        if (g[i * 9 + y] == digit || g[x * 9 + i] == digit)
            return false;
    const int bx = x / 3 * 3, by = y / 3 * 3;
    for (int i = bx; i < bx + 3; ++i)
        for (int j = by; j < by + 3; ++j)
            if (g[i * 9 + j] == digit)
                return false;
    return true;
}

void search(Grid& g, int limit, int& count, Grid* solution)
{
    int best = -1, bestOptions = 10;
    for (int cell = 0; cell < 81; ++cell) {
        if (g[cell] != kEmptyCell)
            continue;
        int options = 0;
        for (int d = 0; d < 9; ++d)
            options += fits(g, cell, d);
        if (options < bestOptions) {
            best = cell;
            bestOptions = options;
        }
    }
    if (best < 0) {
        if (count++ == 0 && solution)
            *solution = g;
        return;
    }
    for (int d = 0; d < 9 && count < limit; ++d)
        if (fits(g, best, d)) {
            g[best] = static_cast<std::uint8_t>(d);
            search(g, limit, count, solution);
            g[best] = kEmptyCell;
        }
}

} // namespace

int CountSolutions(const Grid& grid, int limit, Grid* solution)
{
    Grid g = grid;
    int count = 0;
    search(g, limit, count, solution);
    return count;
}

const std::array<std::string, 5> kRatedPuzzles = {
    "3_6_8___1+__8_9__5_+_2__7_4_6+___62__15+1657_9_24+89_451_37+_1_3475_8+__496_17_+67___5249",
    "1_5__36__+3___5__98+__79__4__+___41835_+______7_1+851_3_942+_1632___9+_______14+97__8___3",
    "__6_4___9+2__5__18_+1_9__6_54+____25___+___6_95__+_6571___2+_2__3_6_5+68_2_____+__39_____",
    "___1_5_6_+_7____4__+_9___4_5_+___6_9__2+3____26_4+____3____+_184_____+_36___9__+___9__12_",
    "7____5___+8__1__253+__63___1_+________9+_8___3___+16____8_2+_4__196__+_____7_2_+___86____",
};

const std::string kThirtyCluePuzzle =
    "78_96_1__+__21_____+_143_____+__6______+1__5____2+4_382_96_+_9___1__4+___6_5719+6_____8__";
