#pragma once

#include "DisplayBackend.h"

// Stands in where no X display with RandR is reachable (offscreen, Wayland
// without XWayland). It can change nothing, so the only mode it lists is the
// current one: a request for that mode succeeds and any other is refused
// with BadMode, and the game runs in whatever mode the desktop has. The
// current mode is the primary screen's when a GUI application runs, else
// 1024x768, 32 bits, 75 Hz.
class NullDisplayBackend : public DisplayBackend {
public:
    DisplayModeInfo currentMode() override;
    std::int32_t testMode(const DisplayModeRequest& request) override;
    std::int32_t applyMode(const DisplayModeRequest& request) override;
};
