#pragma once

#include <cstdint>
#include <vector>

// One mode an output offers: its size on screen and its refresh rate in Hz
// (fractional as the timings give it, e.g. 75.03).
struct ListedMode {
    std::int32_t width = 0;
    std::int32_t height = 0;
    double refreshRate = 0;
};

// Which of the listed modes serves a request of width by height at
// refreshRate: among the modes of that size, the one whose refresh rate is
// nearest refreshRate and no more than 1 Hz from it; with refreshRate 0, the
// one nearest currentRefresh. The first of equally near modes wins. -1 when
// the output lists no such mode: a display must never be given a timing its
// screen did not offer.
int pickListedMode(const std::vector<ListedMode>& listed, std::int32_t width, std::int32_t height,
                   std::int32_t refreshRate, double currentRefresh);

// True when the output lists any mode of that size.
bool listsSize(const std::vector<ListedMode>& listed, std::int32_t width, std::int32_t height);
