// Paced presentation: at most the active rate while input comes in, the idle rate once it has
// rested, and no waiting at all when pacing is off. Only lower bounds on time are checked (a busy
// machine makes frames slower, never faster), and the idle rate against the active one.

#include <gtest/gtest.h>

#include <allegro.h>
#include <chrono>

#include "rl/Canvas.h"
#include "rl/FramePacing.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsFor(int frames)
{
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i)
        rl::Canvas::Refresh();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class FramePacingTest : public ScreenTest {
protected:
    void TearDown() override { rl::SetFramePacing(0); }
};

TEST_F(FramePacingTest, ActiveRateCapsPresentedFrames)
{
    rl::SetFramePacing(50);
    EXPECT_EQ(rl::FramePacing(), 50);
    EXPECT_EQ(rl::CurrentFrameRate(), 50);
    // 26 frames at 50 a second: 25 periods of 20 ms at least.
    EXPECT_GE(SecondsFor(26), 0.49);
}

TEST_F(FramePacingTest, IdleRateTakesOverOnceInputHasRested)
{
    rl::SetFramePacing(100, 20, 100);
    EXPECT_EQ(rl::CurrentFrameRate(), 100);
    rest(150);
    EXPECT_EQ(rl::CurrentFrameRate(), 20);
    // Without input: 11 frames at 20 a second, 10 periods of 50 ms.
    EXPECT_GE(SecondsFor(11), 0.49);
}

TEST_F(FramePacingTest, InputBringsTheActiveRateBack)
{
    rl::SetFramePacing(100, 5, 100);
    rest(150);
    ASSERT_EQ(rl::CurrentFrameRate(), 5);
    rl::Canvas::Refresh();
    // A key held: the idle frame ends early and the rate is the active one again.
    key[KEY_F] = 1;
    const double seconds = SecondsFor(3);
    key[KEY_F] = 0;
    EXPECT_LT(seconds, 0.4);   // three idle frames would take 0.6 s at least
    EXPECT_EQ(rl::CurrentFrameRate(), 100);
}

TEST_F(FramePacingTest, OffPresentsWithoutWaiting)
{
    rl::SetFramePacing(0);
    EXPECT_EQ(rl::FramePacing(), 0);
    EXPECT_FALSE(rl::SwapIntervalSet());
    // Unpaced frames are not held to any rate (the software renderer draws hundreds a second).
    EXPECT_LT(SecondsFor(20), 0.45);
}

} // namespace
