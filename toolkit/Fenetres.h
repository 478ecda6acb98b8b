#pragma once

// The drawn message window: one window at a time, opened by a command,
// drawn by the main window's DrawMenus every frame and answered by one of its
// two image buttons.
//
// How the main window uses it:
//  - at start-up: setMessageWindowHost(this) (it implements
//    MessageWindowHost), MessageWindow.Visible := false, YesButton and
//    NoButton visible and enabled, BoardInputBlocked := false;
//  - a command fills ListBox1 when its kind lists something, then calls
//    OpenMessageWindow(kind, text, firstCaption, secondCaption);
//  - DrawMenus, while MessageWindow.Visible: draws ScreenImages 4, the answer
//    buttons (faces 1 and 2) and the lines of cutMessageLines(MessageWindow.Text);
//    a left click on an answer stores MessageWindow.Answer and calls
//    CloseMessageWindow(MessageWindow.Kind);
//  - the board's mouse handlers ignore the board while BoardInputBlocked.

#include "MessageWindowHost.h"
#include "TKaloBouton.h"
#include "TKaloFenetre.h"

#include <QString>
#include <QStringList>

#include <cstdint>

extern TKaloFenetre MessageWindow;
// Only Visible is used: the home screen and its button column are shown /
// the in-game column and the help button are shown.
extern TKaloFenetre HomeScreen;
extern TKaloFenetre GameMenu;
// Answer buttons, faces 1 and 2. Opening a window sets YesButton.Enabled and
// NoButton.Visible from the presence of the captions.
extern TKaloBouton YesButton;
extern TKaloBouton NoButton;
// Set while the message window is open.
extern bool BoardInputBlocked;

// The main window; null until it registers (nothing is then listed or run).
void setMessageWindowHost(MessageWindowHost* host);
MessageWindowHost* messageWindowHost();

// Opens the window of that kind, replacing any open one. An empty first
// caption disables the yes button; an empty second one hides the no button.
// A press down at that moment is dropped (the host's buttonMouse).
// Sets up ListBox1 for the kind (shown for 1, 2, 7, 8; hidden for 0, 3 to 6).
void OpenMessageWindow(std::uint8_t kind, const QString& text, const QString& firstCaption,
                       const QString& secondCaption);

// Closes the window and frees the board; a yes (MessageWindow.Answer) is
// handed to the host's afterAnswer(kind). The list is emptied afterwards
// except after a yes to kinds 7 and 8.
void CloseMessageWindow(std::uint8_t kind);

// Removes every line of ListBox1.
void ClearMessageList();

// Longest line of a drawn message.
inline constexpr int kMessageLineLength = 49;

// Cuts a message into the lines DrawMenus draws: each line at most 49
// characters, ending with the last space among its first 49 characters
// (the space stays on the line); a stretch of 49 characters without a space
// is cut after its 49th character. The lines joined give the text back; an
// empty text gives no line.
QStringList cutMessageLines(const QString& text);
