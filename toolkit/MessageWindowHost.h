#pragma once

#include <QString>

#include <cstdint>

class QListWidget;
struct TMouseState;

// What the message windows need from the main window: its list window and
// the commands that a yes answer runs. The main window implements this and
// registers itself with setMessageWindowHost (Fenetres.h). Commands of
// features not built yet may stay empty.
//
// Pop-up of the list window: the main window adds its "Effacer" action to
// ListBox1 (QWidget::addAction); OpenMessageWindow switches the pop-up on
// with Qt::ActionsContextMenu and off with Qt::NoContextMenu. The hint is
// the list's tool tip.
class MessageWindowHost {
public:
    virtual ~MessageWindowHost() = default;

    // The list window of scores, rules and saved games; may be null.
    virtual QListWidget* ListBox1() = 0;
    // A language line (the main window's FText).
    virtual QString FText(int n) const = 0;

    virtual void AjouteScore() = 0;        // kind 0: the won game's time joins the scores
    virtual void ChargeJeu() = 0;          // kind 1: loads the game selected in ListBox1
    virtual void BtRejoueClick() = 0;      // kind 3: a new game
    virtual void valideGrilleClic() = 0;   // kind 5: the designed grid becomes the puzzle

    // Kind 4 (quit the program): stop the frame timer DXTimer, then close
    // the main window. Called in that order.
    virtual void stopFrameTimer() = 0;
    virtual void closeMainWindow() = 0;

    // Kind 6 (back to the home screen): hide Panel_Options; set GameState.
    virtual void hideOptionsPanel() = 0;
    virtual void setGameState(std::uint8_t state) = 0;

    // The mouse the answer buttons read (the main window's FMouse); opening a
    // window drops the press it holds, so a press made before the window
    // was there never answers it. Null: no mouse to tell.
    virtual TMouseState* buttonMouse() { return nullptr; }
};
