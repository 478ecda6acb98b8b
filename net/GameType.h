#pragma once

#include <cstdint>

// The values of FGameType, in the main window and in the setup window; the
// number travels in the game-start datagram.
namespace GameType {

enum : std::uint8_t {
    SinglePlayer = 0,
    Battle = 1,       // a score per player
    HeadToHead = 2,
};

} // namespace GameType
