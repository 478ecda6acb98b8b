// The life of a game: every change of the game state with the button flags
// it sets, the clock, completion, and the commands no control runs.
#include "PlayTestSupport.h"

#include "ButtonColumn.h"
#include "Fenetres.h"
#include "MultiPlayerSetupUnit.h"
#include "PanelStatusBar.h"
#include "PlayerScoresUnit.h"
#include "UnitePerso.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <initializer_list>
#include <set>

namespace {

constexpr int kMessagePanel = 4;

class GameFlowTest : public PlayTest
{
protected:
    void expectEnabled(std::initializer_list<int> on, std::initializer_list<int> off, const char* where)
    {
        for (int b : on) {
            EXPECT_TRUE(Buttons[b].Enabled) << where << ": button " << b << " enabled";
        }
        for (int b : off) {
            EXPECT_FALSE(Buttons[b].Enabled) << where << ": button " << b << " disabled";
        }
    }
    void expectShown(std::initializer_list<int> on, std::initializer_list<int> off, const char* where)
    {
        for (int b : on) {
            EXPECT_TRUE(Buttons[b].Visible) << where << ": button " << b << " shown";
        }
        for (int b : off) {
            EXPECT_FALSE(Buttons[b].Visible) << where << ": button " << b << " hidden";
        }
    }
    void setAllButtons(bool visible, bool enabled)
    {
        for (int b : kDrawnButtons) {
            Buttons[b].Visible = visible;
            Buttons[b].Enabled = enabled;
        }
    }
    void answer(bool yes)
    {
        ASSERT_TRUE(MessageWindow.Visible);
        MessageWindow.Answer = yes;
        CloseMessageWindow(MessageWindow.Kind);
    }
    bool pausedShown() { return !window().PanPaused->isHidden(); }
    QString message() { return window().StatusBar1->panelText(kMessagePanel); }

    // Fills every empty cell but (4, 3) with its right digit.
    void fillAllButOne()
    {
        const auto solution = knownSolution();
        for (int i = 0; i < 81; ++i)
            window().FCurrent[i] = solution[i];
        current(4, 3) = kEmptyCell;
    }
};

bool sameGrid(const std::uint8_t* a, const std::uint8_t* b)
{
    return std::equal(a, a + 81, b);
}

// Whether the givens are part of a complete, valid solution.
void expectDealtPuzzle(const TfrmMain& w)
{
    for (int i = 0; i < 81; ++i) {
        ASSERT_LE(w.FSolution[i], 8);
        if (w.FGivens[i] != kEmptyCell) {
            EXPECT_EQ(w.FGivens[i], w.FSolution[i]);
        }
        EXPECT_EQ(w.FCurrent[i], w.FGivens[i]);
    }
    for (int unit = 0; unit < 9; ++unit) {
        std::set<int> row, column;
        for (int k = 0; k < 9; ++k) {
            row.insert(w.FSolution[k * 9 + unit]);
            column.insert(w.FSolution[unit * 9 + k]);
        }
        EXPECT_EQ(row.size(), 9U);
        EXPECT_EQ(column.size(), 9U);
    }
}

} // namespace

