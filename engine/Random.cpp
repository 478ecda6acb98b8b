#include "Random.h"

#include <chrono>
#include <random>

namespace {

std::mt19937_64& source()
{
    static std::mt19937_64 generator{std::mt19937_64::default_seed};
    return generator;
}

bool g_seedFixed = false;

} // namespace

int Random(int n)
{
    if (n <= 0)
        return 0;
    std::uniform_int_distribution<int> draw(0, n - 1);
    return draw(source());
}

void Randomize()
{
    if (g_seedFixed)
        return;
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    source().seed(static_cast<std::uint64_t>(now));
}

void FixRandomSeed(std::uint64_t seed)
{
    g_seedFixed = true;
    source().seed(seed);
}

void ReleaseRandomSeed()
{
    g_seedFixed = false;
}
