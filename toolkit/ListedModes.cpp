#include "ListedModes.h"

#include <cmath>

namespace {

// Monitors and drivers round rates differently (74.98, 75.03): one hertz
// either way is the same rate to the player.
constexpr double kRefreshTolerance = 1.0;

} // namespace

int pickListedMode(const std::vector<ListedMode>& listed, std::int32_t width, std::int32_t height,
                   std::int32_t refreshRate, double currentRefresh)
{
    const double wanted = refreshRate > 0 ? double(refreshRate) : currentRefresh;
    int best = -1;
    double bestDistance = 0;
    for (int i = 0; i < int(listed.size()); ++i) {
        const ListedMode& mode = listed[std::size_t(i)];
        if (mode.width != width || mode.height != height)
            continue;
        const double distance = std::abs(mode.refreshRate - wanted);
        if (refreshRate > 0 && !(distance <= kRefreshTolerance))
            continue;
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

bool listsSize(const std::vector<ListedMode>& listed, std::int32_t width, std::int32_t height)
{
    for (const ListedMode& mode : listed) {
        if (mode.width == width && mode.height == height)
            return true;
    }
    return false;
}
