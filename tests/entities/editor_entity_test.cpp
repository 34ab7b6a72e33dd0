// The skeleton editor's entity: blending between the skeleton's frames on the clock, moving on to
// the next frame, and holding where there is nothing to move on to (its drawing: entity_draw_test).

#include "entities/E_EditorEnt.h"

#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "core/Clock.h"
#include "level/TileGrid.h"
#include "tests/resources/TestPlugins.h"
#include "tests/support/TestSupport.h"

using testplugins::LogCapture;
using namespace testsupport;

namespace {

TEST(SkeleEntBlend, FactorRunsFromZeroToOneOverTheBlendTime)
{
    struct Case {
        int32_t now, blendEnd, blendTime;
        float factor;
    } const cases[] = {
        {1000, 1250, 250, 0},       {1125, 1250, 250, 0.5f}, {1240, 1250, 250, 0.96f},
        {1250, 1250, 250, 1},       {5000, 1250, 250, 1},    // done
        {1000, 1250, 0, 1},         {1000, 1250, -10, 1},     // a blend of no length is done at once
        {900, 1250, 250, 0},        // restarted with a shorter time: waits at the start
        {1010, 1250, 1000, 0.76f},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(SkeleEnt::BlendFactor(c.now, c.blendEnd, c.blendTime), c.factor, 1e-6)
            << c.now << " " << c.blendEnd << " " << c.blendTime;
}

struct EditorEntity : ::testing::Test {
    TempFolder folder;
    LogCapture log;

    void SetUp() override
    {
        ElapsedMs = 1000;
        TimerTicked = 1;
    }

    // A skeleton whose trunk points at 0, 30 and 60 degrees in the three frames of set 0, and at
    // 90 and 120 in the two frames of set 1.
    static std::unique_ptr<Skeleton> ThreeFrames()
    {
        auto skeleton = std::make_unique<Skeleton>();
        Bone* trunk = skeleton->GetBoneByIndex(0);
        for (float angle : {30.0f, 60.0f}) {
            trunk->relativeAngle = angle;
            skeleton->StorePoseAsNewFrame(skeleton->GetFrameSet(0)->FrameCount() - 1, 0);
        }
        trunk->relativeAngle = 90;
        skeleton->StorePoseAsNewFrame(0, 1);
        trunk->relativeAngle = 120;
        skeleton->StorePoseAsNewFrame(0, 1);
        trunk->relativeAngle = 0;
        return skeleton;
    }

    static float TrunkAngle(const E_EditorEnt& e) { return e.skeleton->GetBoneByIndex(0)->relativeAngle; }
};

TEST_F(EditorEntity, StartsBlendingTowardsFrameOneAtConstruction)
{
    log.Mark();
    E_EditorEnt e(0, 0, "Edit Skeleton");
    EXPECT_EQ(log.SinceMark(), (std::vector<std::string>{"New Entity Constructed, called Edit Skeleton",
                                                          "E_Editor Ent Created:  Edit Skeleton"}));
    EXPECT_EQ(e.blendEnd, 1250);   // the clock was 1000
    EXPECT_EQ(e.nextFrame, 1);
    EXPECT_FALSE(e.collidesWithLevel);
}

TEST_F(EditorEntity, BlendsAndWalksThroughTheSetWrappingToFrameZero)
{
    E_EditorEnt e(0, 0, "Edit Skeleton");
    e.skeleton = ThreeFrames();
    const Bone* trunk = e.skeleton->GetBoneByIndex(0);

    // Half way from frame 0 to frame 1, bone positions computed from the origin.
    ElapsedMs = 1125;
    e.Update(1, nullptr);
    EXPECT_NEAR(TrunkAngle(e), 15, 1e-3);
    EXPECT_NEAR(trunk->endX, 20 * std::cos(15 * M_PI / 180), 1e-3);
    EXPECT_NEAR(trunk->endY, 20 * std::sin(15 * M_PI / 180), 1e-3);
    EXPECT_EQ(e.frame, 0);

    // Not before the clock has ticked and the blend is past its end.
    ElapsedMs = 1250;
    e.Update(1, nullptr);
    TimerTicked = 0;
    ElapsedMs = 1300;
    e.Update(1, nullptr);
    EXPECT_EQ(e.frame, 0);
    TimerTicked = 1;

    // The blend has run out: frame 1 is reached and becomes the current frame.
    ElapsedMs = 1260;
    e.Update(1, nullptr);
    EXPECT_NEAR(TrunkAngle(e), 30, 1e-3);
    EXPECT_EQ(e.frame, 1);
    EXPECT_EQ(e.nextFrame, 1);
    EXPECT_EQ(e.blendEnd, 1510);

    // The editor asks for the next frame as playback goes on.
    e.nextFrame = 2;
    ElapsedMs = 1385;
    e.Update(1, nullptr);
    EXPECT_NEAR(TrunkAngle(e), 45, 1e-3);

    // From frame 2, "frame 3" is past the set: the advance shows frame 0.
    ElapsedMs = 1520;
    e.Update(1, nullptr);
    EXPECT_EQ(e.frame, 2);
    e.nextFrame = 3;
    ElapsedMs = 1800;
    e.Update(1, nullptr);
    EXPECT_EQ(e.frame, 0);
    EXPECT_EQ(e.nextFrame, 0);
    EXPECT_EQ(e.blendEnd, 2050);
    e.Update(1, nullptr);   // the new blend starts at frame 0
    EXPECT_NEAR(TrunkAngle(e), 0, 1e-3);
}

TEST_F(EditorEntity, SwitchesSetsAndHoldsOnASetThatIsNotThere)
{
    E_EditorEnt e(0, 0, "Edit Skeleton");
    e.skeleton = ThreeFrames();
    e.nextFrameSet = 1;
    e.nextFrame = 1;
    ElapsedMs = 1300;
    e.Update(1, nullptr);
    EXPECT_EQ(e.frameSet, 1);
    EXPECT_EQ(e.frame, 1);
    e.Update(1, nullptr);
    EXPECT_NEAR(TrunkAngle(e), 120, 1e-3);

    for (int missing : {2, -1}) {
        e.nextFrameSet = missing;
        e.nextFrame = 0;
        const int32_t blendEnd = e.blendEnd;
        ElapsedMs = blendEnd + 10;
        e.Update(1, nullptr);
        EXPECT_EQ(e.frameSet, 1) << missing;
        EXPECT_EQ(e.frame, 1) << missing;
        EXPECT_EQ(e.blendEnd, blendEnd) << missing;
        EXPECT_NEAR(TrunkAngle(e), 120, 1e-3) << missing;
    }
}

TEST_F(EditorEntity, NeverMovesAndNeedsNoSkeleton)
{
    TileGrid level;
    level.Build(3, 3);
    E_EditorEnt e(12.5f, -3, "Edit Skeleton");
    e.velX = 5;
    e.velY = 7;
    e.Update(16, &level);   // no skeleton yet: nothing to pose
    e.Draw(100, 100, 1);
    e.skeleton = ThreeFrames();
    for (float dt : {0.0f, 1.0f, 1000.0f, -5.0f}) {
        ElapsedMs = ElapsedMs + 300;
        e.Update(dt, &level);
        EXPECT_FLOAT_EQ(e.x, 12.5f);
        EXPECT_FLOAT_EQ(e.y, -3);
    }
}

// The walking classes' advance, reached through a small subclass.
struct Walker : SkeleEnt {
    Walker() : SkeleEnt(0, 0, "walker") {}
    bool Advance(int32_t now) { return AdvanceFrame(now, blendEnd); }
    int32_t blendEnd = 0;
};

TEST_F(EditorEntity, WalkingAdvanceMovesTargetsOnAndWraps)
{
    Walker w;
    w.skeleton = ThreeFrames();   // set 0: three frames, set 1: two
    struct Case {
        int32_t ticked, now;
        int nextFrameSet, nextFrame;       // set before the call
        bool moved;
        int frameSet, frame, next, blendEnd;   // after
    } const cases[] = {
        {1, 100, 0, 1, true, 0, 1, 2, 350},
        {1, 350, 0, 2, false, 0, 1, 2, 350},   // the blend is not over yet
        {0, 400, 0, 2, false, 0, 1, 2, 350},   // the clock has not ticked
        {1, 400, 0, 2, true, 0, 2, 0, 650},    // the last frame: the target wraps to 0
        {1, 700, 1, 1, true, 1, 1, 0, 950},    // into set 1 at its last frame
        {1, 1000, 1, 7, true, 1, 0, 1, 1250},  // a target past its set is frame 0
        {1, 1300, 2, 0, false, 1, 0, 1, 1250}, // no set 2: held
        {1, 1300, -1, 0, false, 1, 0, 1, 1250},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "at " << c.now);
        TimerTicked = c.ticked;
        w.nextFrameSet = c.nextFrameSet;
        w.nextFrame = c.nextFrame;
        EXPECT_EQ(w.Advance(c.now), c.moved);
        EXPECT_EQ(w.frameSet, c.frameSet);
        EXPECT_EQ(w.frame, c.frame);
        if (c.moved) {
            EXPECT_EQ(w.nextFrame, c.next);
        }
        EXPECT_EQ(w.blendEnd, c.blendEnd);
    }
    // Without a skeleton nothing moves on.
    Walker empty;
    TimerTicked = 1;
    EXPECT_FALSE(empty.Advance(5000));
}

} // namespace
