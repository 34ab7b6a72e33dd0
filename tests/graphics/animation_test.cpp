#include "graphics/Animation.h"

#include "core/Clock.h"
#include "graphics/AnyGraphics.h"
#include "tests/resources/TestPlugins.h"
#include "tests/support/TestSupport.h"

using testplugins::LogCapture;

namespace {

// Pictures without images: timing needs only the durations.
std::unique_ptr<AnyGraphics> Timed(const std::vector<std::vector<int32_t>>& sets)
{
    auto graphics = std::make_unique<AnyGraphics>();
    graphics->CreateFrameSets(static_cast<int>(sets.size()));
    for (size_t s = 0; s < sets.size(); ++s) {
        FrameSet& set = graphics->frameSets[s];
        set.CreateFrames(static_cast<int>(sets[s].size()));
        for (size_t f = 0; f < sets[s].size(); ++f)
            set.frames[f].duration = sets[s][f];
    }
    return graphics;
}

struct AnimationTest : ::testing::Test {
    testsupport::TempFolder folder;
    LogCapture log;
    Animation animation;

    void SetUp() override
    {
        ElapsedMs = 0;
        TimerTicked = 0;
    }
    // The frame showing after the clock is set to each time and Update runs once.
    std::vector<int> FramesAt(const std::vector<int32_t>& times)
    {
        std::vector<int> frames;
        for (int32_t t : times) {
            ElapsedMs = t;
            animation.Update();
            frames.push_back(animation.frame);
        }
        return frames;
    }
};

} // namespace

TEST_F(AnimationTest, FramesAdvanceOnceTheClockPassesTheirDuration)
{
    const struct {
        const char* what;
        std::vector<int32_t> durations;
        int32_t setupAt;
        std::vector<int32_t> times;   // the clock at each Update
        std::vector<int> frames;      // the frame showing after it
    } cases[] = {
        // Frame 1 shows once the clock has passed 100 (not at 100), frame 2 once it has passed
        // 110 + 200 (counted from when frame 1 was shown), then frame 0 after 1000 more.
        {"100, 200, 1000", {100, 200, 1000}, 0, {0, 50, 100, 110, 200, 310, 320, 1320, 1330},
         {0, 0, 0, 1, 1, 1, 2, 2, 0}},
        {"set up later", {300, 300}, 2000, {2200, 2300, 2310}, {0, 0, 1}},
        {"late update: one frame at most", {100, 100, 100, 100}, 0, {5000, 5000, 5050, 5110}, {1, 1, 1, 2}},
        {"zero duration holds until the clock moves", {0, 0, 500}, 0, {0, 0, 10, 10, 20}, {0, 0, 1, 1, 2}},
        {"one frame loops onto itself", {100}, 0, {110, 500, 1000, 5000}, {0, 0, 0, 0}},
        {"the longest duration holds", {2147483647, 100}, 1000, {2000, 100000, 2000000000, 2147483647}, {0, 0, 0, 0}},
        {"the longest duration after a short one", {100, 2147483647}, 0, {110, 120, 130, 2000000000}, {1, 1, 1, 1}},
    };
    for (const auto& c : cases) {
        auto graphics = Timed({c.durations});
        ElapsedMs = c.setupAt;
        animation.SetupAnims(graphics.get());
        EXPECT_EQ(animation.animating, 1) << c.what;
        EXPECT_EQ(animation.nextChange, std::min<int64_t>(INT32_MAX, int64_t(c.setupAt) + c.durations[0])) << c.what;
        EXPECT_EQ(FramesAt(c.times), c.frames) << c.what;
    }
}

TEST_F(AnimationTest, SetupRestartsFromTheFirstFrame)
{
    auto graphics = Timed({{300, 300}, {50}});
    animation.SetupAnims(graphics.get());
    FramesAt({310});
    animation.frameSet = 1;
    ElapsedMs = 5000;
    animation.SetupAnims(graphics.get());
    EXPECT_EQ(animation.frameSet, 0);
    EXPECT_EQ(animation.frame, 0);
    EXPECT_EQ(animation.nextChange, 5300);
}

