// The check and the hint: their time penalties, the wrong-digit flash, and
// which cell a hint reveals.
#include "PlayTestSupport.h"

#include "PanelStatusBar.h"
#include "ThemeImage.h"
#include "UnitePerso.h"
#include "Random.h"

#include <QTimer>

#include <vector>

namespace {

constexpr int kMessagePanel = 4;

class CheckHintTest : public PlayTest
{
protected:
    QString message() { return window().StatusBar1->panelText(kMessagePanel); }

    // A game whose givens are the whole solution but the listed cells,
    // which are left empty.
    void dealAllGivenBut(const std::vector<int>& emptyCells)
    {
        TfrmMain& w = window();
        const auto solution = knownSolution();
        for (int i = 0; i < 81; ++i)
            w.FGivens[i] = solution[i];
        for (int i : emptyCells)
            w.FGivens[i] = kEmptyCell;
        std::copy(std::begin(w.FGivens), std::end(w.FGivens), w.FCurrent);
    }
};

int cellIndex(int x, int y)
{
    return x * 9 + y;
}

} // namespace

TEST_F(CheckHintTest, CheckCostsTwentySecondsAndFlashesEvenWithNothingWrong)
{
    TfrmMain& w = window();
    w.FGameTime = 5.0;
    if (soundsAvailable())
        markSounds();
    w.mnuCheckClick();
    EXPECT_DOUBLE_EQ(w.FGameTime, 25.0);
    EXPECT_EQ(message(), w.FText(62));
    if (soundsAvailable()) {
        EXPECT_EQ(lastSound(), QStringLiteral("Message"));
    }
    // Drawn once at once: the first of the fourteen flashing frames.
    EXPECT_EQ(w.FErrorFlash, 14);
    EXPECT_EQ(w.FilledCount(), 41) << "nothing filled";
}

TEST_F(CheckHintTest, HintWithWrongDigitsFlashesThemAndFillsNothing)
{
    TfrmMain& w = window();
    const std::uint8_t wrong = (knownSolution()[cellIndex(4, 3)] + 1) % 9;
    current(4, 3) = wrong;
    w.FPickerOpen = true;
    const int filled = w.FilledCount();
    w.mnuHintClick();
    EXPECT_FALSE(w.FPickerOpen);
    EXPECT_DOUBLE_EQ(w.FGameTime, 60.0);
    EXPECT_EQ(w.FErrorFlash, 15);
    EXPECT_EQ(message(), w.FText(29));
    EXPECT_EQ(w.FilledCount(), filled);
    EXPECT_EQ(current(4, 3), wrong);
}

TEST_F(CheckHintTest, HintRevealsASettledCellDrawnFromThePoolInReadingOrder)
{
    TfrmMain& w = window();
    // Three empty cells, each alone in its row: every one is settled. In
    // reading order (rows from the top, each from the left) they are
    // (7, 0), (2, 4), (5, 8).
    const std::vector<int> pool = {cellIndex(7, 0), cellIndex(2, 4), cellIndex(5, 8)};
    for (std::uint64_t seed : {1U, 2U, 3U, 4U, 5U, 6U}) {
        dealAllGivenBut({cellIndex(5, 8), cellIndex(2, 4), cellIndex(7, 0)});
        FixRandomSeed(seed);
        const int expected = pool[static_cast<std::size_t>(Random(3))];
        FixRandomSeed(seed);
        w.mnuHintClick();
        EXPECT_EQ(w.FCurrent[expected], w.FSolution[expected]) << "seed " << seed;
        EXPECT_EQ(w.EmptyCount(), 2) << "seed " << seed;
    }
}

TEST_F(CheckHintTest, HintRevealsOnePlayerDigitAndKeepsItsMarks)
{
    TfrmMain& w = window();
    dealAllGivenBut({cellIndex(4, 3)});
    mark(4, 3, 6) = 1;
    w.FGameTime = 10.0;
    if (soundsAvailable())
        markSounds();
    w.mnuHintClick();
    EXPECT_EQ(current(4, 3), knownSolution()[cellIndex(4, 3)]);
    EXPECT_EQ(w.FGivens[cellIndex(4, 3)], kEmptyCell) << "a player digit, not a given";
    EXPECT_EQ(mark(4, 3, 6), 1);
    EXPECT_DOUBLE_EQ(w.FGameTime, 70.0);
    EXPECT_EQ(message(), w.FText(51));
    if (soundsAvailable()) {
        EXPECT_EQ(lastSound(), QStringLiteral("help"));
    }
    // Filling the last empty cell does not end the game.
    EXPECT_EQ(w.GameState, 2);
    EXPECT_TRUE(w.Timer1->isActive());
}

TEST_F(CheckHintTest, HintMayDrawACellThePlayerFilledAndChangeNothing)
{
    TfrmMain& w = window();
    // One cell filled by the player and nothing empty: it is the whole pool.
    dealAllGivenBut({cellIndex(4, 3)});
    current(4, 3) = knownSolution()[cellIndex(4, 3)];
    w.mnuHintClick();
    EXPECT_EQ(current(4, 3), knownSolution()[cellIndex(4, 3)]);
    EXPECT_DOUBLE_EQ(w.FGameTime, 60.0);
    EXPECT_EQ(message(), w.FText(51));
}

TEST_F(CheckHintTest, HintWithNoSettledCellSaysSo)
{
    TfrmMain& w = window();
    // An empty board: every cell still has nine candidates.
    w.ClearGrid();
    w.StoreGivens();
    w.mnuHintClick();
    EXPECT_DOUBLE_EQ(w.FGameTime, 60.0);
    EXPECT_EQ(message(), w.FText(30));
    EXPECT_EQ(w.FilledCount(), 0);
    EXPECT_EQ(w.FErrorFlash, 0);
}

TEST_F(CheckHintTest, HintAfterSolveChangesNothing)
{
    TfrmMain& w = window();
    w.mnuSolveClick();
    const double before = w.FGameTime;
    w.mnuHintClick();
    EXPECT_DOUBLE_EQ(w.FGameTime, before + 60.0);
    EXPECT_EQ(w.FilledCount(), 81);
    EXPECT_EQ(message(), w.FText(51));
    EXPECT_EQ(w.GameState, 4);
}

TEST_F(CheckHintTest, HelpButtonAsksForAHint)
{
    TfrmMain& w = window();
    dealAllGivenBut({cellIndex(4, 3), cellIndex(6, 5)});
    Buttons[10] = {true, QString(), true};
    const ThemeImage* help = ButtonImages.item(19);
    ASSERT_NE(help, nullptr);
    pressAt(940 + help->width() / 2, 1 + help->height() / 2);
    frame();
    EXPECT_DOUBLE_EQ(w.FGameTime, 60.0);
    EXPECT_EQ(w.EmptyCount(), 1);
    for (int i = 0; i < 81; ++i)
        if (w.FCurrent[i] != kEmptyCell) {
            EXPECT_EQ(w.FCurrent[i], w.FSolution[i]);
        }
}
