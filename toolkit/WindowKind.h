#pragma once

#include <cstdint>

// The kinds of the message window (TKaloFenetre::Kind): each selects the
// list window's setup and what a yes answer does. Kind 2 and kinds 9 and
// above are opened by nothing; they keep defined setups and answers.
namespace WindowKind {

enum : std::uint8_t {
    Won = 0,          // the game is won; yes adds the score
    LoadChooser = 1,  // the saved games listed; yes loads the chosen one
    SpareList = 2,    // a list with the pop-up menu, opened by nothing
    Replay = 3,       // play a new game
    QuitProgram = 4,
    DesignAccepted = 5, // the designed grid becomes the puzzle
    QuitGame = 6,     // back to the home screen
    Scores = 7,       // the scores listed
    Rules = 8,        // the rules text listed
};

} // namespace WindowKind
