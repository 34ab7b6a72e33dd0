#pragma once
// The engine's one pseudo-random source, in the range of the standard generator (0 ... 32767).
// Everything random in the game (particles, spawn choices, start frames) draws from it, so a test
// that seeds it sees the same numbers on every run. Main thread only.

#include <cstdint>

constexpr int kRandomMax = 32767;

// The next number, 0 ... kRandomMax.
int RandomInt();
// Restarts the sequence; the same seed gives the same numbers.
void SeedRandom(uint32_t seed);
