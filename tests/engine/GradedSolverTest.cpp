#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace {

const char* kFull = "534678912+672195348+198342567+859761423+426853791+713924856+961537284+287419635+345286179";

struct Grading
{
    bool solved;
    int level;
};

Grading Grade(SudokuEngine& e, int maxLevel)
{
    std::uint8_t level = 99;
    const bool solved = e.GradeAndSolve(static_cast<std::uint8_t>(maxLevel), level);
    return {solved, level};
}

// The full grid with the given cells emptied.
Grid FullWithout(std::initializer_list<int> cells)
{
    Grid g = ParseGrid(kFull);
    for (int cell : cells)
        g[static_cast<std::size_t>(cell)] = kEmptyCell;
    return g;
}

TEST(GradeAndSolve, CompleteGridIsSolvedAtLevelZeroWhateverTheMaximum)
{
    SudokuEngine e;
    LoadCurrent(e, ParseGrid(kFull));
    for (int maxLevel = 0; maxLevel <= 5; ++maxLevel) {
        const Grading g = Grade(e, maxLevel);
        EXPECT_TRUE(g.solved);
        EXPECT_EQ(g.level, 0);
    }
}

TEST(GradeAndSolve, RatesFixedPuzzlesAtTheirLevel)
{
    for (int level = 0; level <= 4; ++level) {
        SudokuEngine e;
        const Grid puzzle = ParseGrid(kRatedPuzzles[level]);
        LoadCurrent(e, puzzle);
        const Grading g = Grade(e, 5);
        EXPECT_TRUE(g.solved) << level;
        EXPECT_EQ(g.level, level);
        EXPECT_TRUE(IsValidFullGrid(e.FSolution));
        EXPECT_EQ(CurrentOf(e), puzzle) << "the current grid is only read";
        if (level > 0) {
            const Grading below = Grade(e, level - 1);
            EXPECT_FALSE(below.solved);
            EXPECT_EQ(below.level, level);
        }
    }
}

TEST(GradeAndSolve, FailedGradingLeavesAPartlySolvedWorkGrid)
{
    SudokuEngine e;
    LoadCurrent(e, ParseGrid(kRatedPuzzles[4]));
    const Grading g = Grade(e, 3);
    EXPECT_FALSE(g.solved);
    EXPECT_EQ(g.level, 4);
    EXPECT_FALSE(e.SolutionComplete());
    int placed = 0;
    for (int i = 0; i < 81; ++i) {
        if (e.FCurrent[i] != kEmptyCell)
            EXPECT_EQ(e.FSolution[i], e.FCurrent[i]);
        else
            placed += e.FSolution[i] != kEmptyCell;
    }
    EXPECT_GT(placed, 0);
}

TEST(GradeAndSolve, TooManyEmptyCellsForLevelZeroIsRefusedWithoutSolving)
{
    // 36 empty cells, four in every box: naked singles would solve it, but
    // level 0 is passed over.
    SudokuEngine e;
    Grid g = ParseGrid(kFull);
    for (int b = 0; b < 9; ++b)
        for (int p : {0, 2, 4, 8})
            g[(SudokuEngine::BoxOriginX(b) + p % 3) * 9 + SudokuEngine::BoxOriginY(b) + p / 3] = kEmptyCell;
    LoadCurrent(e, g);
    ASSERT_EQ(e.EmptyCount(), 36);
    const Grading refused = Grade(e, 0);
    EXPECT_FALSE(refused.solved);
    EXPECT_EQ(refused.level, 1);
    EXPECT_EQ(SolutionOf(e), g) << "a passed-over level leaves a plain copy";
    const Grading rated = Grade(e, 5);
    EXPECT_TRUE(rated.solved);
    EXPECT_EQ(rated.level, 1);
}

TEST(GradeAndSolve, BoxWithOneFilledCellIsRatedThreeAtBest)
{
    // Box 0 keeps only its first cell: naked singles alone solve it.
    SudokuEngine e;
    LoadCurrent(e, FullWithout({1, 2, 9, 10, 11, 18, 19, 20}));
    const Grading g = Grade(e, 5);
    EXPECT_TRUE(g.solved);
    EXPECT_EQ(g.level, 3);
    EXPECT_FALSE(Grade(e, 2).solved);
}

TEST(GradeAndSolve, MoreThanSixtyEmptyCellsCanOnlyBeLevelFour)
{
    SudokuEngine e;
    Grid g = ParseGrid(kRatedPuzzles[3]);
    int emptied = 0;
    for (int i = 0; i < 81 && emptied < 61 - 56; ++i)
        if (g[i] != kEmptyCell) {
            g[i] = kEmptyCell;
            ++emptied;
        }
    LoadCurrent(e, g);
    ASSERT_GE(e.EmptyCount(), 61);
    const Grading upToThree = Grade(e, 3);
    EXPECT_FALSE(upToThree.solved);
    EXPECT_EQ(upToThree.level, 4);
    EXPECT_EQ(SolutionOf(e), g);
}

TEST(GradeAndSolve, EmptyGridFailsAtEveryLevel)
{
    SudokuEngine e;
    e.ClearGrid();
    for (int maxLevel : {4, 5}) {
        const Grading g = Grade(e, maxLevel);
        EXPECT_FALSE(g.solved);
        EXPECT_EQ(g.level, 5);
    }
    EXPECT_EQ(Grade(e, 2).level, 3);
}

TEST(GradeAndSolve, GivensThatBreakTheRulesAreNotDetected)
{
    // Two givens of one row swapped, then a cell emptied: completeness is
    // the only test, so the grid counts as solved.
    Grid g = ParseGrid(kFull);
    std::swap(g[0 * 9 + 0], g[1 * 9 + 0]);
    g[4 * 9 + 4] = kEmptyCell;
    SudokuEngine e;
    LoadCurrent(e, g);
    const Grading graded = Grade(e, 5);
    EXPECT_TRUE(graded.solved);
    EXPECT_FALSE(IsValidFullGrid(e.FSolution));
}

TEST(GradeAndSolve, ThirtyGivensAreGraded)
{
    SudokuEngine e;
    LoadCurrent(e, ParseGrid(kThirtyCluePuzzle));
    ASSERT_EQ(e.FilledCount(), 30);
    const Grading g = Grade(e, 4);
    EXPECT_TRUE(g.solved);
    Grid unique;
    ASSERT_EQ(CountSolutions(CurrentOf(e), 2, &unique), 1);
    EXPECT_EQ(SolutionOf(e), unique);
}

} // namespace
