#pragma once

#include <cstdint>

// The values of TfrmMain::GameState.
namespace GameState {

enum : std::uint8_t {
    Home = 0,
    Design = 1,
    Playing = 2,
    Paused = 3,
    Finished = 4,
};

} // namespace GameState
