#include "EngineTestSupport.h"
#include "Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {

// Seeds the shared random source for one test and frees it afterwards.
class FixedSeed
{
public:
    explicit FixedSeed(std::uint64_t seed) { FixRandomSeed(seed); }
    ~FixedSeed() { ReleaseRandomSeed(); }
};

TEST(Patterns, TextOfTheFirstPermutationsPutsTheDigitOnTheDiagonalOfBoxes)
{
    SudokuEngine e;
    std::string pattern;
    e.BuildPatternList(pattern, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(pattern, "012012012000111222");
    const auto cells = PatternCells(PatternIdOf(0, 0, 0, 0, 0, 0));
    const int expected[9][2] = {{0, 0}, {3, 1}, {6, 2}, {1, 3}, {4, 4}, {7, 5}, {2, 6}, {5, 7}, {8, 8}};
    for (int b = 0; b < 9; ++b)
        EXPECT_EQ(cells[b], expected[b][0] * 9 + expected[b][1]) << b;
}

TEST(Patterns, EveryPatternHoldsItsDigitOncePerRowColumnAndBox)
{
    for (int id = 0; id < kPatternCount; id += 97) {
        unsigned rows = 0, columns = 0, boxes = 0;
        for (std::uint8_t cell : PatternCells(static_cast<PatternId>(id))) {
            const int x = cell / 9, y = cell % 9;
            rows |= 1U << y;
            columns |= 1U << x;
            boxes |= 1U << ((y / 3) * 3 + x / 3);
        }
        EXPECT_EQ(rows, 0x1FFu);
        EXPECT_EQ(columns, 0x1FFu);
        EXPECT_EQ(boxes, 0x1FFu);
    }
}

TEST(Patterns, CollideExactlyWhenTheyShareACell)
{
    EXPECT_TRUE(SudokuEngine::PatternsCollide("012012012000111222", "012012012000111222"));
    // Different row character in every box.
    EXPECT_FALSE(SudokuEngine::PatternsCollide("012012012000111222", "120120120000111222"));
    // Same cell in box 0 only.
    EXPECT_TRUE(SudokuEngine::PatternsCollide("012012012000111222", "021021021000111222"));
    for (int p = 0; p < kPatternCount; p += 1013)
        for (int q = 0; q < kPatternCount; q += 769) {
            const auto a = static_cast<PatternId>(p), b = static_cast<PatternId>(q);
            EXPECT_EQ(SudokuEngine::PatternsCollide(PatternText(a), PatternText(b)), PatternIdsCollide(a, b));
        }

}

TEST(BuildPatternList, HoldsTheSameNumberOfNonCollidingPatternsForAnyStart)
{
    SudokuEngine e;
    const int starts[][6] = {{0, 0, 0, 0, 0, 0}, {5, 4, 3, 2, 1, 0}, {2, 2, 5, 1, 3, 4}};
    for (const auto& s : starts) {
        std::string first;
        const PatternList list = e.BuildPatternList(first, s[0], s[1], s[2], s[3], s[4], s[5]);
        EXPECT_EQ(list.size(), 17972u);
        EXPECT_TRUE(std::is_sorted(list.begin(), list.end())) << "enumeration order";
        for (PatternId id : list)
            ASSERT_FALSE(SudokuEngine::PatternsCollide(first, PatternText(id)));
    }
}

TEST(PickPattern, EmptyListRaisesAndChangesNothing)
{
    SudokuEngine e;
    PatternList list;
    std::string pattern = "unchanged";
    try {
        e.PickPattern(list, pattern);
        FAIL() << "expected an exception";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "No more values!");
    }
    EXPECT_EQ(pattern, "unchanged");
    EXPECT_TRUE(list.empty());
}

TEST(PickPattern, DrawRemovesThePatternAndEverythingCollidingWithIt)
{
    FixedSeed seed(11);
    SudokuEngine e;
    std::string first, drawn;
    PatternList list = e.BuildPatternList(first, 1, 2, 3, 4, 5, 0);
    const PatternList before = list;
    e.PickPattern(list, drawn);
    ASSERT_NE(std::find_if(before.begin(), before.end(), [&](PatternId id) { return PatternText(id) == drawn; }),
              before.end());
    std::size_t colliding = 0;
    for (PatternId id : before)
        colliding += SudokuEngine::PatternsCollide(drawn, PatternText(id));
    EXPECT_EQ(list.size(), before.size() - colliding);
    for (PatternId id : list)
        EXPECT_FALSE(SudokuEngine::PatternsCollide(drawn, PatternText(id)));
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end()));
}

