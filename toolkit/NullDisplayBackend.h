#pragma once

#include "DisplayBackend.h"

// Stands in where no X display with RandR is reachable (offscreen, Wayland
// without XWayland). It changes nothing and reports success, so the game
// runs in whatever mode the desktop has, without messages. The current mode
// is the primary screen's when a GUI application runs, else 1024x768, 32 bits,
// 75 Hz.
class NullDisplayBackend : public DisplayBackend {
public:
    DisplayModeInfo currentMode() override;
    std::int32_t testMode(const DisplayModeRequest& request) override;
    std::int32_t applyMode(const DisplayModeRequest& request) override;
};
