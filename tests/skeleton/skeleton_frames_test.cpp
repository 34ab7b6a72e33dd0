// Stored poses: blending, storing, and the frame and frame-set edits with their refusals.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "core/Alert.h"
#include "core/Log.h"
#include "skeleton/Skeleton.h"
#include "tests/skeleton/SkeletonBuild.h"
#include "tests/skeleton/SkeletonInvariants.h"
#include "tests/support/TestSupport.h"

namespace {

using Poses = std::vector<std::pair<float, float>>;

// A skeleton of Trunk and Body whose set 0 holds frames with the given (trunk angle, body angle).
Skeleton* WithFrames(Skeleton& skeleton, const std::vector<std::pair<float, float>>& angles)
{
    Bone* trunk = skeleton.GetBoneByIndex(0);
    Bone* body = skeleton.AddBone(skeleton.Root(), "Body", 0, 10)->bone;
    for (size_t f = 0; f < angles.size(); ++f) {
        trunk->relativeAngle = angles[f].first;
        body->relativeAngle = angles[f].second;
        body->length = 10 + static_cast<float>(f) * 10;
        if (f == 0)
            skeleton.StorePoseInFrame(0, 0);
        else
            skeleton.StorePoseAsNewFrame(static_cast<int>(f) - 1, 0);
    }
    return &skeleton;
}

std::vector<std::string> AlertTexts()
{
    std::vector<std::string> texts;
    for (const AlertMessage& alert : RecordedAlerts())
        texts.push_back(alert.lines.empty() ? "" : alert.lines[0]);
    return texts;
}

TEST(SkeletonFrames, SetPoseBlendsAlongTheShorterArc)
{
    struct Case {
        float from, to, t, expected;
    };
    const Case cases[] = {
        {350, 10, 0.5f, 360}, {10, 350, 0.5f, 0},  {0, 90, 0.5f, 45},     {90, 0, 0.25f, 67.5f},
        {0, 180, 0.5f, 90},   {180, 0, 0.5f, 90},  {0, 181, 0.5f, -89.5f}, {350, 10, 0, 350},
        {350, 10, 1, 370},    {-170, 170, 0.5f, -180}, {20, 20, 0.7f, 20},
    };
    for (const Case& c : cases) {
        Skeleton skeleton;
        WithFrames(skeleton, {{0, 0}, {0, 0}});
        skeleton.GetFrame(0, 0)->entries[1].angle = c.from;
        skeleton.GetFrame(0, 1)->entries[1].angle = c.to;
        skeleton.SetPose(0, 0, 0, 1, c.t);
        EXPECT_FLOAT_EQ(skeleton.GetBoneByIndex(1)->relativeAngle, c.expected) << c.from << " -> " << c.to << " at " << c.t;
        EXPECT_FLOAT_EQ(skeleton.GetBoneByIndex(1)->length, 10 + 10 * c.t);
    }
}

TEST(SkeletonFrames, SetPoseWrapsFrameBAndIgnoresWhatDoesNotExist)
{
    Skeleton skeleton;
    WithFrames(skeleton, {{0, 10}, {0, 20}, {0, 30}});
    Bone* body = skeleton.GetBoneByIndex(1);

    skeleton.SetPose(0, 1, 0, 3, 1);   // frame B == frame count: frame 0
    EXPECT_EQ(body->relativeAngle, 10);
    EXPECT_EQ(body->length, 10);

    struct Call {
        int setA, frameA, setB, frameB;
    };
    const Call invalid[] = {{1, 0, 0, 0}, {-1, 0, 0, 0}, {0, 3, 0, 0}, {0, -1, 0, 0},
                            {0, 0, 1, 0}, {0, 0, -1, 0}, {0, 0, 0, -1}};
    for (const Call& c : invalid) {
        body->relativeAngle = 77;
        skeleton.SetPose(c.setA, c.frameA, c.setB, c.frameB, 1);
        EXPECT_EQ(body->relativeAngle, 77) << c.setA << "/" << c.frameA << " -> " << c.setB << "/" << c.frameB;
    }

    // A short frame poses only the bones it has entries for.
    skeleton.GetFrame(0, 2)->entries.resize(1);
    skeleton.GetFrame(0, 2)->entries[0].angle = 5;
    skeleton.SetPose(0, 2, 0, 2, 0);
    EXPECT_EQ(skeleton.GetBoneByIndex(0)->relativeAngle, 5);
    EXPECT_EQ(body->relativeAngle, 77);
}

TEST(SkeletonFrames, StoredAnglesAreReducedByEachStoreInItsOwnWay)
{
    struct Case {
        float angle, asNewFrame, inFrame;
    };
    const Case cases[] = {{-30, 330, -30}, {725, 5, 5}, {-725, 355, -5}, {360, 0, 0}, {45, 45, 45}};
    for (const Case& c : cases) {
        Skeleton skeleton;
        skeleton.GetBoneByIndex(0)->relativeAngle = c.angle;
        skeleton.StorePoseAsNewFrame(0, 0);
        skeleton.StorePoseInFrame(0, 0);
        EXPECT_FLOAT_EQ(skeleton.GetFrame(0, 1)->entries[0].angle, c.asNewFrame) << c.angle;
        EXPECT_FLOAT_EQ(skeleton.GetFrame(0, 0)->entries[0].angle, c.inFrame) << c.angle;
    }
}

TEST(SkeletonFrames, StorePoseAsNewFrameFillsTheSlotInsertFrameMade)
{
    Skeleton skeleton;
    WithFrames(skeleton, {{0, 10}, {0, 20}, {0, 30}});
    Bone* body = skeleton.GetBoneByIndex(1);
    body->relativeAngle = 99;

    skeleton.StorePoseAsNewFrame(0, 0);   // after frame 0
    EXPECT_EQ(skeleton.GetFrame(0, 1)->entries[1].angle, 99);
    EXPECT_EQ(skeleton.GetFrame(0, 2)->entries[1].angle, 20);
    EXPECT_EQ(skeleton.GetFrame(0, 3)->entries[1].angle, 30);

    body->relativeAngle = 98;
    skeleton.StorePoseAsNewFrame(4, 0);   // at the end: the new frame itself
    ASSERT_EQ(skeleton.GetFrameSet(0)->FrameCount(), 5);
    EXPECT_EQ(skeleton.GetFrame(0, 4)->entries[1].angle, 98);

    ClearRecordedAlerts();
    skeleton.StorePoseAsNewFrame(9, 0);   // refused by InsertFrame: nothing else written
    skeleton.StorePoseAsNewFrame(0, 7);   // no such set, not the next one either
    EXPECT_EQ(skeleton.GetFrameSet(0)->FrameCount(), 5);
    EXPECT_EQ(skeleton.FrameSetCount(), 1);
    EXPECT_EQ(AlertTexts(), (std::vector<std::string> {"Trying to add frame at illegal given Index: 9/5"}));

    skeleton.StorePoseAsNewFrame(0, 1);
    ASSERT_EQ(skeleton.FrameSetCount(), 2);
    EXPECT_EQ(skeleton.GetFrameSet(1)->name, "Default 1");
    EXPECT_EQ(InvariantViolation(skeleton), "");
}

TEST(SkeletonFrames, InsertFrameShiftsLaterFramesUp)
{
    SkeletonFrameSet set("Walk");
    for (int k = 0; k < 5; ++k) {
        ASSERT_EQ(set.InsertFrame(k), k);
        set.frames[static_cast<size_t>(k)]->entries = {BonePose {static_cast<float>(k), 0}};
    }
    ClearRecordedAlerts();
    EXPECT_EQ(set.InsertFrame(7), -1);
    EXPECT_EQ(set.InsertFrame(-1), -1);
    EXPECT_EQ(set.FrameCount(), 5);
    EXPECT_EQ(AlertTexts(), (std::vector<std::string> {"Trying to add frame at illegal given Index: 7/5",
                                                       "Trying to add frame at illegal given Index: -1/5"}));

    EXPECT_EQ(set.InsertFrame(1), 2);
    std::vector<float> order;
    for (auto& frame : set.frames)
        order.push_back(frame->entries.empty() ? -1 : frame->entries[0].angle);
    EXPECT_EQ(order, (std::vector<float> {0, 1, 2, 2, 3, 4}));   // slot 2 keeps its old contents
    EXPECT_EQ(set.InsertFrame(5), 6);
    EXPECT_TRUE(set.frames[6]->entries.empty());
}

TEST(SkeletonFrames, DeletingRefusesToLeaveASetOrASkeletonEmpty)
{
    Skeleton skeleton;
    WithFrames(skeleton, {{0, 10}, {0, 20}, {0, 30}});
    ClearRecordedAlerts();
    skeleton.DeleteFrame(1, 0);
    skeleton.DeleteFrame(0, 3);
    skeleton.DeleteFrame(0, -1);
    skeleton.DeleteFrameSet(0);
    EXPECT_EQ(AlertTexts(), (std::vector<std::string> {"Trying to delete frame with invalid Frameset num!",
                                                       "Trying to delete frame with invalid Frame num!",
                                                       "Trying to delete frame with invalid Frame num!",
                                                       "Skeleton must contain at least one Frame Set!"}));
    EXPECT_EQ(skeleton.GetFrameSet(0)->FrameCount(), 3);

    skeleton.DeleteFrame(0, 0);
    EXPECT_EQ(Entries(skeleton, 0, 0)[1].first, 20);
    EXPECT_EQ(Entries(skeleton, 0, 1)[1].first, 30);
    skeleton.DeleteFrame(0, 0);
    ClearRecordedAlerts();
    skeleton.DeleteFrame(0, 0);
    EXPECT_EQ(AlertTexts(), (std::vector<std::string> {"Frame Set must contain at least one Frame!"}));
    EXPECT_EQ(skeleton.GetFrameSet(0)->FrameCount(), 1);

    skeleton.StorePoseAsNewFrame(0, 1);
    skeleton.StorePoseAsNewFrame(0, 2);
    skeleton.RenameFrameSet("Run", 2);
    skeleton.DeleteFrameSet(7);
    skeleton.DeleteFrameSet(-1);
    EXPECT_EQ(skeleton.FrameSetCount(), 3);
    skeleton.DeleteFrameSet(1);
    ASSERT_EQ(skeleton.FrameSetCount(), 2);
    EXPECT_EQ(skeleton.GetFrameSet(1)->name, "Run");
    EXPECT_EQ(InvariantViolation(skeleton), "");
}

TEST(SkeletonFrames, FrameEditsValidateTheirIndices)
{
    Skeleton skeleton;
    WithFrames(skeleton, {{0, 10}, {0, 20}});
    const Poses before0 = Entries(skeleton, 0, 0), before1 = Entries(skeleton, 0, 1);

    skeleton.SwapFrames(0, 0, 0, 1);
    EXPECT_EQ(Entries(skeleton, 0, 0), before1);
    EXPECT_EQ(Entries(skeleton, 0, 1), before0);
    skeleton.SwapFrames(0, 0, 0, 2);
    skeleton.SwapFrames(-1, 0, 0, 0);
    skeleton.StorePoseInFrame(0, 2);
    skeleton.StorePoseInFrame(3, 0);
    skeleton.ApplyFrameLengths(0, 5);
    skeleton.RenameFrameSet("X", 1);
    EXPECT_EQ(Entries(skeleton, 0, 0), before1);
    EXPECT_EQ(Entries(skeleton, 0, 1), before0);
    EXPECT_EQ(skeleton.GetFrameSet(0)->name, "Default 0");

    SkeletonFrame wrongSize;
    wrongSize.entries = {BonePose {1, 1}};
    EXPECT_FALSE(skeleton.OverwriteFrame(0, 0, wrongSize));
    EXPECT_FALSE(skeleton.OverwriteFrame(0, 9, *skeleton.GetFrame(0, 1)));
    EXPECT_EQ(Entries(skeleton, 0, 0), before1);
    SkeletonFrame copy = *skeleton.GetFrame(0, 1);
    EXPECT_TRUE(skeleton.OverwriteFrame(0, 0, copy));
    EXPECT_EQ(Entries(skeleton, 0, 0), before0);
    EXPECT_EQ(InvariantViolation(skeleton), "");
}

TEST(SkeletonFrames, ApplyFrameLengthsReachesEveryBoneOfEveryFrame)
{
    Skeleton skeleton;
    WithFrames(skeleton, {{0, 10}, {0, 20}});
    skeleton.AddBone(skeleton.Root(), "Last", 0, 3);
    skeleton.StorePoseAsNewFrame(0, 1);
    skeleton.GetFrame(0, 1)->entries = {BonePose {1, 100}, BonePose {2, 200}, BonePose {3, 300}};

    skeleton.ApplyFrameLengths(0, 1);
    for (int s = 0; s < 2; ++s)
        for (int f = 0; f < skeleton.GetFrameSet(s)->FrameCount(); ++f)
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(skeleton.GetFrame(s, f)->entries[static_cast<size_t>(i)].length, 100.0f * (i + 1))
                    << s << "/" << f << " bone " << i;
    EXPECT_EQ(skeleton.GetFrame(0, 0)->entries[1].angle, 10);
}

TEST(SkeletonFrames, ScaleSkeletonScalesOffsetsAndStoredLengthsOnly)
{
    Skeleton skeleton;
    WithFrames(skeleton, {{0, 10}, {0, 20}});
    Bone* body = skeleton.GetBoneByIndex(1);
    body->skinOffsetX = 4;
    body->skinOffsetY = -3;
    body->length = 7;
    EXPECT_TRUE(skeleton.ScaleSkeleton(2.5f));
    EXPECT_EQ(body->skinOffsetX, 10);
    EXPECT_EQ(body->skinOffsetY, -7.5f);
    EXPECT_EQ(body->length, 7);   // the caller poses again
    EXPECT_EQ(Entries(skeleton, 0, 1), (Poses {{0, 50}, {20, 50}}));

    for (float factor : {1e38f, std::numeric_limits<float>::infinity(), std::nanf("")}) {
        EXPECT_FALSE(skeleton.ScaleSkeleton(factor)) << factor;
        EXPECT_EQ(Entries(skeleton, 0, 1), (Poses {{0, 50}, {20, 50}}));
        EXPECT_EQ(body->skinOffsetX, 10);
    }
}

TEST(SkeletonFrames, FrameReportWritesEveryEntry)
{
    testsupport::TempFolder folder;
    g_Log = new Log();
    g_Log->priority = 2;
    Skeleton skeleton;
    WithFrames(skeleton, {{0, 12.5f}, {0, 1.0f / 3}});
    skeleton.FrameReport();
    delete g_Log;
    g_Log = nullptr;

    const std::string log = testsupport::ReadFile(Log::FileName);
    const char* expected[] = {"*********** BEGIN FRAME REPORT\n", "'Default 0'\n", "Frame number 1) \n",
                              "Bone 1: RA = 0  LEN = 20\n",        "Bone 2: RA = 12.5  LEN = 10\n",
                              "Frame number 2) \n",               "Bone 2: RA = 0.333333  LEN = 20\n",
                              "*********** END FRAME REPORT\n"};
    size_t at = 0;
    for (const char* line : expected) {
        const size_t found = log.find(std::string("3- "), at);
        ASSERT_NE(found, std::string::npos);
        at = log.find(line, at);
        ASSERT_NE(at, std::string::npos) << "missing, in order: " << line << "\nlog:\n" << log;
    }
}

} // namespace
