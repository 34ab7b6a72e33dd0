#include "core/Clock.h"

#include <allegro.h>

std::atomic<int32_t> ElapsedMs {0};
std::atomic<int32_t> TimerTicked {0};

static_assert(std::atomic<int32_t>::is_always_lock_free, "the timer handler must never block");

void ClockTimer()
{
    ElapsedMs.fetch_add(10, std::memory_order_relaxed);
    TimerTicked.store(1, std::memory_order_relaxed);
}
END_OF_FUNCTION(ClockTimer)

bool InstallClockTimer()
{
    LOCK_VARIABLE(ElapsedMs);
    LOCK_VARIABLE(TimerTicked);
    LOCK_FUNCTION(ClockTimer);
    return install_int(ClockTimer, 10) == 0;
}
