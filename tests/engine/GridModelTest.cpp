#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace {

const char* kFull = "534678912+672195348+198342567+859761423+426853791+713924856+961537284+287419635+345286179";

TEST(GridText, EmptyGridIsNineGroupsOfUnderscores)
{
    SudokuEngine e;
    e.ClearGrid();
    const std::string text = e.GridToText();
    ASSERT_EQ(text.size(), 89u);
    EXPECT_EQ(text, "_________+_________+_________+_________+_________+_________+_________+_________+_________");
    EXPECT_EQ(e.FilledCount(), 0);
    EXPECT_EQ(e.EmptyCount(), 81);
    EXPECT_TRUE(e.FilledCells().empty());
    EXPECT_EQ(e.EmptyCells().size(), 81u);
}

TEST(GridText, ReadsRowsTopToBottomLeftToRight)
{
    SudokuEngine e;
    e.ClearGrid();
    e.FCurrent[0 * 9 + 0] = 4; // shown 5
    e.FCurrent[1 * 9 + 0] = 2; // shown 3
    e.FCurrent[4 * 9 + 0] = 6; // shown 7
    e.FCurrent[8 * 9 + 0] = 8; // top-right: ninth character
    e.FCurrent[0 * 9 + 1] = 0; // (0, 1): eleventh character
    const std::string text = e.GridToText();
    EXPECT_EQ(text.substr(0, 10), "53__7___9+");
    EXPECT_EQ(text[10], '1');
}

TEST(GridText, FullGridRoundTripsAndHasNoGaps)
{
    SudokuEngine e;
    LoadCurrent(e, ParseGrid(kFull));
    EXPECT_EQ(e.GridToText(), kFull);
    EXPECT_TRUE(IsValidFullGrid(e.FCurrent));
}

TEST(GridText, SolutionFormWritesZeroForAnEmptyCell)
{
    SudokuEngine e;
    LoadCurrent(e, ParseGrid(kFull));
    std::copy(e.FCurrent, e.FCurrent + 81, e.FSolution);
    e.FSolution[3 * 9 + 0] = kEmptyCell;
    const std::string text = e.SolutionToText();
    ASSERT_EQ(text.size(), 89u);
    EXPECT_EQ(text.substr(0, 9), "534078912");
}

TEST(CellLists, FullGridListsEveryCellColumnByColumn)
{
    SudokuEngine e;
    LoadCurrent(e, ParseGrid(kFull));
    const auto cells = e.FilledCells();
    ASSERT_EQ(cells.size(), 81u);
    EXPECT_EQ(cells[0], "00");
    EXPECT_EQ(cells[1], "01");
    EXPECT_EQ(cells[8], "08");
    EXPECT_EQ(cells[9], "10");
    EXPECT_EQ(cells[80], "88");
    EXPECT_TRUE(e.EmptyCells().empty());
    EXPECT_EQ(e.FilledCount(), 81);
}

TEST(CellLists, PartialGridSplitsIntoFilledAndEmpty)
{
    SudokuEngine e;
    e.ClearGrid();
    e.FCurrent[3 * 9 + 7] = 2;
    e.FCurrent[0 * 9 + 5] = 1;
    EXPECT_EQ(e.FilledCells(), (std::vector<std::string>{"05", "37"}));
    EXPECT_EQ(e.EmptyCells().size(), 79u);
    EXPECT_EQ(e.FilledCount(), 2);
    EXPECT_EQ(e.EmptyCount(), 79);
}

TEST(CanPlaceValue, FilledCellRefusesEveryDigitItsOwnIncluded)
{
    SudokuEngine e;
    LoadCurrent(e, ParseGrid(kFull));
    for (int d = 0; d < 9; ++d)
        EXPECT_FALSE(e.CanPlaceValue(4, 4, d));
}

TEST(CanPlaceValue, EmptyCellRefusesDigitsOfRowColumnAndBox)
{
    SudokuEngine e;
    e.ClearGrid();
    e.FCurrent[8 * 9 + 0] = 1; // same row as (0, 0)
    e.FCurrent[0 * 9 + 8] = 2; // same column
    e.FCurrent[2 * 9 + 2] = 3; // same box
    e.FCurrent[4 * 9 + 4] = 4; // unrelated
    EXPECT_FALSE(e.CanPlaceValue(0, 0, 1));
    EXPECT_FALSE(e.CanPlaceValue(0, 0, 2));
    EXPECT_FALSE(e.CanPlaceValue(0, 0, 3));
    EXPECT_TRUE(e.CanPlaceValue(0, 0, 4));
    EXPECT_TRUE(e.CanPlaceValue(0, 0, 0));
}

