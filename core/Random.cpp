#include "core/Random.h"

namespace {

// The classic linear congruential generator of the C library's example rand(): small, fast and
// the same on every platform.
uint32_t g_state = 1;

} // namespace

int RandomInt()
{
    g_state = g_state * 1103515245u + 12345u;
    return static_cast<int>((g_state / 65536u) % 32768u);
}

void SeedRandom(uint32_t seed) { g_state = seed; }