TEST_F(GameFlowTest, NewGameFromTheHomeScreenDealsAPuzzleWithTheInGameColumn)
{
    TfrmMain& w = window();
    // Everything the new game must set, set the other way first.
    setAllButtons(false, false);
    Buttons[12] = {true, QString(), true};
    Buttons[8].Visible = true;
    HomeScreen.Visible = true;
    GameMenu.Visible = false;
    w.GameState = 0;
    w.FGameType = 2;
    w.FGameTime = 99.0;
    w.Timer1->stop();
    w.PanPaused->show();
    w.FPickerOpen = true;
    mark(4, 3, 2) = 1;

    pressAt(450 + 75, 280 + 19);  // new game, first in the home column
    frame();

    EXPECT_EQ(w.GameState, 2);
    EXPECT_EQ(w.FGameType, 0);
    EXPECT_FALSE(HomeScreen.Visible);
    EXPECT_TRUE(GameMenu.Visible);
    expectShown({1, 2, 4, 7, 10}, {8}, "new game");
    expectEnabled({0, 2, 3, 4, 7, 12}, {}, "new game");
    EXPECT_EQ(w.FGameTime, 0.0);
    EXPECT_TRUE(w.Timer1->isActive());
    EXPECT_FALSE(pausedShown());
    EXPECT_FALSE(w.FPickerOpen);
    EXPECT_EQ(marksOf(4, 3), 0);
    EXPECT_EQ(w.GameLevel, 0);
    expectDealtPuzzle(w);
    // The hourglass is gone once the puzzle is dealt.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(GameFlowTest, DifficultyRowSetsTheLevelAndOffersHintsAtTheFirstLevelOnly)
{
    TfrmMain& w = window();
    for (int level : {0, 2}) {
        w.ComboBox2->setEditText(w.FText(23 + level));
        w.mnuGenerateClick();
        EXPECT_EQ(w.GameLevel, level);
        EXPECT_EQ(Buttons[10].Visible, level == 0) << "level " << level;
        expectDealtPuzzle(w);
    }
    // An unknown name deals the first level but offers no hint.
    w.ComboBox2->setEditText(QStringLiteral("Impossible"));
    w.GameLevel = 3;
    w.mnuGenerateClick();
    EXPECT_EQ(w.GameLevel, 0);
    EXPECT_FALSE(Buttons[10].Visible);
}

TEST_F(GameFlowTest, ReplayAnsweredYesDealsANewGameAfterSolve)
{
    TfrmMain& w = window();
    w.mnuSolveClick();
    ASSERT_EQ(w.GameState, 4);
    Buttons[2].Visible = false;
    OpenMessageWindow(3, w.FText(35), w.FText(1), w.FText(2));
    answer(true);
    EXPECT_EQ(w.GameState, 2);
    expectShown({2}, {}, "replay");
    expectEnabled({0, 2, 3, 4, 7, 12}, {}, "replay");
    EXPECT_TRUE(w.Timer1->isActive());
    EXPECT_FALSE(sameGrid(w.FSolution, knownSolution().data()));
    expectDealtPuzzle(w);

    // No: nothing changes.
    std::uint8_t before[81];
    std::copy(std::begin(w.FCurrent), std::end(w.FCurrent), before);
    OpenMessageWindow(3, w.FText(35), w.FText(1), w.FText(2));
    answer(false);
    EXPECT_TRUE(sameGrid(before, w.FCurrent));
}

TEST_F(GameFlowTest, InGameQuitAnsweredYesLeavesTheDesignBoardForHome)
{
    TfrmMain& w = window();
    w.ConceptionClick();
    ASSERT_FALSE(Buttons[4].Visible);
    GameMenu.Visible = true;
    Buttons[10].Visible = true;
    w.Panel_Options->show();
    w.MnuQuitClick();
    EXPECT_EQ(MessageWindow.Kind, 6);
    answer(true);
    EXPECT_EQ(w.GameState, 0);
    EXPECT_TRUE(HomeScreen.Visible);
    EXPECT_FALSE(GameMenu.Visible);
    expectShown({4}, {10}, "home");
    EXPECT_TRUE(w.Panel_Options->isHidden());
}

TEST_F(GameFlowTest, DesignModeStartsOnAnEmptyGridWithItsButtons)
{
    TfrmMain& w = window();
    setAllButtons(true, true);
    Buttons[8].Visible = false;
    Buttons[3].Enabled = false;
    Buttons[12].Enabled = false;
    HomeScreen.Visible = true;
    GameMenu.Visible = false;
    w.GameState = 0;
    mark(4, 3, 1) = 1;

    w.ConceptionClick();

    EXPECT_EQ(w.GameState, 1);
    EXPECT_FALSE(HomeScreen.Visible);
    EXPECT_TRUE(GameMenu.Visible);
    expectShown({2, 8}, {1, 4, 7, 10}, "design");
    expectEnabled({3, 12}, {0, 2}, "design");
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.FilledCount(), 0);
    EXPECT_EQ(marksOf(4, 3), 0);
    for (std::uint8_t given : w.FGivens) {
        EXPECT_EQ(given, kEmptyCell);
    }
}

