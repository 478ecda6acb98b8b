#pragma once

#include <cstdint>

// Result codes of a display change, with the values the game's display code
// tests for.
namespace DisplayChange {
constexpr std::int32_t Successful = 0;
constexpr std::int32_t Restart = 1;
constexpr std::int32_t Failed = -1;
constexpr std::int32_t BadMode = -2;
} // namespace DisplayChange

struct DisplayModeInfo {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bitsPerPixel = 0;
    std::int32_t refreshRate = 0;
};

// A requested mode: width and height always; a zero colour depth or refresh
// rate leaves that property to the back end (the current depth, the refresh
// rate nearest the current one).
struct DisplayModeRequest {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bitsPerPixel = 0;
    std::int32_t refreshRate = 0;
};

// The platform side of the display-mode layer.
class DisplayBackend {
public:
    virtual ~DisplayBackend() = default;

    virtual DisplayModeInfo currentMode() = 0;
    // Answers whether the mode could be set, without changing anything.
    virtual std::int32_t testMode(const DisplayModeRequest& request) = 0;
    virtual std::int32_t applyMode(const DisplayModeRequest& request) = 0;
};
