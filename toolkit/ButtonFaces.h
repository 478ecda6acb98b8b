#pragma once

#include <cstdint>

// The faces of the drawn buttons: the index into ButtonImages,
// ButtonRolloverImages and ButtonDisabledImages (index 0 is empty). Faces
// are named after the command they show; faces 3 and 7 are loaded but no
// button shows them.
namespace Face {

enum : std::uint8_t {
    Yes = 1,
    No = 2,
    NewGame = 4,      // also the replay button of the game column
    Solve = 5,
    Check = 6,
    Options = 8,
    Print = 9,
    Load = 10,
    Save = 11,
    Scores = 12,
    Exit = 13,        // quit the program, home column
    Rules = 14,
    // The rollover set draws this face without its caption.
    UncaptionedRollover = 15,
    Design = 16,
    Play = 17,        // play / pause / accept the design
    Quit = 18,        // leave the game, game column
    Help = 19,        // the only face without a caption
    Multiplayer = 20,
};

inline constexpr int Count = 20;

} // namespace Face
