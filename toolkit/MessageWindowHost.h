#pragma once

#include <QString>

#include <cstdint>

class QListWidget;
struct TMouseState;

// What the message windows need from the main window: its list window, its
// language lines, and what a yes answer means. The main window implements
// this and registers itself with setMessageWindowHost (Fenetres.h). The
// windows only show, close and lay out the list; what an answer does to the
// game is the main window's to decide.
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

    // The window of that kind was answered yes. Called once the window is
    // closed and the board freed, while ListBox1 still holds the lines it
    // listed; kinds without a meaning are ignored.
    virtual void afterAnswer(std::uint8_t kind) = 0;

    // The mouse the answer buttons read (the main window's FMouse); opening a
    // window drops the press it holds, so a press made before the window
    // was there never answers it. Null: no mouse to tell.
    virtual TMouseState* buttonMouse() { return nullptr; }
};
