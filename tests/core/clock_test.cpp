#include "core/Clock.h"

#include <allegro.h>
#include <chrono>
#include <thread>

#include "tests/support/TestSupport.h"

TEST(Clock, StandsStillUntilTheTimerIsInstalled)
{
    EXPECT_EQ(ElapsedMs.load(), 0);
    EXPECT_EQ(TimerTicked.load(), 0);
}

TEST(Clock, AdvancesInStepsOfTenAndTheTickFlagStaysSet)
{
    ASSERT_EQ(allegro_init(), 0);
    ASSERT_EQ(install_timer(), 0);
    ASSERT_TRUE(InstallClockTimer());
    int previous = ElapsedMs.load();
    int advanced = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    while (std::chrono::steady_clock::now() < end) {
        const int now = ElapsedMs.load();
        EXPECT_EQ(now % 10, 0);
        EXPECT_GE(now, previous);
        if (now != previous)
            ++advanced;
        if (now > 0) {
            EXPECT_EQ(TimerTicked.load(), 1);
        }
        previous = now;
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    EXPECT_GE(advanced, 5);
    EXPECT_GE(ElapsedMs.load(), 100);
    EXPECT_EQ(TimerTicked.load(), 1);
}

TEST(Clock, HandlerAddsTenAndSetsTheFlag)
{
    const int before = ElapsedMs.load();
    ClockTimer();
    ClockTimer();
    EXPECT_EQ(ElapsedMs.load() - before, 20);
    EXPECT_EQ(TimerTicked.load(), 1);
}
