#pragma once

#include "UnitePerso.h"

#include <initializer_list>

// The entries of the drawn-button table Buttons, named after their
// commands. Entries 6, 11 and 17 belong to no button and nothing reads them.
namespace ButtonId {

enum : int {
    Solve = 0,
    Replay = 1,
    Check = 2,
    Print = 3,
    Load = 4,       // in both columns
    Options = 5,
    Save = 7,
    Play = 8,
    Quit = 9,       // in both columns: leave the game, or quit the program from home
    Help = 10,
    NewGame = 12,
    Design = 13,
    Rules = 14,
    Scores = 15,
    Multiplayer = 16,
};

} // namespace ButtonId

inline void enableButtons(std::initializer_list<int> buttons, bool enabled)
{
    for (int i : buttons)
        Buttons[i].Enabled = enabled;
}

inline void showButtons(std::initializer_list<int> buttons, bool visible)
{
    for (int i : buttons)
        Buttons[i].Visible = visible;
}
