// The life of one game: the commands that start, pause, finish and leave a
// game, the completion check after every placement and the button flags of
// each state.
#include "MainUnit.h"

#include "ButtonId.h"
#include "Fenetres.h"
#include "GameState.h"
#include "GameType.h"
#include "LanguageLines.h"
#include "MultiPlayerSetupUnit.h"
#include "PanelStatusBar.h"
#include "UnitePerso.h"
#include "WindowKind.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// The hourglass over every window for the life of the object, also when the
// work under it throws.
class WaitCursor
{
public:
    WaitCursor()
        : m_set(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (m_set)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor()
    {
        if (m_set)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_set;
};

bool othersCompleted()
{
    return frmMultiplayerSetup && frmMultiplayerSetup->CheckOthersCompleted();
}

} // namespace

void TfrmMain::Nouvelle_PartieClick()
{
    HomeScreen.Visible = false;
    GameMenu.Visible = true;
    showButtons({ButtonId::Play}, false);
    showButtons({ButtonId::Save, ButtonId::Replay, ButtonId::Load}, true);
    mnuGenerateClick();
}

void TfrmMain::mnuGenerateClick()
{
    StopNetworkGame();
    GameState = GameState::Playing;
    FGameType = GameType::SinglePlayer;
    GeneratePuzzle();
    FGameTime = 0.0;
    Timer1->start();
    enableButtons(
        {ButtonId::Solve, ButtonId::Check, ButtonId::Print, ButtonId::Load, ButtonId::Save, ButtonId::NewGame}, true);
    showButtons({ButtonId::Check}, true);
    FPickerOpen = false;
    Buttons[ButtonId::Help].Visible = ComboBox2->currentText() == FText(Line::FirstLevelName);
    PanPaused->hide();
}

void TfrmMain::GeneratePuzzle()
{
    // Runs on the window's thread: the window waits under the hourglass.
    const WaitCursor hourglass;
    std::array<QString, 5> levelNames;
    for (int i = 0; i < 5; ++i)
        levelNames[i] = FText(Line::levelName(i));
    SudokuEngine::GeneratePuzzle(LevelFromDifficultyText(ComboBox2->currentText(), levelNames));
}

void TfrmMain::BtRejoueClick()
{
    mnuGenerateClick();
}

void TfrmMain::ConceptionClick()
{
    HomeScreen.Visible = false;
    showButtons({ButtonId::Check, ButtonId::Help, ButtonId::Save, ButtonId::Replay, ButtonId::Load}, false);
    showButtons({ButtonId::Play}, true);
    mnuNewClick();
    GameMenu.Visible = true;
}

void TfrmMain::mnuNewClick()
{
    StopNetworkGame();
    ClearGrid();
    GameState = GameState::Design;
    enableButtons({ButtonId::Solve, ButtonId::Check}, false);
    showButtons({ButtonId::Check}, true);
    enableButtons({ButtonId::Print, ButtonId::NewGame}, true);
    PanPaused->hide();
    Timer1->stop();
    // Every digit typed from here on is a player digit.
    StoreGivens();
}

void TfrmMain::tbPlayClick()
{
    FPickerOpen = false;
    switch (GameState) {
    case GameState::Playing:
        PauseGame();
        break;
    case GameState::Paused:
        ResumeGame();
        break;
    case GameState::Design: {
        std::uint8_t level = 0;
        if (GradeAndSolve(5, level)) {
            // The solution found stays in FSolution for the game to come.
            OpenMessageWindow(WindowKind::DesignAccepted,
                              FText(Line::DesignAccepted) + QLatin1Char(' ') + FText(Line::DesignLevel)
                                  + QLatin1Char(' ') + FText(Line::levelName(level)) + QLatin1Char('.'),
                              FText(Line::Yes), QString());
        } else {
            FMessage(FText(Line::DesignUnsolvable));
            enableButtons({ButtonId::Solve, ButtonId::Check, ButtonId::Print}, false);
            Timer1->stop();
        }
        break;
    }
    default:
        break;
    }
}

void TfrmMain::valideGrilleClic()
{
    StoreGivens();
    GameState = GameState::Playing;
    FGameType = GameType::SinglePlayer;
    FGameTime = 0.0;
    Timer1->start();
    enableButtons({ButtonId::Solve, ButtonId::Check, ButtonId::Print, ButtonId::NewGame}, true);
}

void TfrmMain::PauseGame()
{
    GameState = GameState::Paused;
    enableButtons({ButtonId::Solve, ButtonId::Check, ButtonId::NewGame}, false);
    SaveFullGrid();
    PanPaused->show();
}

void TfrmMain::ResumeGame()
{
    GameState = GameState::Playing;
    enableButtons({ButtonId::Solve, ButtonId::Check, ButtonId::NewGame}, true);
    PanPaused->hide();
    CurrentFromFullGrid();
}

void TfrmMain::mnuSolveClick()
{
    FPickerOpen = false;
    ShowSolution();
    enableButtons({ButtonId::Solve, ButtonId::Check, ButtonId::Save}, false);
    Timer1->stop();
    GameState = GameState::Finished;
}

void TfrmMain::CheckCompletion()
{
    const bool solved = FForceSolved || std::equal(std::begin(FCurrent), std::end(FCurrent), std::begin(FSolution));
    // Asked every time: it reports each opponent's finish once.
    const bool othersDone = othersCompleted();
    if (!solved && !othersDone)
        return;

    StopNetworkGame();
    enableButtons({ButtonId::Solve, ButtonId::Replay, ButtonId::Check, ButtonId::Print, ButtonId::Load,
                   ButtonId::Options, ButtonId::Save, ButtonId::Quit},
                  false);
    Timer1->stop();
    GameState = GameState::Finished;

    if (solved && (FGameType == GameType::SinglePlayer || FGameType == GameType::HeadToHead)) {
        JoueSon(QStringLiteral("applause"));
        OpenMessageWindow(WindowKind::Won,
                          FText(Line::Won) + QStringLiteral(". ") + FText(Line::WonTime) + QLatin1Char(' ')
                              + ClockText() + QLatin1Char(' '),
                          FText(Line::Yes), QString());
    } else {
        if (solved)
            ShowBattleResult();
        // No win window follows to hand the player these back: without them
        // the finished board could be neither left nor replayed.
        enableButtons({ButtonId::Replay, ButtonId::Load, ButtonId::Options, ButtonId::Quit}, true);
    }
    UpdateStatusBar();
}

void TfrmMain::MnuQuitClick()
{
    OpenMessageWindow(WindowKind::QuitGame, FText(Line::Yes), FText(Line::Yes), FText(Line::No));
}

void TfrmMain::Quitter_JeuClick()
{
    OpenMessageWindow(WindowKind::QuitProgram, FText(Line::QuitQuestion), FText(Line::Yes), FText(Line::No));
}

void TfrmMain::BtOptionsClick()
{
    FPickerOpen = false;
    Panel_Options->setVisible(Panel_Options->isHidden());
}

void TfrmMain::ResetBoardView()
{
    StatusBar1->setPanelText(0, QStringLiteral("Pieces: n/a"));
    FCellWidth = Image1Virtuel->width() / 9;
    FCellHeight = Image1Virtuel->height() / 9;
    FForceSolved = false;
}

void TfrmMain::mnuResetClick()
{
    RestoreGivens();
    Timer1->start();
    PanPaused->hide();
}

void TfrmMain::mnutestClick()
{
    // A fixed grid of 19 digits for trying the solver: (column, row, digit shown).
    static constexpr int kTestDigits[19][3] = {
        {1, 0, 2}, {3, 1, 6}, {8, 1, 3}, {1, 2, 7}, {2, 2, 4}, {4, 2, 8}, {5, 3, 3},
        {8, 3, 2}, {1, 4, 8}, {4, 4, 4}, {7, 4, 1}, {0, 5, 6}, {3, 5, 5}, {4, 6, 1},
        {6, 6, 7}, {7, 6, 8}, {0, 7, 5}, {5, 7, 9}, {7, 8, 4}};
    ClearGrid();
    for (const auto& d : kTestDigits)
        FCurrent[d[0] * 9 + d[1]] = static_cast<std::uint8_t>(d[2] - 1);
}