TEST_F(GameFlowTest, PlayOnAGridWithoutALogicalSolutionStaysInDesignMode)
{
    TfrmMain& w = window();
    w.ConceptionClick();
    Buttons[3].Enabled = true;
    w.Timer1->start();
    current(0, 0) = 4;
    w.tbPlayClick();
    EXPECT_EQ(w.GameState, 1);
    EXPECT_FALSE(MessageWindow.Visible);
    EXPECT_EQ(message(), w.FText(20));
    expectEnabled({}, {0, 2, 3}, "refused grid");
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(current(0, 0), 4) << "the typed grid is kept";
}

TEST_F(GameFlowTest, DesignedGridIsGradedAcceptedAndPlayed)
{
    TfrmMain& w = window();
    w.ConceptionClick();
    w.GameLevel = 3;
    // A grid typed in full is rated at the first level.
    const auto solution = knownSolution();
    std::copy(solution.begin(), solution.end(), w.FCurrent);
    w.tbPlayClick();
    ASSERT_TRUE(MessageWindow.Visible);
    EXPECT_EQ(MessageWindow.Kind, 5);
    EXPECT_EQ(MessageWindow.Text, w.FText(21) + ' ' + w.FText(22) + ' ' + w.FText(23) + '.');
    EXPECT_TRUE(YesButton.Enabled);
    EXPECT_FALSE(NoButton.Visible);
    EXPECT_EQ(w.GameState, 1);

    w.FGameTime = 12.0;
    answer(true);
    EXPECT_EQ(w.GameState, 2);
    EXPECT_EQ(w.FGameTime, 0.0);
    EXPECT_TRUE(w.Timer1->isActive());
    EXPECT_TRUE(sameGrid(w.FGivens, solution.data()));
    expectShown({8}, {4}, "designed game");
    expectEnabled({0, 2, 3, 12}, {}, "designed game");
    EXPECT_EQ(w.GameLevel, 3) << "a designed game keeps the last level";
}

TEST_F(GameFlowTest, DesignedPuzzleWithEmptyCellsIsSolvedAndPlayable)
{
    TfrmMain& w = window();
    w.ConceptionClick();
    const auto solution = knownSolution();
    for (int i = 0; i < 81; ++i)
        w.FCurrent[i] = (i % 4 == 0) ? kEmptyCell : solution[i];
    w.tbPlayClick();
    answer(true);
    ASSERT_EQ(w.GameState, 2);
    EXPECT_TRUE(sameGrid(w.FSolution, solution.data()));
    // The game goes on like a dealt one: the right digit in every empty cell wins.
    for (int i = 0; i < 81; ++i)
        if (w.FCurrent[i] == kEmptyCell && i != 4 * 9 + 4)
            w.FCurrent[i] = solution[i];
    w.Timer1->start();
    pick(4, 4, solution[4 * 9 + 4] + 2);
    EXPECT_EQ(w.GameState, 4);
}

TEST_F(GameFlowTest, PauseKeepsTheGridAsItWasAndResumeBringsItBack)
{
    TfrmMain& w = window();
    Buttons[8].Visible = true;
    current(4, 3) = 2;
    w.FPickerOpen = true;
    w.tbPlayClick();
    EXPECT_EQ(w.GameState, 3);
    EXPECT_FALSE(w.FPickerOpen);
    expectEnabled({3, 4, 7}, {0, 2, 12}, "paused");
    EXPECT_TRUE(pausedShown());
    EXPECT_TRUE(sameGrid(w.FSpare, w.FCurrent));
    EXPECT_TRUE(w.Timer1->isActive());
    const double before = w.FGameTime;
    for (int i = 0; i < 10; ++i)
        w.Timer1Timer();
    EXPECT_EQ(w.FGameTime, before) << "ticks count nothing while paused";

    current(4, 3) = 7;
    w.tbPlayClick();
    EXPECT_EQ(w.GameState, 2);
    expectEnabled({0, 2, 12}, {}, "resumed");
    EXPECT_FALSE(pausedShown());
    EXPECT_EQ(current(4, 3), 2) << "the grid as it was at the pause";
}


