#pragma once

#include <cstdint>

// The one process-wide uniform random source. The generator, the hint, the
// hosting id and the music player all draw from it, so a test that seeds it
// gets a repeatable game.

// A uniformly drawn integer from 0 to n - 1 (0 when n <= 0).
int Random(int n);

// Seeds the source from the clock, unless a test has fixed the seed.
void Randomize();

// Fixes the seed: the source restarts from it, and Randomize leaves it alone
// until ReleaseRandomSeed is called.
void FixRandomSeed(std::uint64_t seed);
void ReleaseRandomSeed();