TEST(FilledCounts, BoxCountIsTheSameFromEveryCellOfTheBox)
{
    SudokuEngine e;
    LoadCurrent(e, ParseGrid(kRatedPuzzles[2]));
    for (int b = 0; b < 9; ++b) {
        const int expected = e.FilledInBox(SudokuEngine::BoxOriginX(b), SudokuEngine::BoxOriginY(b));
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(e.FilledInBox(SudokuEngine::BoxOriginX(b) + i % 3, SudokuEngine::BoxOriginY(b) + i / 3), expected);
    }
    int rows = 0, columns = 0, boxes = 0;
    for (int u = 0; u < 9; ++u) {
        rows += e.FilledInRow(u);
        columns += e.FilledInColumn(u);
        boxes += e.FilledInBox(SudokuEngine::BoxOriginX(u), SudokuEngine::BoxOriginY(u));
    }
    EXPECT_EQ(rows, e.FilledCount());
    EXPECT_EQ(columns, e.FilledCount());
    EXPECT_EQ(boxes, e.FilledCount());
}

TEST(FilledCounts, BoxOriginsRunBandTimesThreePlusStack)
{
    EXPECT_EQ(SudokuEngine::BoxOriginX(0), 0);
    EXPECT_EQ(SudokuEngine::BoxOriginY(0), 0);
    EXPECT_EQ(SudokuEngine::BoxOriginX(2), 6);
    EXPECT_EQ(SudokuEngine::BoxOriginY(2), 0);
    EXPECT_EQ(SudokuEngine::BoxOriginX(5), 6);
    EXPECT_EQ(SudokuEngine::BoxOriginY(5), 3);
    EXPECT_EQ(SudokuEngine::BoxOriginX(8), 6);
    EXPECT_EQ(SudokuEngine::BoxOriginY(8), 6);
}

TEST(GridCopies, ClearGridTouchesOnlyCurrentAndMarks)
{
    SudokuEngine e;
    const Grid full = ParseGrid(kFull);
    LoadCurrent(e, full);
    e.StoreGivens();
    e.SaveFullGrid();
    std::copy(full.begin(), full.end(), e.FSolution);
    e.FMarks[100] = 1;
    e.ClearGrid();
    EXPECT_EQ(e.EmptyCount(), 81);
    EXPECT_EQ(e.FMarks[100], 0);
    EXPECT_TRUE(std::equal(full.begin(), full.end(), e.FGivens));
    EXPECT_TRUE(std::equal(full.begin(), full.end(), e.FSpare));
    EXPECT_TRUE(std::equal(full.begin(), full.end(), e.FSolution));
}

TEST(GridCopies, CopiesMoveWholeGridsAndLeaveTheMarks)
{
    SudokuEngine e;
    const Grid full = ParseGrid(kFull);
    const Grid puzzle = ParseGrid(kRatedPuzzles[0]);
    e.FMarks[5] = 1;
    LoadCurrent(e, puzzle);
    e.StoreGivens();
    LoadCurrent(e, full);
    e.SaveFullGrid();
    e.SolutionFromFullGrid();
    e.RestoreGivens();
    EXPECT_EQ(CurrentOf(e), puzzle);
    e.ShowSolution();
    EXPECT_EQ(CurrentOf(e), full);
    e.RestoreGivens();
    e.CurrentFromFullGrid();
    EXPECT_EQ(CurrentOf(e), full);
    EXPECT_EQ(e.FMarks[5], 1);
}

TEST(SolutionComplete, FollowsTheSolutionGridOnly)
{
    SudokuEngine e;
    const Grid full = ParseGrid(kFull);
    std::copy(full.begin(), full.end(), e.FSolution);
    e.ClearGrid();
    EXPECT_TRUE(e.SolutionComplete());
    e.FSolution[40] = kEmptyCell;
    EXPECT_FALSE(e.SolutionComplete());
}

} // namespace
