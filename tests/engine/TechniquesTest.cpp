#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace {

Candidates AllOpen()
{
    Candidates c;
    c.fill(kAllCandidates);
    return c;
}

int Cell(int x, int y) { return x * 9 + y; }

const char* kFull = "534678912+672195348+198342567+859761423+426853791+713924856+961537284+287419635+345286179";

TEST(CandidateText, SetsReadAsAscendingStrings)
{
    EXPECT_EQ(CandidateText(0), "");
    EXPECT_EQ(CandidateText(kAllCandidates), "012345678");
    EXPECT_EQ(CandidateText(CandidateSetFromText("5130")), "0135");
    EXPECT_EQ(SudokuEngine::CandidateUnion({CandidateSetFromText("57"), CandidateSetFromText("35"),
                                            CandidateSetFromText("7")}),
              CandidateSetFromText("357"));
}

TEST(CombinationLists, HoldEverySubsetOnceInAscendingOrder)
{
    SudokuEngine e;
    e.BuildCombinationLists(); // a second build gives the same lists
    const CombinationList* lists[] = {&e.FCombinations3, &e.FCombinations4, &e.FCombinations5, &e.FCombinations6};
    const std::size_t counts[] = {84, 126, 126, 84};
    const char* first[] = {"012", "0123", "01234", "012345"};
    const char* last[] = {"678", "5678", "45678", "345678"};
    for (int i = 0; i < 4; ++i) {
        const CombinationList& list = *lists[i];
        ASSERT_EQ(list.Count(), counts[i]);
        EXPECT_EQ(list[0].text, first[i]);
        EXPECT_EQ(list[list.Count() - 1].text, last[i]);
        for (std::size_t j = 1; j < list.Count(); ++j)
            EXPECT_LT(list[j - 1].text, list[j].text);
        for (const auto& entry : list)
            EXPECT_EQ(__builtin_popcount(entry.positions), i + 3);
    }
}

TEST(InitialCandidates, CompleteGridGivesItsOwnDigits)
{
    SudokuEngine e;
    LoadCurrent(e, ParseGrid(kFull));
    for (int level = 0; level <= 4; ++level) {
        Candidates c;
        e.ComputeCandidates(static_cast<std::uint8_t>(level), c);
        for (int i = 0; i < 81; ++i)
            EXPECT_EQ(c[i], DigitSet(e.FCurrent[i]));
    }
}

TEST(InitialCandidates, CellSeeingAllNineDigitsGetsTheEmptySetForGood)
{
    SudokuEngine e;
    e.ClearGrid();
    // Cell (0, 0) sees 0..3 in its row, 4..6 in its column and 7, 8 in its box.
    for (int d = 0; d < 4; ++d)
        e.FCurrent[Cell(3 + d, 0)] = static_cast<std::uint8_t>(d);
    for (int d = 4; d < 7; ++d)
        e.FCurrent[Cell(0, d - 1)] = static_cast<std::uint8_t>(d);
    e.FCurrent[Cell(1, 1)] = 7;
    e.FCurrent[Cell(2, 2)] = 8;
    Candidates c;
    e.InitialCandidates(c);
    EXPECT_EQ(c[0], 0);
    for (int level = 0; level <= 4; ++level) {
        e.ComputeCandidates(static_cast<std::uint8_t>(level), c);
        EXPECT_EQ(c[0], 0) << "level " << level;
    }
    std::uint8_t reached = 0;
    EXPECT_FALSE(e.GradeAndSolve(4, reached));
    EXPECT_EQ(e.FSolution[0], kEmptyCell);
}

TEST(EliminateFromPeers, DeletesFromRowColumnAndBoxOnly)
{
    SudokuEngine e;
    Candidates c = AllOpen();
    EXPECT_TRUE(e.EliminateFromPeers(c, 4, 4, DigitSet(6)));
    int without = 0;
    for (int i = 0; i < 81; ++i)
        without += !HoldsDigit(c[i], 6);
    EXPECT_EQ(without, 20);
    EXPECT_TRUE(HoldsDigit(c[Cell(4, 4)], 6));
    EXPECT_FALSE(e.EliminateFromPeers(c, 4, 4, DigitSet(6)));
}

