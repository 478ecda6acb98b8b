// Hand-worked cases that pin the reference solver to the rules it states, so
// that the differential test does not compare the engine against a yardstick
// that is itself off.

#include "reference/ReferenceSolver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using reference::CandidateStrings;
using reference::ReferenceSolver;

CandidateStrings AllOpen()
{
    CandidateStrings c;
    c.fill("012345678");
    return c;
}

int Cell(int x, int y)
{
    return x * 9 + y;
}

// A valid complete grid: digit (3 * (y % 3) + y / 3 + x) % 9 at (x, y).
void FillComplete(ReferenceSolver& r)
{
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y)
            r.grid.FCurrent[Cell(x, y)] = static_cast<std::uint8_t>((3 * (y % 3) + y / 3 + x) % 9);
}

TEST(ReferenceSolver, CombinationListsHoldEverySubsetOnceInAscendingOrder)
{
    const ReferenceSolver r;
    const struct { const reference::SortedStringList* list; std::size_t count; const char* first; const char* last; } cases[] = {
        {&r.FCombinations3, 84, "012", "678"},
        {&r.FCombinations4, 126, "0123", "5678"},
        {&r.FCombinations5, 126, "01234", "45678"},
        {&r.FCombinations6, 84, "012345", "345678"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.list->Count(), c.count);
        EXPECT_EQ((*c.list)[0], c.first);
        EXPECT_EQ((*c.list)[c.count - 1], c.last);
        EXPECT_TRUE(std::is_sorted(c.list->Items().begin(), c.list->Items().end()));
    }
}

TEST(ReferenceSolver, CandidateUnionIsTheDistinctDigitsAscending)
{
    EXPECT_EQ(ReferenceSolver::CandidateUnion({"57", "35", "7"}), "357");
    EXPECT_EQ(ReferenceSolver::CandidateUnion({"", "8", "0"}), "08");
    EXPECT_EQ(ReferenceSolver::CandidateUnion({}), "");
}

TEST(ReferenceSolver, InitialCandidatesAreEmptyWhereEveryDigitIsSeen)
{
    ReferenceSolver r;
    // Cell (0, 0) sees 0..5 in its row, 6..7 in its column and 8 in its box.
    for (int x = 1; x <= 6; ++x)
        r.grid.FCurrent[Cell(x, 0)] = static_cast<std::uint8_t>(x - 1);
    r.grid.FCurrent[Cell(0, 4)] = 6;
    r.grid.FCurrent[Cell(0, 7)] = 7;
    r.grid.FCurrent[Cell(1, 1)] = 8;
    CandidateStrings c;
    r.InitialCandidates(c);
    EXPECT_EQ(c[Cell(0, 0)], "");
    EXPECT_EQ(c[Cell(1, 0)], "0");
    EXPECT_EQ(c[Cell(8, 0)], "678");
    EXPECT_EQ(c[Cell(8, 8)], "012345678");

    // No technique turns the empty string into a digit.
    for (int level = 0; level <= 4; ++level) {
        r.ComputeCandidates(static_cast<std::uint8_t>(level), c);
        EXPECT_EQ(c[Cell(0, 0)], "") << "level " << level;
    }
}

TEST(ReferenceSolver, PointingClearsTheRestOfTheColumnOnly)
{
    const ReferenceSolver r;
    CandidateStrings c = AllOpen();
    // Digit 4 in box 0 only at (1, 0) and (1, 2).
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y)
            if (!(x == 1 && (y == 0 || y == 2)))
                c[Cell(x, y)] = "01235678";
    CandidateStrings expected = c;
    for (int y = 3; y < 9; ++y)
        expected[Cell(1, y)] = "01235678";
    EXPECT_TRUE(r.ReducePointing(c));
    EXPECT_EQ(c, expected);

    // A single cell holding the digit points nowhere.
    CandidateStrings single = AllOpen();
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y)
            if (!(x == 1 && y == 0))
                single[Cell(x, y)] = "01235678";
    const CandidateStrings before = single;
    EXPECT_FALSE(r.ReducePointing(single));
    EXPECT_EQ(single, before);
}

TEST(ReferenceSolver, IdenticalPairClearsItsRowOnlyWithAnOpenCellLeft)
{
    const ReferenceSolver r;
    CandidateStrings c = AllOpen();
    c[Cell(0, 0)] = "25";
    c[Cell(3, 0)] = "25";
    CandidateStrings expected = c;
    for (int x : {1, 2, 4, 5, 6, 7, 8})
        expected[Cell(x, 0)] = "0134678";
    EXPECT_TRUE(r.ReduceIdenticalSubsets(c));
    EXPECT_EQ(c, expected);

    CandidateStrings three = AllOpen();
    three[Cell(0, 0)] = three[Cell(3, 0)] = three[Cell(6, 0)] = "25";
    EXPECT_FALSE(r.ReduceIdenticalSubsets(three));

    CandidateStrings closedRow = AllOpen();
    closedRow[Cell(0, 0)] = closedRow[Cell(3, 0)] = "25";
    for (int x : {1, 2, 4, 5, 6, 7, 8})
        closedRow[Cell(x, 0)] = std::string(1, static_cast<char>('0' + x));
    const CandidateStrings before = closedRow;
    r.ReduceIdenticalSubsets(closedRow);
    for (int x = 0; x < 9; ++x)
        EXPECT_EQ(closedRow[Cell(x, 0)], before[Cell(x, 0)]) << "x " << x;
}

