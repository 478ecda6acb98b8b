#pragma once

#include "DisplayBackend.h"

#include <cstdint>
#include <memory>

// The desktop's mode as found at start-up, before the game switches it.
extern std::int32_t SavedScreenWidth;
extern std::int32_t SavedScreenHeight;
extern std::uint8_t SavedColorDepth;
extern std::int32_t SavedRefreshRate;

// Tests the mode and applies it when the test succeeds; the three failures
// the player can act on show a message. A size the display does not list, or
// a colour depth it cannot take, is BadMode. Returns the code of the test.
std::int32_t TestAndSetDisplayMode(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel);

// Applies width, height and refresh rate at once, keeping the colour depth,
// when the display lists such a mode (a refresh rate within 1 Hz counts);
// otherwise returns BadMode and the display stays as it was.
std::int32_t SetDisplayMode(std::int32_t width, std::int32_t height, std::int32_t refreshRate);

// true: the game's 1024 by 768 at 75 Hz; false: the saved width, height and
// refresh rate. Silent: a refused mode leaves the display as it was.
void SwitchDisplay(bool toGameMode);

// Records the current mode in the Saved* globals.
void saveCurrentDisplayMode();

// The back end in use. The first use picks XRandR when an X display with
// RandR 1.2 is reachable, and the no-op back end otherwise.
DisplayBackend& displayBackend();

// Replaces the back end (tests use a fake); null goes back to the automatic
// choice on next use.
void setDisplayBackend(std::shared_ptr<DisplayBackend> backend);