TEST(ReduceHiddenSingles, SettlesTheOnlyCellOfAUnitHoldingADigit)
{
    SudokuEngine e;
    Candidates c = AllOpen();
    for (int x = 0; x < 9; ++x)
        if (x != 2)
            c[Cell(x, 0)] &= static_cast<CandidateSet>(~DigitSet(4));
    EXPECT_TRUE(e.ReduceHiddenSingles(c));
    EXPECT_EQ(c[Cell(2, 0)], DigitSet(4));
    EXPECT_FALSE(e.ReduceHiddenSingles(c)); // already one digit: no progress
}

TEST(ReducePointing, DigitInOneColumnOfABoxLeavesTheRestOfThatColumn)
{
    SudokuEngine e;
    Candidates c = AllOpen();
    for (int i = 0; i < 9; ++i) {
        const int x = i % 3, y = i / 3;
        if (!(x == 1 && y <= 1))
            c[Cell(x, y)] &= static_cast<CandidateSet>(~DigitSet(4));
    }
    Candidates expected = c;
    for (int y = 3; y < 9; ++y)
        expected[Cell(1, y)] &= static_cast<CandidateSet>(~DigitSet(4));
    EXPECT_TRUE(e.ReducePointing(c));
    EXPECT_EQ(c, expected);
}

TEST(ReducePointing, DigitInASingleCellOfTheBoxDoesNothing)
{
    SudokuEngine e;
    Candidates c = AllOpen();
    for (int i = 1; i < 9; ++i)
        c[Cell(i % 3, i / 3)] &= static_cast<CandidateSet>(~DigitSet(4));
    const Candidates before = c;
    EXPECT_FALSE(e.ReducePointing(c));
    EXPECT_EQ(c, before);
}

TEST(ReducePointing, ReportsColumnsAndRowsOfTheBoxCellsHoldingTheDigit)
{
    SudokuEngine e;
    Candidates c = AllOpen();
    const auto all = e.DigitPositionsInBox(c, 3, 4);
    EXPECT_EQ(all.columns, 0b000111000);
    EXPECT_EQ(all.rows, 0b000111000);
    for (int i = 0; i < 9; ++i)
        c[Cell(6 + i % 3, 6 + i / 3)] = 0;
    const auto none = e.DigitPositionsInBox(c, 3, 8);
    EXPECT_EQ(none.columns, 0);
    EXPECT_EQ(none.rows, 0);
}

TEST(ReduceIdenticalSubsets, PairInTwoCellsClearsTheRestOfTheRow)
{
    SudokuEngine e;
    Candidates c = AllOpen();
    const CandidateSet pair = CandidateSetFromText("12");
    c[Cell(0, 0)] = pair;
    c[Cell(3, 0)] = pair;
    EXPECT_TRUE(e.ReduceIdenticalSubsets(c));
    for (int x = 0; x < 9; ++x)
        EXPECT_EQ(c[Cell(x, 0)], (x == 0 || x == 3) ? pair : CandidateSet(kAllCandidates & ~pair)) << x;
    for (int y = 1; y < 9; ++y)
        EXPECT_EQ(c[Cell(5, y)], kAllCandidates);
}

TEST(ReduceIdenticalSubsets, PairInThreeCellsOrWithNoOtherOpenCellDoesNothing)
{
    SudokuEngine e;
    const CandidateSet pair = CandidateSetFromText("12");
    Candidates three = AllOpen();
    three[Cell(0, 0)] = three[Cell(3, 0)] = three[Cell(6, 0)] = pair;
    const Candidates before = three;
    EXPECT_FALSE(e.ReduceIdenticalSubsets(three));
    EXPECT_EQ(three, before);

    Candidates closed = AllOpen();
    closed[Cell(0, 0)] = closed[Cell(3, 0)] = pair;
    const int others[] = {1, 2, 4, 5, 6, 7, 8};
    for (int i = 0; i < 7; ++i)
        closed[Cell(others[i], 0)] = DigitSet(i == 0 ? 0 : 3 + i - 1);
    const Candidates closedBefore = closed;
    EXPECT_FALSE(e.ReduceIdenticalSubsets(closed));
    EXPECT_EQ(closed, closedBefore);
}

// A naked triple spread over three boxes of row 0, with `filled` cells of
// row 0 filled in the current grid (the candidates are set by hand).
struct RowSubsetCase
{
    SudokuEngine engine;
    Candidates c = AllOpen();