TEST_F(AnimationTest, PicturesWithoutFramesLeaveItInert)
{
    const struct {
        const char* what;
        std::vector<std::vector<int32_t>> sets;
    } cases[] = {
        {"no frame sets", {}},
        {"no frames in set 0", {{}, {100, 100}}},
    };
    for (const auto& c : cases) {
        auto graphics = Timed(c.sets);
        animation.SetupAnims(graphics.get());
        EXPECT_EQ(animation.animating, 0) << c.what;
        EXPECT_EQ(animation.graphics, graphics.get()) << c.what;
        EXPECT_EQ(FramesAt({1000, 2000}), (std::vector<int> {0, 0})) << c.what;
        TimerTicked = 1;
        EXPECT_EQ(animation.Draw(0, 0), 1) << c.what;
        EXPECT_EQ(animation.DrawScaled(0, 0, 0, 1.0f), 1) << c.what;
        TimerTicked = 0;
    }
}

TEST_F(AnimationTest, SetupWithoutPicturesIsRefused)
{
    animation.SetupAnims(nullptr);
    EXPECT_EQ(animation.animating, 0);
    EXPECT_EQ(log.Messages(4), std::vector<std::string> {"Tried to SETUPANIMS with no AnyGraphics object!"});
    TimerTicked = 1;
    EXPECT_EQ(animation.Draw(10, 10), 1);
    EXPECT_EQ(animation.DrawScaled(10, 10, 0, 2.0f), 1);
}

TEST_F(AnimationTest, IndicesSetByHandNeverReachPastTheFrames)
{
    auto graphics = Timed({{100, 100}, {}, {100, 100, 100}});
    animation.SetupAnims(graphics.get());
    const struct {
        int frameSet, frame;
        int frameSetAfter, frameAfter;
    } cases[] = {
        {2, 1, 2, 2},    // a switch of sets counts on from the frame set by hand
        {2, 2, 2, 0},    // loops
        {1, 0, 1, 0},    // a set without frames holds still
        {5, 0, 5, 0},    // past the last set: holds still
        {-1, 0, -1, 0},  // negative set
        {0, 7, 0, 0},    // past the last frame: starts over
        {0, -3, 0, 0},   // negative frame: starts over
    };
    int32_t now = 0;
    for (const auto& c : cases) {
        animation.frameSet = c.frameSet;
        animation.frame = c.frame;
        animation.nextChange = now;
        ElapsedMs = now += 10;
        animation.Update();
        EXPECT_EQ(animation.frameSet, c.frameSetAfter) << c.frameSet << ", " << c.frame;
        EXPECT_EQ(animation.frame, c.frameAfter) << c.frameSet << ", " << c.frame;
    }
    // A count set by hand past the frames made counts only those.
    graphics->frameSets[0].frameCount = 9;
    EXPECT_EQ(graphics->FrameCount(0), 2);
    for (int i = 0; i < 12; ++i) {
        ElapsedMs = now += 200;
        animation.Update();
        EXPECT_LT(animation.frame, 2);
    }
}

TEST_F(AnimationTest, DrawAdvancesOnlyOnceTheTimerHasTicked)
{
    auto graphics = Timed({{100, 100}});
    animation.SetupAnims(graphics.get());
    ElapsedMs = 500;
    animation.Draw(0, 0);      // the frames have no images: nothing is drawn, but timing runs
    EXPECT_EQ(animation.frame, 0);
    TimerTicked = 1;
    animation.Draw(0, 0);
    EXPECT_EQ(animation.frame, 1);
    ElapsedMs = 700;
    animation.DrawScaled(0, 0, 0, 1.0f);
    EXPECT_EQ(animation.frame, 0);
}
