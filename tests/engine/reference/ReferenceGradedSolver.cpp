// Graded solver of the reference: every level from scratch, one after the
// other, on the work grid FSolution.

#include "reference/ReferenceSolver.h"

namespace reference {

bool ReferenceSolver::GradeAndSolve(std::uint8_t maxLevel, std::uint8_t& level)
{
    level = 0;

    // Taken once, on the current grid.
    const int empty = EmptyCount();
    bool sparseBox = false;
    for (int b = 0; b <= 8; ++b)
        if (FilledInBox(BoxOriginX(b), BoxOriginY(b)) < 2)
            sparseBox = true;

    bool solved = false;
    do {
        // Work grid and candidate strings afresh from the current grid.
        CandidateStrings c;
        for (int y = 0; y <= 8; ++y)
            for (int x = 0; x <= 8; ++x) {
                grid.FSolution[x * 9 + y] = grid.FCurrent[x * 9 + y];
                if (grid.FSolution[x * 9 + y] == kEmpty)
                    c[x * 9 + y] = CandidatesOfEmptyCell(x, y);
                else
                    c[x * 9 + y] = std::string(1, static_cast<char>('0' + grid.FSolution[x * 9 + y]));
            }

        bool passOver = false;
        if (level == 0 && empty > 35)
            passOver = true;
        else if (level == 1 && empty > 45)
            passOver = true;
        else if (level == 2 && empty > 50)
            passOver = true;
        else if (level == 3 && empty > 60)
            passOver = true;
        else if (level <= 2 && sparseBox)
            passOver = true;

        if (!passOver) {
            bool progress = true;
            while (progress) {
                progress = false;

                // Naked singles: place every settled cell not yet placed, in
                // scan order, cleaning its peers at once.
                for (int y = 0; y <= 8; ++y)
                    for (int x = 0; x <= 8; ++x)
                        if (c[x * 9 + y].size() == 1 && grid.FSolution[x * 9 + y] == kEmpty) {
                            grid.FSolution[x * 9 + y] = static_cast<std::uint8_t>(c[x * 9 + y][0] - '0');
                            EliminateFromPeers(c, x, y, c[x * 9 + y]);
                            progress = true;
                        }
                if (progress)
                    continue;

                if (level >= 2 && ReduceHiddenSingles(c))
                    progress = true;
                else if (level >= 3 && ReduceIdenticalSubsets(c))
                    progress = true;
                else if (level >= 3 && ReducePointing(c))
                    progress = true;
                else if (level >= 4 && ReduceNakedSubsets(c))
                    progress = true;
            }
        }

        solved = SolutionComplete();
        if (!solved)
            ++level;
    } while (!solved && level <= maxLevel && level < 5);

    return solved;
}

} // namespace reference