TEST(ReferenceSolver, NakedSubsetGatesCountTheCurrentGridNotTheCandidates)
{
    ReferenceSolver r;
    CandidateStrings c = AllOpen();
    for (int x = 0; x < 5; ++x) {
        r.grid.FCurrent[Cell(x, 0)] = static_cast<std::uint8_t>(x);
        c[Cell(x, 0)] = std::string(1, static_cast<char>('0' + x));
    }
    c[Cell(5, 0)] = "56";
    c[Cell(6, 0)] = "67";
    c[Cell(7, 0)] = "57";
    c[Cell(8, 0)] = "5678";

    CandidateStrings gated = c;
    EXPECT_FALSE(r.ReduceNakedSubsets(gated)) << "a row with 5 filled cells is not searched";
    EXPECT_EQ(gated, c);

    r.grid.FCurrent[Cell(4, 0)] = reference::kEmpty; // 4 filled: triples only
    CandidateStrings open = c;
    EXPECT_TRUE(r.ReduceNakedSubsets(open));
    EXPECT_EQ(open[Cell(8, 0)], "8");
    EXPECT_EQ(open[Cell(4, 0)], "4");
}

TEST(ReferenceSolver, SubsetSearchSkipsSettledCellsButNotEmptyOnes)
{
    const ReferenceSolver r;
    CandidateStrings settled = AllOpen();
    settled[Cell(0, 0)] = "1";
    settled[Cell(1, 0)] = "23";
    settled[Cell(2, 0)] = "23";
    EXPECT_FALSE(r.ReduceSubsetsInRow(settled, 0, 3, r.FCombinations3));

    CandidateStrings empty = AllOpen();
    empty[Cell(0, 0)] = "";
    empty[Cell(1, 0)] = "12";
    empty[Cell(2, 0)] = "13";
    EXPECT_TRUE(r.ReduceSubsetsInRow(empty, 0, 3, r.FCombinations3));
    for (int x = 3; x < 9; ++x)
        EXPECT_EQ(empty[Cell(x, 0)], "045678") << "x " << x;
}

TEST(ReferenceSolver, GradingGatesAndResults)
{
    ReferenceSolver r;
    std::uint8_t level = 99;

    FillComplete(r);
    EXPECT_TRUE(r.GradeAndSolve(0, level));
    EXPECT_EQ(level, 0);

    // 36 empty cells, spread so that every box keeps filled cells.
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 4; ++y)
            r.grid.FCurrent[Cell(x, (y * 2 + x) % 9)] = reference::kEmpty;
    ASSERT_EQ(r.EmptyCount(), 36);
    EXPECT_FALSE(r.GradeAndSolve(0, level));
    EXPECT_EQ(level, 1);
    EXPECT_TRUE(std::equal(std::begin(r.grid.FCurrent), std::end(r.grid.FCurrent),
                           std::begin(r.grid.FSolution)))
        << "a level passed over leaves a plain copy of the current grid";
    EXPECT_TRUE(r.GradeAndSolve(5, level));
    EXPECT_EQ(level, 1);

    ReferenceSolver blank;
    EXPECT_FALSE(blank.GradeAndSolve(4, level));
    EXPECT_EQ(level, 5);
    EXPECT_FALSE(blank.GradeAndSolve(5, level));
    EXPECT_EQ(level, 5);
    EXPECT_FALSE(blank.GradeAndSolve(2, level));
    EXPECT_EQ(level, 3);
}

TEST(ReferenceSolver, SparseBoxPassesOverTheLowLevels)
{
    ReferenceSolver r;
    FillComplete(r);
    // Box 4 keeps one filled cell: naked singles would do, but levels 0..2
    // are passed over.
    for (int x = 3; x < 6; ++x)
        for (int y = 3; y < 6; ++y)
            if (!(x == 4 && y == 4))
                r.grid.FCurrent[Cell(x, y)] = reference::kEmpty;
    std::uint8_t level = 0;
    EXPECT_FALSE(r.GradeAndSolve(2, level));
    EXPECT_EQ(level, 3);
    EXPECT_TRUE(r.GradeAndSolve(5, level));
    EXPECT_EQ(level, 3);
}

} // namespace
