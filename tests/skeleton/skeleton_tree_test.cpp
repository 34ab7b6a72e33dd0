// Bones, the bone list and the tree: structure operations, unique names, draw-order swaps,
// positions, aiming and picking.
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

#include "core/Log.h"
#include "skeleton/Skeleton.h"
#include "tests/skeleton/SkeletonBuild.h"
#include "tests/skeleton/SkeletonInvariants.h"
#include "tests/support/TestSupport.h"

using testsupport::TempFolder;

namespace {

using Names = std::vector<std::string>;
using Poses = std::vector<std::pair<float, float>>;

TEST(SkeletonTree, NewSkeletonIsOneTrunkWithOneFrame)
{
    Skeleton skeleton;
    EXPECT_EQ(InvariantViolation(skeleton), "");
    ASSERT_EQ(skeleton.BoneCount(), 1);
    EXPECT_EQ(skeleton.GetBoneByIndex(0)->name, "Trunk");
    EXPECT_EQ(skeleton.GetBoneByIndex(0)->node, skeleton.Root());
    EXPECT_EQ(skeleton.GetBoneByIndex(1), nullptr);
    EXPECT_EQ(skeleton.GetBoneByIndex(-1), nullptr);
    ASSERT_EQ(skeleton.FrameSetCount(), 1);
    EXPECT_EQ(skeleton.GetFrameSet(0)->name, "Default 0");
    EXPECT_EQ(Entries(skeleton), (Poses {{0.f, 20.f}}));

    skeleton.UpdatePositions();
    const Bone& trunk = *skeleton.GetBoneByIndex(0);
    EXPECT_EQ(trunk.startX, 0);
    EXPECT_EQ(trunk.startY, 0);
    EXPECT_FLOAT_EQ(trunk.endX, 20);
    EXPECT_FLOAT_EQ(trunk.endY, 0);
    EXPECT_EQ(trunk.absoluteAngle, 0);
}

TEST(SkeletonTree, PositionsFollowTheChainOfAngles)
{
    Skeleton skeleton;
    SkeleNode* body = skeleton.AddBone(skeleton.Root(), "Body", 90, 15);
    SkeleNode* arm = skeleton.AddBone(body, "Arm", -90, 10);
    skeleton.UpdatePositions();
    EXPECT_FLOAT_EQ(body->bone->startX, 20);
    EXPECT_FLOAT_EQ(body->bone->startY, 0);
    EXPECT_NEAR(body->bone->endX, 20, 1e-5);
    EXPECT_FLOAT_EQ(body->bone->endY, 15);   // 90 points down the screen
    EXPECT_EQ(arm->bone->absoluteAngle, 0);
    EXPECT_NEAR(arm->bone->endX, 30, 1e-5);
    EXPECT_NEAR(arm->bone->endY, 15, 1e-5);

    // Angles are not reduced: a full extra turn gives the same place and keeps its value.
    body->bone->relativeAngle = 450;
    skeleton.UpdatePositions();
    EXPECT_EQ(body->bone->absoluteAngle, 450);
    EXPECT_NEAR(body->bone->endY, 15, 1e-4);
}

TEST(SkeletonTree, AddBoneExtendsEveryFrameAndNeverMakesASecondRoot)
{
    Skeleton skeleton;
    skeleton.StorePoseAsNewFrame(0, 0);
    skeleton.StorePoseAsNewFrame(0, 1);   // a second set
    SkeleNode* root = skeleton.Root();
    EXPECT_EQ(skeleton.AddBone(nullptr, "Other", 5, 5), root);
    EXPECT_EQ(skeleton.BoneCount(), 1);

    skeleton.AddBone(root, "Body", 33, 44);
    EXPECT_EQ(InvariantViolation(skeleton), "");
    for (int s = 0; s < skeleton.FrameSetCount(); ++s)
        for (int f = 0; f < skeleton.GetFrameSet(s)->FrameCount(); ++f)
            EXPECT_EQ(Entries(skeleton, s, f).back(), (std::pair<float, float> {33, 44}));
}

TEST(SkeletonTree, MakeUniqueNameAppendsTheLowestFreeCounter)
{
    struct Case {
        Names existing;
        std::string proposed, expected;
    };
    Names many {"Arm"};
    for (int k = 1; k <= 24; ++k)
        many.push_back("Arm (" + std::to_string(k) + ")");
    const Case cases[] = {
        {{"Arm"}, "Leg", "Leg"},
        {{"Arm"}, "Arm", "Arm (1)"},
        {{"Arm", "Arm (1)"}, "Arm", "Arm (2)"},
        {{"Arm (1)"}, "Arm (1)", "Arm (2)"},
        {{"Arm", "Arm (2)"}, "Arm", "Arm (1)"},
        {{"Arm (2)", "Arm", "Arm (1)"}, "Arm", "Arm (3)"},
        {many, "Arm", "Arm (25)"},              // no letter lost past ten or twenty clashes
        {{"Arm (2)"}, "Arm (2)", "Arm (2) (1)"},
        {{"Leg(1)"}, "Leg(1)", "Leg (1)"},      // only the counter goes, never a letter
        {{"(1)"}, "(1)", " (1)"},               // names shorter than a counter never underflow
        {{"X"}, "X", "X (1)"},
        {{""}, "", " (1)"},
    };
    for (const Case& c : cases) {
        Skeleton skeleton;
        for (const std::string& name : c.existing)
            skeleton.AddBone(skeleton.Root(), name, 0, 1);
        ASSERT_EQ(BoneNames(skeleton).size(), c.existing.size() + 1);
        std::string name = c.proposed;
        skeleton.MakeUniqueName(name, 0);
        EXPECT_EQ(name, c.expected) << "proposing '" << c.proposed << "'";
    }
}

TEST(SkeletonTree, InsertBoneTakesOverTheChildren)
{
    Skeleton skeleton;
    SkeleNode* body = skeleton.AddBone(skeleton.Root(), "Body", 0, 10);
    SkeleNode* a = skeleton.AddBone(body, "A", 0, 1);
    SkeleNode* b = skeleton.AddBone(body, "B", 0, 1);
    SkeleNode* inserted = skeleton.InsertBone(body, "Neck", 12, 7);
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(ChildNames(body), (Names {"Neck"}));
    EXPECT_EQ(ChildNames(inserted), (Names {"A", "B"}));
    EXPECT_EQ(a->parent, inserted);
    EXPECT_EQ(b->parent, inserted);
    EXPECT_EQ(BoneNames(skeleton).back(), "Neck");   // drawn last, like every new bone
    EXPECT_EQ(InvariantViolation(skeleton), "");

    SkeleNode* leafInsert = skeleton.InsertBone(a, "Tip", 0, 1);
    EXPECT_EQ(ChildNames(a), (Names {"Tip"}));
    EXPECT_TRUE(leafInsert->children.empty());
    EXPECT_EQ(skeleton.InsertBone(nullptr, "X", 0, 0), nullptr);
}

TEST(SkeletonTree, ExtractBoneHandsItsChildrenToTheGrandparentInItsPlace)
{
    Skeleton skeleton;
    SkeleNode* root = skeleton.Root();
    skeleton.AddBone(root, "Left", 0, 1);
    SkeleNode* middle = skeleton.AddBone(root, "Middle", 30, 5);
    skeleton.AddBone(root, "Right", 0, 1);
    SkeleNode* child = skeleton.AddBone(middle, "Child", 10, 3);
    skeleton.AddBone(middle, "Second", 0, 3);

    skeleton.ExtractBone(middle);
    EXPECT_EQ(ChildNames(root), (Names {"Left", "Child", "Second", "Right"}));
    EXPECT_EQ(child->bone->relativeAngle, 40);
    EXPECT_EQ(child->parent, root);
    EXPECT_EQ(skeleton.FindBoneByName("Middle"), nullptr);
    EXPECT_EQ(InvariantViolation(skeleton), "");

    skeleton.ExtractBone(root);   // the root stays
    skeleton.ExtractBone(nullptr);
    EXPECT_EQ(skeleton.BoneCount(), 5);
}

TEST(SkeletonTree, DeleteLimbTakesTheLimbsEntriesOutOfEveryFrame)
{
    Skeleton skeleton;
    SkeleNode* root = skeleton.Root();
    skeleton.AddBone(root, "Keep1", 1, 1);
    SkeleNode* arm = skeleton.AddBone(root, "Arm", 2, 2);
    skeleton.AddBone(root, "Keep2", 3, 3);
    SkeleNode* fore = skeleton.AddBone(arm, "Fore", 4, 4);
    skeleton.AddBone(root, "Keep3", 5, 5);
    skeleton.AddBone(fore, "Hand", 6, 6);
    skeleton.StorePoseAsNewFrame(0, 0);

    skeleton.DeleteLimb(arm);
    EXPECT_EQ(BoneNames(skeleton), (Names {"Trunk", "Keep1", "Keep2", "Keep3"}));
    EXPECT_EQ(ChildNames(root), (Names {"Keep1", "Keep2", "Keep3"}));
    for (int f = 0; f < 2; ++f)
        EXPECT_EQ(Entries(skeleton, 0, f), (Poses {{0, 20}, {1, 1}, {3, 3}, {5, 5}}));
    EXPECT_EQ(InvariantViolation(skeleton), "");
}

TEST(SkeletonTree, CopyLimbCopiesNamesAnglesAndLengthsOnly)
{
    Skeleton skeleton;
    SkeleNode* root = skeleton.Root();
    SkeleNode* arm = skeleton.AddBone(root, "Arm", 25, 12);
    skeleton.AddBone(arm, "Hand", -5, 4);
    arm->bone->skinOffsetX = 7;
    arm->bone->skinPath = "NO SKIN";

    skeleton.CopyLimb(arm, root);
    skeleton.CopyLimb(arm, root);
    EXPECT_EQ(BoneNames(skeleton), (Names {"Trunk", "Arm", "Hand", "Arm (1)", "Hand (1)", "Arm (2)", "Hand (2)"}));
    const Bone* copy = skeleton.FindBoneByName("Arm (1)");
    EXPECT_EQ(copy->relativeAngle, 25);
    EXPECT_EQ(copy->length, 12);
    EXPECT_EQ(copy->skinOffsetX, 0);
    EXPECT_EQ(copy->skinPath, "");
    EXPECT_FALSE(copy->skin.HasGraphics());
    EXPECT_EQ(ChildNames(copy->node), (Names {"Hand (1)"}));
    EXPECT_EQ(InvariantViolation(skeleton), "");

    // Into itself would chase its own copies; refused.
    skeleton.CopyLimb(arm, arm);
    skeleton.CopyLimb(arm, arm->children[0].get());
    skeleton.CopyLimb(root, arm);
    EXPECT_EQ(skeleton.BoneCount(), 7);
    // A missing node is the caller's mistake, not the file's.
    EXPECT_DEATH(skeleton.CopyLimb(nullptr, root), "Assertion failed: node && newParent");
}

TEST(SkeletonTree, SwapBonesExchangesDrawPlacesAndEntriesOnly)
{
    Skeleton skeleton;
    SkeleNode* root = skeleton.Root();
    SkeleNode* body = skeleton.AddBone(root, "Body", 10, 1);
    SkeleNode* head = skeleton.AddBone(body, "Head", 20, 2);
    skeleton.AddBone(root, "Arm", 30, 3);
    skeleton.StorePoseAsNewFrame(0, 1);   // a second set
    Bone* bodyBone = body->bone;
    Bone* headBone = head->bone;

    skeleton.SwapBones(bodyBone, headBone);
    EXPECT_EQ(BoneNames(skeleton), (Names {"Trunk", "Head", "Body", "Arm"}));
    for (int s = 0; s < 2; ++s)
        EXPECT_EQ(Entries(skeleton, s), (Poses {{0, 20}, {20, 2}, {10, 1}, {30, 3}}));
    EXPECT_EQ(body->bone, bodyBone);
    EXPECT_EQ(body->bone->name, "Body");
    EXPECT_EQ(ChildNames(body), (Names {"Head"}));
    EXPECT_EQ(InvariantViolation(skeleton), "");

    // The root keeps index 0; strangers and self-swaps change nothing.
    Bone stranger("Stranger", 0, 0, nullptr);
    skeleton.SwapBones(skeleton.GetBoneByIndex(0), headBone);
    skeleton.SwapBones(headBone, &stranger);
    skeleton.SwapBones(headBone, headBone);
    skeleton.SwapBones(nullptr, headBone);
    EXPECT_EQ(BoneNames(skeleton), (Names {"Trunk", "Head", "Body", "Arm"}));
    EXPECT_EQ(Entries(skeleton), (Poses {{0, 20}, {20, 2}, {10, 1}, {30, 3}}));
}

TEST(SkeletonTree, BoneAtPointNeedsTheEndStrictlyWithinTenPixels)
{
    Skeleton skeleton;
    skeleton.AddBone(skeleton.Root(), "Body", 90, 10);   // ends at (20, 10)
    skeleton.UpdatePositions();
    struct Case {
        float x, y, zoom;
        const char* expected;
    };
    // Origin (100, 50): the trunk ends on screen at (100 + 20z, 50), the body at (100 + 20z, 50 + 10z).
    const Case cases[] = {
        {120, 50, 1, "Trunk"},   {129.9f, 59.9f, 1, "Trunk"}, {130, 50, 1, nullptr},
        {110, 50, 1, nullptr},   {120, 40, 1, nullptr},       {120, 62, 1, "Body"},
        {140, 70, 2, "Body"},    {140, 50, 2, "Trunk"},       {140, 80, 2, nullptr},
    };
    for (const Case& c : cases) {
        const Bone* found = skeleton.BoneAtPoint(c.x, c.y, c.zoom, 100, 50);
        if (c.expected)
            EXPECT_TRUE(found && found->name == c.expected) << c.x << "," << c.y;
        else
            EXPECT_EQ(found, nullptr) << c.x << "," << c.y;
    }
}

TEST(SkeletonTree, AimBonePointsTheBoneAtTheScreenPoint)
{
    struct Case {
        float x, y;
        float absolute;   // expected, modulo 360
    };
    // The body starts at (20, 0): on screen (2 * 20 + 100, 2 * 0 + 100) = (140, 100).
    const Case cases[] = {{200, 100, 0}, {140, 160, 90}, {80, 100, 180}, {140, 40, 270}, {200, 160, 45}};
    for (const Case& c : cases) {
        Skeleton skeleton;
        SkeleNode* body = skeleton.AddBone(skeleton.Root(), "Body", 15, 10);
        SkeleNode* hand = skeleton.AddBone(body, "Hand", 20, 5);
        skeleton.UpdatePositions();
        const float handBefore = hand->bone->absoluteAngle;

        skeleton.AimBone(body->bone, c.x, c.y, 2, 100, 100, true, true, true);
        skeleton.UpdatePositions();
        const float turned = std::fmod(body->bone->absoluteAngle + 720, 360.0f);
        EXPECT_NEAR(turned, c.absolute, 1e-3) << c.x << "," << c.y;
        EXPECT_NEAR(body->bone->length, std::hypot(c.x - 140, c.y - 100) / 2, 1e-4);
        EXPECT_NEAR(std::fmod(hand->bone->absoluteAngle - handBefore + 720, 360.0f), 0, 1e-3);
    }
}

TEST(SkeletonTree, AimBoneAtItsOwnStartLeavesTheBoneAlone)
{
    Skeleton skeleton;
    SkeleNode* body = skeleton.AddBone(skeleton.Root(), "Body", 15, 10);
    skeleton.UpdatePositions();
    skeleton.AimBone(body->bone, 140, 100, 2, 100, 100, true, true, false);
    EXPECT_EQ(body->bone->relativeAngle, 15);
    EXPECT_EQ(body->bone->length, 10);
    // Length alone is well defined there.
    skeleton.AimBone(body->bone, 140, 100, 2, 100, 100, true, false, false);
    EXPECT_EQ(body->bone->length, 0);
    EXPECT_EQ(body->bone->relativeAngle, 15);
}

TEST(SkeletonTree, FindNodeByNameReportsToTheLog)
{
    TempFolder folder;
    g_Log = new Log();
    g_Log->priority = 2;
    Skeleton skeleton;
    SkeleNode* body = skeleton.AddBone(skeleton.Root(), "Body", 0, 1);
    EXPECT_EQ(skeleton.FindNodeByName("Body"), body);
    EXPECT_EQ(skeleton.FindNodeByName("body"), nullptr);
    delete g_Log;
    g_Log = nullptr;
    const std::string log = testsupport::ReadFile(Log::FileName);
    EXPECT_NE(log.find("- Found 'SkeleNode' called:\n"), std::string::npos);
    EXPECT_NE(log.find("- Body\n"), std::string::npos);
    EXPECT_NE(log.find("4- "), std::string::npos);
    EXPECT_NE(log.find("- !!DID NOT FIND!! 'SkeleNode' called:\n"), std::string::npos);
    EXPECT_NE(log.find("- body\n"), std::string::npos);
}

TEST(SkeletonTree, SkinThatCannotLoadBecomesNoSkin)
{
    TempFolder folder;
    Skeleton skeleton;
    Bone* body = skeleton.AddBone(skeleton.Root(), "Body", 0, 1)->bone;
    for (const char* path : {"missing.png", "missing", ""}) {
        body->skinPath = path;
        skeleton.LoadSkin(body);
        EXPECT_EQ(body->skinPath, "NO SKIN") << path;
        EXPECT_FALSE(body->skin.HasGraphics());
        EXPECT_EQ(body->skin.animation.graphics, nullptr);
        EXPECT_EQ(body->skin.animation.animating, 0);
    }
}

} // namespace