// Checks every property a generated game must have.
void ExpectWellFormedGame(const SudokuEngine& e, int level)
{
    EXPECT_EQ(e.GameLevel, level);
    EXPECT_TRUE(IsValidFullGrid(e.FSolution));
    EXPECT_TRUE(std::equal(e.FSolution, e.FSolution + 81, e.FSpare));
    EXPECT_TRUE(std::equal(e.FGivens, e.FGivens + 81, e.FCurrent));
    for (int i = 0; i < 81; ++i) {
        if (e.FGivens[i] != kEmptyCell) {
            EXPECT_EQ(e.FGivens[i], e.FSolution[i]);
        }
    }
    EXPECT_TRUE(std::all_of(e.FMarks, e.FMarks + 729, [](std::uint8_t m) { return m == 0; }));
    EXPECT_LE(e.EmptyCount(), kRemovalsPerLevel[level]);
}

TEST(GeneratePuzzle, GamesAtEveryLevelAreWellFormedAndGradeAtMostTheirLevel)
{
    FixedSeed seed(2026);
    constexpr int kGamesPerLevel = 12;
    for (int level = 0; level <= 4; ++level) {
        for (int game = 0; game < kGamesPerLevel; ++game) {
            SudokuEngine e;
            std::vector<std::string> notes;
            e.SetDebugSink([&](const std::string& line) { notes.push_back(line); });
            e.GeneratePuzzle(static_cast<std::uint8_t>(level));
            SCOPED_TRACE("level " + std::to_string(level) + ": " + e.GridToText());
            ExpectWellFormedGame(e, level);

            const bool endedEarly = e.EmptyCount() < kRemovalsPerLevel[level];
            EXPECT_EQ(notes, endedEarly ? std::vector<std::string>{kCantRemoveMore} : std::vector<std::string>{});
            if (level == 4) {
                EXPECT_TRUE(endedEarly);
            }

            const Grid solution = SolutionOf(e);
            EXPECT_EQ(CountSolutions(CurrentOf(e), 2), 1);
            std::uint8_t reached = 0;
            EXPECT_TRUE(e.GradeAndSolve(static_cast<std::uint8_t>(level), reached));
            EXPECT_LE(reached, level);
            EXPECT_EQ(SolutionOf(e), solution);
        }
    }
}

TEST(GeneratePuzzle, LevelZeroRemovesItsThirtyFiveCells)
{
    FixedSeed seed(5);
    SudokuEngine e;
    for (int game = 0; game < 5; ++game) {
        e.GeneratePuzzle(0);
        EXPECT_EQ(e.EmptyCount(), 35);
    }
}

TEST(GeneratePuzzle, SameSeedGivesTheSameGame)
{
    SudokuEngine a, b;
    {
        FixedSeed seed(77);
        a.GeneratePuzzle(3);
    }
    {
        FixedSeed seed(77);
        b.GeneratePuzzle(3);
    }
    EXPECT_EQ(a.GridToText(), b.GridToText());
    EXPECT_EQ(a.SolutionToText(), b.SolutionToText());
}

TEST(GeneratePuzzle, ClearsPencilMarksOfThePreviousGame)
{
    FixedSeed seed(3);
    SudokuEngine e;
    std::fill(std::begin(e.FMarks), std::end(e.FMarks), std::uint8_t{1});
    e.GeneratePuzzle(1);
    EXPECT_TRUE(std::all_of(e.FMarks, e.FMarks + 729, [](std::uint8_t m) { return m == 0; }));
}

// A grading that completes a grid with one solution must find that solution,
// whatever level it stops at: the techniques only delete impossible digits.
TEST(GradeAndSolve, CompletedGridsWithOneSolutionAreThatSolution)
{
    FixedSeed seed(404);
    int checked = 0, completed = 0;
    for (int level = 0; level <= 4; ++level) {
        for (int game = 0; game < 6; ++game) {
            SudokuEngine e;
            e.GeneratePuzzle(static_cast<std::uint8_t>(level));
            const Grid puzzle = CurrentOf(e);
            for (int variant = 0; variant < 8; ++variant) {
                Grid g = puzzle;
                // Blank a few more cells so that every level gate is crossed.
                for (int extra = Random(12); extra > 0; --extra)
                    g[static_cast<std::size_t>(Random(81))] = kEmptyCell;
                Grid unique;
                if (CountSolutions(g, 2, &unique) != 1)
                    continue;
                ++checked;
                LoadCurrent(e, g);
                for (int maxLevel = 0; maxLevel <= 4; ++maxLevel) {
                    std::uint8_t reached = 0;
                    if (e.GradeAndSolve(static_cast<std::uint8_t>(maxLevel), reached)) {
                        ++completed;
                        ASSERT_EQ(SolutionOf(e), unique) << "max level " << maxLevel;
                    }
                }
            }
        }
    }
    EXPECT_GT(checked, 50);
    EXPECT_GT(completed, 50);
}

} // namespace