    RowSubsetCase(std::initializer_list<const char*> sets, std::initializer_list<int> columns, int filled)
    {
        engine.ClearGrid();
        auto set = sets.begin();
        for (int x : columns)
            c[Cell(x, 0)] = CandidateSetFromText(*set++);
        int placed = 0;
        for (int x = 0; x < 9 && placed < filled; ++x) {
            if (std::find(columns.begin(), columns.end(), x) != columns.end())
                continue;
            engine.FCurrent[Cell(x, 0)] = static_cast<std::uint8_t>(x);
            ++placed;
        }
    }
};

TEST(ReduceNakedSubsets, RowGatesFollowTheFilledCellsOfTheCurrentGrid)
{
    // Triple: searched with 4 filled cells, never with 5.
    RowSubsetCase four({"01", "12", "02"}, {0, 3, 6}, 4);
    EXPECT_TRUE(four.engine.ReduceNakedSubsets(four.c));
    EXPECT_EQ(four.c[Cell(8, 0)], CandidateSetFromText("345678"));

    RowSubsetCase five({"01", "12", "02"}, {0, 3, 6}, 5);
    EXPECT_FALSE(five.engine.ReduceNakedSubsets(five.c));

    // Quad without a triple inside: needs 3 or fewer filled cells.
    RowSubsetCase quadGated({"01", "12", "23", "03"}, {0, 3, 6, 8}, 4);
    EXPECT_FALSE(quadGated.engine.ReduceNakedSubsets(quadGated.c));
    RowSubsetCase quad({"01", "12", "23", "03"}, {0, 3, 6, 8}, 3);
    EXPECT_TRUE(quad.engine.ReduceNakedSubsets(quad.c));
    EXPECT_EQ(quad.c[Cell(1, 0)], CandidateSetFromText("45678"));
}

TEST(ReduceNakedSubsets, CombinationWithASettledCellIsSkipped)
{
    RowSubsetCase settled({"01", "02", "2"}, {0, 3, 6}, 0);
    const Candidates before = settled.c;
    EXPECT_FALSE(settled.engine.ReduceNakedSubsets(settled.c));
    EXPECT_EQ(settled.c, before);

    RowSubsetCase open({"01", "02", "12"}, {0, 3, 6}, 0);
    EXPECT_TRUE(open.engine.ReduceNakedSubsets(open.c));
}

TEST(ReduceSubsets, EmptySetDoesNotSkipACombination)
{
    SudokuEngine e;
    Candidates c = AllOpen();
    c[Cell(0, 0)] = CandidateSetFromText("01");
    c[Cell(1, 0)] = CandidateSetFromText("12");
    c[Cell(2, 0)] = 0; // a contradiction still takes part in a subset
    EXPECT_TRUE(e.ReduceSubsetsInRow(c, 0, 3, e.FCombinations3));
    EXPECT_EQ(c[Cell(8, 0)], CandidateSetFromText("345678"));
    EXPECT_EQ(c[Cell(2, 0)], 0);
}

TEST(RemoveExcept, SparesTheListedPositions)
{
    SudokuEngine e;
    Candidates c = AllOpen();
    const CandidateSet digits = CandidateSetFromText("37");
    EXPECT_TRUE(e.RemoveFromBoxExcept(c, digits, 4, 0b000010001));
    for (int p = 0; p < 9; ++p) {
        const int cell = Cell(3 + p % 3, 3 + p / 3);
        EXPECT_EQ(c[cell], (p == 0 || p == 4) ? kAllCandidates : CandidateSet(kAllCandidates & ~digits)) << p;
    }
    EXPECT_FALSE(e.RemoveFromBoxExcept(c, digits, 4, 0b000010001)) << "only spared cells still hold them";
    EXPECT_TRUE(e.RemoveFromRowExcept(c, digits, 0, 0b111111110));
    EXPECT_FALSE(HoldsDigit(c[Cell(0, 0)], 3));
    EXPECT_TRUE(e.RemoveFromColumnExcept(c, CandidateSetFromText("0"), 1, 0));
    EXPECT_FALSE(HoldsDigit(c[Cell(1, 8)], 0));
    EXPECT_TRUE(HoldsDigit(c[Cell(1, 0)], 3));
}

} // namespace
