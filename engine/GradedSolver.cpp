#include "SudokuEngine.h"

#include <cstring>

// One level's solving cycles on the work grid FSolution and its candidates.
// With `resumed`, the state is where the previous level stopped: its naked
// singles and its own techniques are known to make no progress there, so the
// first cycle only tries what this level adds.
bool SudokuEngine::RunSolvingCycles(Candidates& c, std::uint8_t level, bool resumed)
{
    for (;;) {
        if (!resumed) {
            bool placed = false;
            for (int y = 0; y < 9; ++y)
                for (int x = 0; x < 9; ++x) {
                    const int i = x * 9 + y;
                    if (CandidateCount(c[i]) == 1 && FSolution[i] == kEmptyCell) {
                        FSolution[i] = static_cast<std::uint8_t>(FirstDigit(c[i]));
                        EliminateFromPeers(c, x, y, c[i]);
                        placed = true;
                    }
                }
            if (placed)
                continue;
        }
        const int known = resumed ? level - 1 : -1; // techniques of levels <= known already failed
        resumed = false;
        if (level >= 2 && known < 2 && ReduceHiddenSingles(c))
            continue;
        if (level >= 3 && known < 3 && (ReduceIdenticalSubsets(c) || ReducePointing(c)))
            continue;
        if (level >= 4 && ReduceNakedSubsets(c))
            continue;
        return SolutionComplete();
    }
}

bool SudokuEngine::GradeAndSolve(std::uint8_t maxLevel, std::uint8_t& level)
{
    level = 0;
    const int empty = EmptyCount();
    bool sparseBox = false;
    for (int b = 0; b < 9; ++b)
        if (FilledInBox(BoxOriginX(b), BoxOriginY(b)) < 2)
            sparseBox = true;

    Candidates c;
    // Every level starts from the current grid, and every level's techniques
    // include the previous level's, tried first in the same order. So a level
    // after one that was attempted and failed would repeat that attempt step
    // for step and then stand where it stopped: it goes on from there instead.
    bool attempted = false;
    for (;;) {
        const bool passedOver = empty > kRemovalsPerLevel[level] || (level <= 2 && sparseBox);
        if (passedOver) {
            std::memcpy(FSolution, FCurrent, sizeof FSolution);
        } else if (!attempted) {
            std::memcpy(FSolution, FCurrent, sizeof FSolution);
            InitialCandidates(c);
            attempted = true;
            if (RunSolvingCycles(c, level, false))
                return true;
        } else if (RunSolvingCycles(c, level, true)) {
            return true;
        }
        ++level;
        if (level > maxLevel || level >= 5)
            return false;
    }
}