TEST_F(GameFlowTest, SolveShowsTheSolutionAndEndsTheGameSilently)
{
    TfrmMain& w = window();
    if (soundsAvailable())
        markSounds();
    w.FPickerOpen = true;
    w.mnuSolveClick();
    EXPECT_EQ(w.GameState, 4);
    EXPECT_TRUE(sameGrid(w.FCurrent, knownSolution().data()));
    expectEnabled({1, 4, 5, 9}, {0, 2, 7}, "solved");
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_FALSE(w.FPickerOpen);
    EXPECT_FALSE(MessageWindow.Visible);
    if (soundsAvailable()) {
        EXPECT_EQ(lastSound(), QString());
    }
    // The board takes no more clicks.
    click(cellCentre(4, 3));
    EXPECT_FALSE(w.FPickerOpen);
}

TEST_F(GameFlowTest, CompletingTheGridWinsWithApplauseAndTheWinWindow)
{
    TfrmMain& w = window();
    fillAllButOne();
    w.FGameTime = 125.7;
    openPicker(4, 3);
    chooseItem(4, 3, knownSolution()[4 * 9 + 3] + 2);

    EXPECT_EQ(w.GameState, 4);
    EXPECT_FALSE(w.Timer1->isActive());
    expectEnabled({}, {0, 1, 2, 3, 4, 5, 7, 9}, "won");
    if (soundsAvailable()) {
        EXPECT_EQ(lastSound(), QStringLiteral("applause"));
    }
    ASSERT_TRUE(MessageWindow.Visible);
    EXPECT_EQ(MessageWindow.Kind, 0);
    EXPECT_EQ(MessageWindow.Text, w.FText(31) + QStringLiteral(". ") + w.FText(32) + QStringLiteral(" 2 ")
                                      + w.FText(47) + QStringLiteral(" 5 ") + w.FText(48) + QStringLiteral(" "));
    EXPECT_FALSE(NoButton.Visible);
    EXPECT_EQ(w.StatusBar1->panelText(1), w.FText(57));

    answer(true);
    expectEnabled({1, 4, 5, 9}, {0, 2, 3, 7}, "win window answered");
}

TEST_F(GameFlowTest, WinningPressOverTheYesButtonLeavesTheWinWindowOpen)
{
    TfrmMain& w = window();
    // The last empty cell is (2, 5), its right digit a 9: the picker's 9
    // stands at (418, 500), over the win window's yes button (312, 500).
    const auto solution = knownSolution();
    for (int i = 0; i < 81; ++i)
        w.FCurrent[i] = solution[i];
    current(2, 5) = kEmptyCell;
    w.FSolution[2 * 9 + 5] = 8;
    const QPoint nine(438, 520);

    // Pointed at, seen by a frame, pressed and released at once: the release
    // waits for the next frame.
    openPicker(2, 5);
    chooseItem(2, 5, 10);
    ASSERT_EQ(w.GameState, 4);
    ASSERT_TRUE(MessageWindow.Visible);
    frame();
    frame();
    EXPECT_TRUE(MessageWindow.Visible) << "the winning press answered the win window";
    expectEnabled({}, {1, 4, 5, 9}, "win window still open");

    // Only a new press answers it.
    click(nine);
    frame();
    EXPECT_FALSE(MessageWindow.Visible);
    expectEnabled({1, 4, 5, 9}, {}, "win window answered");
}

TEST_F(GameFlowTest, AWrongDigitInTheLastCellDoesNotEndTheGame)
{
    TfrmMain& w = window();
    fillAllButOne();
    pick(4, 3, (knownSolution()[4 * 9 + 3] + 1) % 9 + 2);
    EXPECT_EQ(w.GameState, 2);
    EXPECT_FALSE(MessageWindow.Visible);
    EXPECT_TRUE(w.Timer1->isActive());
}

