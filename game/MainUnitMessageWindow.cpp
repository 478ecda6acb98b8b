// The main window as host of the message windows: what a yes to each
// window kind does to the game.
#include "MainUnit.h"

#include "ButtonId.h"
#include "Fenetres.h"
#include "GameState.h"
#include "MessageBox.h"
#include "UnitePerso.h"
#include "WindowKind.h"

#include <QFrame>
#include <QTimer>

#include <exception>

namespace {

// Runs the command of an answer. A command that fails is reported here, so
// the button flags that follow it are still set.
template <typename Command>
void runAnswerCommand(Command command)
{
    try {
        command();
    } catch (const std::exception& e) {
        ShowMessage(QString::fromLocal8Bit(e.what()));
    }
}

} // namespace

void TfrmMain::afterAnswer(std::uint8_t kind)
{
    switch (kind) {
    case WindowKind::Won: // the time joins the scores
        runAnswerCommand([this] { AjouteScore(); });
        enableButtons({ButtonId::Replay, ButtonId::Quit, ButtonId::Load, ButtonId::Options}, true);
        break;
    case WindowKind::LoadChooser:
        runAnswerCommand([this] { ChargeJeu(); });
        break;
    case WindowKind::Replay:
        runAnswerCommand([this] { BtRejoueClick(); });
        break;
    case WindowKind::QuitProgram: // quit the program: no frame may run while the window closes
        runAnswerCommand([this] {
            DXTimer->stop();
            close();
        });
        break;
    case WindowKind::DesignAccepted: // the designed grid becomes the puzzle
        runAnswerCommand([this] { valideGrilleClic(); });
        Buttons[ButtonId::Load].Visible = false;
        break;
    case WindowKind::QuitGame: // leave the game for the home screen
        StopNetworkGame();
        Panel_Options->hide();
        GameMenu.Visible = false;
        Buttons[ButtonId::Help].Visible = false;
        HomeScreen.Visible = true;
        GameState = GameState::Home;
        Buttons[ButtonId::Load].Visible = true;
        break;
    default:
        break;
    }
}