namespace {

// The positions by the plain recursive rule, in double precision.
void ExpectPositions(const SkeleNode* node, double x, double y, double parentAngle)
{
    const Bone& bone = *node->bone;
    const double absolute = bone.relativeAngle + parentAngle;
    const double endX = x + std::cos(absolute * 0.017453292519943295) * bone.length;
    const double endY = y + std::sin(absolute * 0.017453292519943295) * bone.length;
    EXPECT_NEAR(bone.absoluteAngle, absolute, 1e-3) << bone.name;
    EXPECT_NEAR(bone.startX, x, 1e-3) << bone.name;
    EXPECT_NEAR(bone.startY, y, 1e-3) << bone.name;
    EXPECT_NEAR(bone.endX, endX, 1e-3) << bone.name;
    EXPECT_NEAR(bone.endY, endY, 1e-3) << bone.name;
    for (const auto& child : node->children)
        ExpectPositions(child.get(), bone.endX, bone.endY, bone.absoluteAngle);
}

TEST(SkeletonTree, PositionsStayRightWhileTheTreeChanges)
{
    Skeleton skeleton;
    std::vector<SkeleNode*> nodes {skeleton.Root()};
    for (int i = 1; i < 40; ++i)
        nodes.push_back(skeleton.AddBone(nodes[static_cast<size_t>(i * 7 % i)], "B" + std::to_string(i),
                                         static_cast<float>(i * 41 % 360) - 90, static_cast<float>(i % 13)));
    skeleton.UpdatePositions();
    ExpectPositions(skeleton.Root(), 0, 0, 0);

    const std::vector<std::function<void()>> changes = {
        [&] { skeleton.InsertBone(nodes[3], "Inserted", 33, 4); },
        [&] { skeleton.ExtractBone(skeleton.FindNodeByName("B5")); },
        [&] { skeleton.DeleteLimb(skeleton.FindNodeByName("B2")); },
        [&] { skeleton.CopyLimb(skeleton.FindNodeByName("B1"), skeleton.Root()); },
        [&] { skeleton.SwapBones(skeleton.GetBoneByIndex(3), skeleton.GetBoneByIndex(9)); },
        [&] { skeleton.AddBone(skeleton.FindNodeByName("B7"), "Late", 270, 8); },
        [&] { skeleton.GetBoneByIndex(4)->relativeAngle += 1e7f; },
        [&] { skeleton.Reset(); },
    };
    for (size_t k = 0; k < changes.size(); ++k) {
        changes[k]();
        skeleton.UpdatePositions();
        SCOPED_TRACE("after change " + std::to_string(k));
        ExpectPositions(skeleton.Root(), 0, 0, 0);
        EXPECT_EQ(InvariantViolation(skeleton), "");
    }
    // A limb on its own, from another origin.
    SkeleNode* body = skeleton.AddBone(skeleton.Root(), "Body", 30, 10);
    skeleton.AddBone(body, "Arm", 60, 5);
    skeleton.UpdatePositions(body, 100, 50, 45);
    ExpectPositions(body, 100, 50, 45);
}

} // namespace