TEST_F(GameFlowTest, BattleWinIsToldInAMessageBoxWithoutApplause)
{
    TfrmMain& w = window();
    TfrmMultiplayerSetup setup;
    frmMultiplayerSetup = &setup;
    TfrmPlayerScores scores;
    frmPlayerScores = &scores;
    setup.FPlayers = {{QStringLiteral("0001a=Ann"), 3}, {QStringLiteral("0002b=Bob"), 7}};
    setup.FMyIndex = 0;
    w.FGameType = 1;
    fillAllButOne();
    w.FGameTime = 42.9;
    if (soundsAvailable()) {
        openPicker(4, 3);
        markSounds();
        chooseItem(4, 3, knownSolution()[4 * 9 + 3] + 2);
        EXPECT_EQ(lastSound(), QStringLiteral("Loud"));
    } else {
        pick(4, 3, knownSolution()[4 * 9 + 3] + 2);
    }
    frmMultiplayerSetup = nullptr;
    frmPlayerScores = nullptr;
    EXPECT_EQ(w.GameState, 4);
    EXPECT_FALSE(MessageWindow.Visible);
    ASSERT_EQ(m_messages->count(), 1);
    EXPECT_EQ(m_messages->messages().first(),
              QStringLiteral("The game is complete. Bob wins with 7 points\r\nThe game lasted 42 seconds"));
}

TEST(BattleResult, NamesTheLeadersOrTheDraw)
{
    EXPECT_EQ(TfrmMain::BattleResultText({{QStringLiteral("Ann"), 4}, {QStringLiteral("Bob"), 2}}, 61.5),
              QStringLiteral("The game is complete. Ann wins with 4 points\r\nThe game lasted 61 seconds"));
    EXPECT_EQ(TfrmMain::BattleResultText(
                  {{QStringLiteral("Ann"), 4}, {QStringLiteral("Bob"), 4}, {QStringLiteral("Cy"), 1}}, 10.0),
              QStringLiteral("The game is a draw. 2 players scored 4 points\r\nAnn\r\nBob\r\nThe game lasted 10 seconds"));
    // Everyone level: the scan runs to the last row.
    EXPECT_TRUE(TfrmMain::BattleResultText({{QStringLiteral("A"), 0}, {QStringLiteral("B"), 0}}, 0)
                    .startsWith(QStringLiteral("The game is a draw. 2 players scored 0 points")));
    EXPECT_EQ(TfrmMain::BattleResultText({}, 5.0), QStringLiteral("The game is complete.\r\nThe game lasted 5 seconds"));
}

TEST_F(GameFlowTest, QuitToHomeWhilePausedLeavesTheNewGameButtonDisabled)
{
    TfrmMain& w = window();
    w.Panel_Options->show();
    w.tbPlayClick();
    ASSERT_EQ(w.GameState, 3);
    w.FGameTime = 33.0;
    w.MnuQuitClick();
    EXPECT_EQ(MessageWindow.Kind, 6);
    EXPECT_EQ(MessageWindow.Text, w.FText(1));
    answer(true);
    EXPECT_EQ(w.GameState, 0);
    EXPECT_TRUE(HomeScreen.Visible);
    EXPECT_FALSE(GameMenu.Visible);
    EXPECT_TRUE(w.Panel_Options->isHidden());
    expectShown({4}, {10}, "home");
    expectEnabled({}, {12}, "home after a pause");
    EXPECT_EQ(w.FGameTime, 33.0);
    w.Timer1Timer();
    EXPECT_EQ(w.FGameTime, 33.0) << "the clock counts nothing at home";

    w.Quitter_JeuClick();
    EXPECT_EQ(MessageWindow.Kind, 4);
    EXPECT_EQ(MessageWindow.Text, w.FText(34));
    answer(false);
    EXPECT_EQ(w.GameState, 0);
}

TEST_F(GameFlowTest, ClockTextHasMinutesAndSecondsUpToAnHour)
{
    TfrmMain& w = window();
    const QString min = w.FText(47);
    const QString s = w.FText(48);
    struct Case
    {
        double time;
        QString text;
    };
    const Case cases[] = {
        {0.0, QStringLiteral("0 %1 0 %2").arg(min, s)},
        {59.95, QStringLiteral("0 %1 59 %2").arg(min, s)},
        {61.0, QStringLiteral("1 %1 1 %2").arg(min, s)},
        {3600.0, QStringLiteral("60 %1 0 %2").arg(min, s)},
        {3600.05, w.FText(64)},
        {100000.0, w.FText(64)},
    };
    for (const Case& c : cases) {
        w.FGameTime = c.time;
        EXPECT_EQ(w.ClockText(), c.text) << c.time;
    }
}

