// The commands of the drawn buttons that start, pause, end and leave a game.
// The game clock and the button flags of each state are set here; the board
// input and the completion of a game build on them.
#include "MainUnit.h"

#include "Fenetres.h"
#include "PanelStatusBar.h"
#include "UnitePerso.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QTimer>

#include <array>
#include <initializer_list>
#include <string>

namespace {

void enableButtons(std::initializer_list<int> buttons, bool enabled)
{
    for (int i : buttons)
        Buttons[i].Enabled = enabled;
}

void showButtons(std::initializer_list<int> buttons, bool visible)
{
    for (int i : buttons)
        Buttons[i].Visible = visible;
}

} // namespace

void TfrmMain::Nouvelle_PartieClick()
{
    HomeScreen.Visible = false;
    GameMenu.Visible = true;
    showButtons({8}, false);
    showButtons({7, 1, 4}, true);
    mnuGenerateClick();
}

void TfrmMain::mnuGenerateClick()
{
    GameState = 2;
    FGameType = 0;
    std::array<std::string, 5> levelNames;
    for (int i = 0; i < 5; ++i)
        levelNames[i] = FText(23 + i).toStdString();
    ClearGrid();
    GeneratePuzzle(LevelFromDifficultyText(ComboBox2->currentText().toStdString(), levelNames));
    FGameTime = 0.0;
    Timer1->start();
    enableButtons({0, 2, 3, 4, 7, 12}, true);
    showButtons({2}, true);
    FPickerOpen = false;
    Buttons[10].Visible = ComboBox2->currentText() == FText(23);
    PanPaused->hide();
}

void TfrmMain::BtRejoueClick()
{
    mnuGenerateClick();
}

void TfrmMain::ConceptionClick()
{
    HomeScreen.Visible = false;
    showButtons({2, 10, 7, 1, 4}, false);
    showButtons({8}, true);
    mnuNewClick();
    GameMenu.Visible = true;
}

void TfrmMain::mnuNewClick()
{
    ClearGrid();
    GameState = 1;
    enableButtons({0, 2}, false);
    showButtons({2}, true);
    enableButtons({3, 12}, true);
    PanPaused->hide();
    Timer1->stop();
    StoreGivens();
}

void TfrmMain::tbPlayClick()
{
    FPickerOpen = false;
    switch (GameState) {
    case 2:
        PauseGame();
        break;
    case 3:
        ResumeGame();
        break;
    case 1: {
        std::uint8_t level = 0;
        if (GradeAndSolve(5, level)) {
            OpenMessageWindow(5, FText(21) + QLatin1Char(' ') + FText(22) + QLatin1Char(' ') + FText(23 + level)
                                     + QLatin1Char('.'),
                              FText(1), QString());
        } else {
            FMessage(FText(20));
            enableButtons({0, 2, 3}, false);
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
    GameState = 2;
    FGameType = 0;
    FGameTime = 0.0;
    Timer1->start();
    enableButtons({0, 2, 3, 12}, true);
}

void TfrmMain::PauseGame()
{
    GameState = 3;
    enableButtons({0, 2, 12}, false);
    SaveFullGrid();
    PanPaused->show();
}

void TfrmMain::ResumeGame()
{
    GameState = 2;
    enableButtons({0, 2, 12}, true);
    PanPaused->hide();
    CurrentFromFullGrid();
}

void TfrmMain::mnuSolveClick()
{
    FPickerOpen = false;
    ShowSolution();
    enableButtons({0, 2, 7}, false);
    Timer1->stop();
    GameState = 4;
}

void TfrmMain::mnuCheckClick()
{
    FGameTime += 20.0;
    FErrorFlash = 15;
    FMessage(FText(62));
    DrawScene();
}

void TfrmMain::mnuHintClick()
{
    // Revealing a digit comes with the check-and-hint feature; for now the
    // help button only closes the picker.
    FPickerOpen = false;
}

void TfrmMain::MnuQuitClick()
{
    OpenMessageWindow(6, FText(1), FText(1), FText(2));
}

void TfrmMain::Quitter_JeuClick()
{
    OpenMessageWindow(4, FText(34), FText(1), FText(2));
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

QString TfrmMain::ClockText() const
{
    if (FGameTime > 3600.0)
        return FText(64);
    const qint64 seconds = static_cast<qint64>(FGameTime);
    return QString::number(seconds / 60) + QLatin1Char(' ') + FText(47) + QLatin1Char(' ')
           + QString::number(seconds % 60) + QLatin1Char(' ') + FText(48);
}

void TfrmMain::Timer1Timer()
{
    if (GameState != 2)
        return;
    FGameTime += Timer1->interval() / 1000.0;
    StatusBar1->setPanelText(1, FText(59) + QLatin1Char(' ') + ClockText());
}