TEST_F(GameFlowTest, ClockTicksOnlyWhilePlayingAndShowsInTheStatusBar)
{
    TfrmMain& w = window();
    for (int i = 0; i < 15; ++i)
        w.Timer1Timer();
    EXPECT_NEAR(w.FGameTime, 1.5, 1e-9);
    EXPECT_EQ(w.StatusBar1->panelText(1), w.FText(59) + QStringLiteral(" 0 ") + w.FText(47) + QStringLiteral(" 1 ")
                                              + w.FText(48));
    for (std::uint8_t state : {0, 1, 3, 4}) {
        w.GameState = state;
        w.Timer1Timer();
        EXPECT_NEAR(w.FGameTime, 1.5, 1e-9) << "state " << int(state);
    }
    w.GameState = 2;
    w.FGameTime = 3600.0;
    w.Timer1Timer();
    EXPECT_EQ(w.StatusBar1->panelText(1), w.FText(59) + ' ' + w.FText(64));
}

TEST_F(GameFlowTest, DeveloperShortcutArmsAWinForTheNextPlacement)
{
    TfrmMain& w = window();
    w.NomDuJoueur->setText(QStringLiteral("térovine"));
    w.FormKeyUp(49);
    EXPECT_FALSE(w.FForceSolved) << "the name is compared with its letter case";
    w.NomDuJoueur->setText(QStringLiteral("Térovine"));
    w.FormKeyUp(50);
    EXPECT_FALSE(w.FForceSolved) << "only the key of the digit 1";

    // A key released in the window reaches the handler.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
    QApplication::sendEvent(&w, &press);
    QApplication::sendEvent(&w, &release);
    EXPECT_TRUE(w.FForceSolved);

    // It survives a new game and a design session.
    w.ConceptionClick();
    w.mnuGenerateClick();
    EXPECT_TRUE(w.FForceSolved);
    // The next placement on a cell that is not a given wins, whatever the grid holds.
    int cell = 0;
    while (w.FGivens[cell] != kEmptyCell)
        ++cell;
    pick(cell / 9, cell % 9, 2);
    EXPECT_EQ(w.GameState, 4);
    EXPECT_TRUE(MessageWindow.Visible);
    EXPECT_EQ(MessageWindow.Kind, 0);

    w.ResetBoardView();
    EXPECT_FALSE(w.FForceSolved);
    EXPECT_EQ(w.StatusBar1->panelText(0), QStringLiteral("Pieces: n/a"));
    EXPECT_EQ(w.FCellWidth, 60);
    EXPECT_EQ(w.FCellHeight, 60);
}


TEST_F(GameFlowTest, ResetPutsTheGivensBackAndRestartsTheClock)
{
    TfrmMain& w = window();
    current(4, 3) = 1;
    w.mnuSolveClick();
    w.PanPaused->show();
    w.mnuResetClick();
    EXPECT_TRUE(sameGrid(w.FCurrent, w.FGivens));
    EXPECT_TRUE(w.Timer1->isActive());
    EXPECT_FALSE(pausedShown());
    EXPECT_EQ(w.GameState, 4) << "the state is not changed";
    const double before = w.FGameTime;
    w.Timer1Timer();
    EXPECT_EQ(w.FGameTime, before);
}


TEST_F(GameFlowTest, OptionsButtonTogglesThePanelAndClosesThePicker)
{
    TfrmMain& w = window();
    ASSERT_TRUE(w.Panel_Options->isHidden());
    openPicker(4, 3);
    w.BtOptionsClick();
    EXPECT_FALSE(w.Panel_Options->isHidden());
    EXPECT_FALSE(w.FPickerOpen);
    w.BtOptionsClick();
    EXPECT_TRUE(w.Panel_Options->isHidden());
}
