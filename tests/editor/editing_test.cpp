// The editor's own rules around the skeleton model, without a window: the dialogs' text rules,
// the panels' row arithmetic, the frame clipboard's refusals, the bone edits' names and guards,
// and F-stepping's target. The gestures themselves are driven end to end by the *_test.sh scripts.
#include <allegro.h>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/Log.h"
#include "editor/skeleton/BoneEdits.h"
#include "editor/skeleton/BonePanelProc.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/FileCommands.h"
#include "editor/skeleton/FrameCommands.h"
#include "editor/skeleton/FrameEditActions.h"
#include "editor/skeleton/FrameTimeDialog.h"
#include "editor/skeleton/Playback.h"
#include "editor/skeleton/ScaleDialog.h"
#include "editor/skeleton/SkinChooser.h"
#include "entities/E_EditorEnt.h"
#include "entities/EntityList.h"
#include "skeleton/Skeleton.h"
#include "tests/support/TestSupport.h"

using testsupport::ReadFile;
using testsupport::TempFolder;

namespace {

// The editor's model as its start-up makes it, with a log in a fresh folder.
class EditorModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_Log = new Log();
        g_Log->priority = 1;
        g_Editor.Clear();
        g_Editor.entities = std::make_unique<EntityList>();
        auto entity = std::make_unique<E_EditorEnt>(0.0f, 0.0f, "Edit Skeleton");
        entity->skeleton = std::make_unique<Skeleton>();
        skeleton = g_Editor.skeleton = entity->skeleton.get();
        this->entity = g_Editor.entity = entity.get();
        g_Editor.entities->Add(std::move(entity));
        JumpTo(0, 0);
        ElapsedMs = 1000;
        TimerTicked = 1;
    }

    void TearDown() override
    {
        g_Editor.Clear();
        delete g_Log;
        g_Log = nullptr;
    }

    std::string LogFile() const { return ReadFile(folder.File("logfile.txt")); }

    // A set of n frames whose Trunk lengths are 10, 20, 30, ...
    void FramesOfLengths(int set, int n)
    {
        while (skeleton->FrameSetCount() <= set)
            skeleton->StorePoseAsNewFrame(0, skeleton->FrameSetCount());
        while (skeleton->GetFrameSet(set)->FrameCount() < n)
            skeleton->StorePoseAsNewFrame(0, set);
        for (int f = 0; f < n; ++f)
            for (BonePose& pose : skeleton->GetFrame(set, f)->entries)
                pose.length = 10.0f * (f + 1);
    }

    float TrunkLength(int set, int frame) const { return skeleton->GetFrame(set, frame)->entries[0].length; }

    TempFolder folder;
    Skeleton* skeleton = nullptr;
    E_EditorEnt* entity = nullptr;
};

TEST(EditorDialogText, FrameTimesFrom21To9999AreTaken)
{
    const struct {
        const char* text;
        std::optional<int> time;
    } cases[] = {
        {"20", std::nullopt}, {"21", 21}, {"250", 250}, {"9999", 9999}, {"10000", std::nullopt},
        {"0", std::nullopt},  {"-30", std::nullopt}, {"", std::nullopt}, {"abc", std::nullopt},
        {"99x", 99},          {" 50", 50},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FrameTimeFromText(c.text), c.time) << '"' << c.text << '"';
}

TEST(EditorDialogText, TheScaleSliderWritesTheSquareOfItsHalf)
{
    const struct {
        int value;
        std::optional<std::string> text;
    } cases[] = {{50, "1.00"}, {100, "4.00"}, {25, "0.25"}, {75, "2.25"}, {6, "0.01"}, {5, std::nullopt}, {0, std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(ScaleTextForSlider(c.value), c.text) << c.value;

    EXPECT_EQ(ScaleFactorFromText("4.00"), 4.0f);
    EXPECT_EQ(ScaleFactorFromText("-1"), -1.0f);
    EXPECT_EQ(ScaleFactorFromText("0"), std::nullopt);
    EXPECT_EQ(ScaleFactorFromText("0.00"), std::nullopt);
    EXPECT_EQ(ScaleFactorFromText("big"), std::nullopt);
}

TEST(EditorPanels, BoneRowsMoveOnePlaceAtATimeAndNeverOntoTheTrunk)
{
    const struct {
        int held, mouse, next;
    } cases[] = {{3, 1, 2}, {2, 1, 1}, {1, 3, 2}, {2, 2, 2}, {1, 0, 1}, {0, 2, 0}, {4, 0, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(NextBoneRow(c.held, c.mouse), c.next) << c.held << " towards " << c.mouse;

    // Rows of 15 pixels under a 10-pixel margin, four bones.
    EXPECT_EQ(BoneRowAt(10, 15, 4), -1);
    EXPECT_EQ(BoneRowAt(11, 15, 4), 0);
    EXPECT_EQ(BoneRowAt(69, 15, 4), 3);
    EXPECT_EQ(BoneRowAt(70, 15, 4), -1);
    EXPECT_EQ(BoneRowAt(20, 0, 4), -1);
}

TEST_F(EditorModel, FrameRowsWalkTheSetsAndTransportWraps)
{
    // Sets of 3 and 2 frames: rows set 0, frames 0 .. 2, set 1, frames 0 .. 1.
    FramesOfLengths(0, 3);
    FramesOfLengths(1, 2);
    ASSERT_EQ(FrameListRowCount(*skeleton), 7);
    const struct {
        int row, set, frame;
    } rows[] = {{0, 0, 0}, {1, 0, 0}, {3, 0, 2}, {4, 1, 0}, {5, 1, 0}, {6, 1, 1}};
    for (const auto& r : rows) {
        FramePosition at;
        ASSERT_TRUE(FrameAtRow(*skeleton, r.row, at)) << r.row;
        EXPECT_EQ(at.set, r.set) << r.row;
        EXPECT_EQ(at.frame, r.frame) << r.row;
    }
    FramePosition past;
    EXPECT_FALSE(FrameAtRow(*skeleton, 7, past));
    EXPECT_FALSE(FrameAtRow(*skeleton, -1, past));

    const struct {
        int button, s, f, set, frame;
    } moves[] = {
        {kPreviousFrameButton, 0, 0, 0, 2}, {kNextFrameButton, 0, 2, 0, 0}, {kNextFrameButton, 1, 0, 1, 1},
        {kPreviousSetButton, 0, 1, 1, 0},   {kNextSetButton, 1, 1, 0, 0},   {kNextSetButton, 0, 2, 1, 0},
    };
    for (const auto& m : moves) {
        const FramePosition to = TransportDestination(*skeleton, m.button, m.s, m.f);
        EXPECT_EQ(to.set, m.set) << "button " << m.button << " from " << m.s << "/" << m.f;
        EXPECT_EQ(to.frame, m.frame) << "button " << m.button << " from " << m.s << "/" << m.f;
    }
}

TEST_F(EditorModel, CopyThenPasteToNewAddsTheCopiedFrameAfterIt)
{
    FramesOfLengths(0, 3);
    JumpTo(0, 2);
    CopyFrame(0, 2);
    ASSERT_TRUE(PasteToNewFrame(2, 0));
    ASSERT_EQ(skeleton->GetFrameSet(0)->FrameCount(), 4);
    EXPECT_EQ(TrunkLength(0, 3), 30);
    // The entity is on the new frame and stays there.
    EXPECT_EQ(entity->frame, 3);
    EXPECT_EQ(entity->nextFrame, 3);

    // Paste overwrites; Cut takes the frame out into the clipboard.
    ASSERT_TRUE(PasteFrame(0, 0));
    EXPECT_EQ(TrunkLength(0, 0), 30);
    CutFrame(1, 0);
    EXPECT_EQ(skeleton->GetFrameSet(0)->FrameCount(), 3);
    EXPECT_EQ(g_Editor.clipboard->entries[0].length, 20);
}

TEST_F(EditorModel, PastingIsRefusedWithoutAClipboardOrAFrameToPasteInto)
{
    EXPECT_FALSE(PasteFrame(0, 0));   // no clipboard yet, nothing logged
    CopyFrame(0, 0);
    EXPECT_FALSE(PasteFrame(0, 5));
    EXPECT_FALSE(PasteToNewFrame(3, 0));
    EXPECT_EQ(skeleton->GetFrameSet(0)->FrameCount(), 1);
    const std::string log = LogFile();
    EXPECT_NE(log.find("Tried to paste invalid frameset:  5"), std::string::npos) << log;
    EXPECT_NE(log.find("Tried to paste invalid frame:  3"), std::string::npos) << log;
}

TEST_F(EditorModel, AFrameCopiedBeforeTheBonesChangedIsNotPasted)
{
    FramesOfLengths(0, 2);
    CopyFrame(0, 0);
    AddBoneBelow(skeleton->GetBoneByIndex(0));
    const SkeletonFrame before = *skeleton->GetFrame(0, 1);
    EXPECT_FALSE(PasteFrame(1, 0));
    EXPECT_FALSE(PasteToNewFrame(1, 0));
    // Nothing changed: no frame of the wrong size, no extra frame.
    ASSERT_EQ(skeleton->GetFrameSet(0)->FrameCount(), 2);
    EXPECT_EQ(skeleton->GetFrame(0, 1)->entries.size(), 2u);
    EXPECT_EQ(skeleton->GetFrame(0, 1)->entries[0].length, before.entries[0].length);
    EXPECT_NE(LogFile().find("Tried to paste a frame made for another bone count:  1"), std::string::npos);
}

TEST_F(EditorModel, CuttingTheOnlyFrameDoesNothingAndCuttingTheLastKeepsTheEntityInTheSet)
{
    CutFrame(0, 0);
    EXPECT_EQ(skeleton->GetFrameSet(0)->FrameCount(), 1);
    ASSERT_TRUE(g_Editor.clipboard);

    FramesOfLengths(0, 3);
    JumpTo(0, 2);
    CutFrame(2, 0);
    EXPECT_EQ(skeleton->GetFrameSet(0)->FrameCount(), 2);
    EXPECT_EQ(entity->frame, 1);
    EXPECT_EQ(entity->nextFrame, 1);
    EXPECT_EQ(skeleton->GetBoneByIndex(0)->length, 20);
}

TEST_F(EditorModel, SteppingWithFStaysOnTheNextFrame)
{
    FramesOfLengths(0, 3);
    JumpTo(0, 1);
    key[KEY_F] = 1;
    StepWithFKey();
    key[KEY_F] = 0;
    EXPECT_EQ(entity->frame, 2);
    EXPECT_EQ(skeleton->GetBoneByIndex(0)->length, 30);
    // Later draws leave the entity where the step put it.
    for (int i = 0; i < 3; ++i) {
        ElapsedMs = ElapsedMs + 100;
        PlaybackStep();
    }
    EXPECT_EQ(entity->frame, 2);
    EXPECT_EQ(skeleton->GetBoneByIndex(0)->length, 30);

    key[KEY_F] = 1;
    StepWithFKey();   // past the last frame: frame 0
    key[KEY_F] = 0;
    EXPECT_EQ(entity->frame, 0);
}

TEST_F(EditorModel, APoseDiffersFromItsFrameByMoreThanAHundredthRoundTheCircle)
{
    SkeleNode* arm = skeleton->AddBone(skeleton->Root(), "Arm", 10, 30);
    skeleton->StorePoseInFrame(0, 0);
    JumpTo(0, 0);
    struct Case {
        float turn, stretch;
        bool differs;
    };
    const std::vector<Case> cases = {
        {0, 0, false},      {360, 0, false},   {-360, 0, false},  {720.004f, 0, false}, {0.005f, 0, false},
        {-0.005f, 0, false}, {0.02f, 0, true},  {-0.02f, 0, true}, {359.995f, 0, false}, {180, 0, true},
        {0, 0.005f, false}, {0, 0.02f, true},  {0, -0.02f, true},
    };
    for (const Case& c : cases) {
        arm->bone->relativeAngle = 10 + c.turn;
        arm->bone->length = 30 + c.stretch;
        EXPECT_EQ(PoseDiffersFromFrame(*skeleton, *skeleton->GetFrame(0, 0)), c.differs) << c.turn << " " << c.stretch;
        EXPECT_EQ(PoseNotStored(), c.differs) << c.turn << " " << c.stretch;
    }
    // A frame made for another bone count is never this pose.
    SkeletonFrame shorter = *skeleton->GetFrame(0, 0);
    shorter.entries.pop_back();
    arm->bone->relativeAngle = 10;
    arm->bone->length = 30;
    EXPECT_TRUE(PoseDiffersFromFrame(*skeleton, shorter));

    // On its way to another frame, or playing, the pose is a blend: nothing to store.
    arm->bone->length = 50;
    entity->nextFrame = 1;
    EXPECT_FALSE(PoseNotStored());
    entity->nextFrame = 0;
    g_Editor.Playing = true;
    EXPECT_FALSE(PoseNotStored());
    g_Editor.Playing = false;
    // Without a screen the question has no answer: the entity stays and nothing is stored.
    EXPECT_FALSE(SettlePoseBeforeLeaving());
    EXPECT_EQ(skeleton->GetFrame(0, 0)->entries[1].length, 30);
    JumpTo(0, 0);
    EXPECT_TRUE(SettlePoseBeforeLeaving()) << "a stored pose asks nothing";
}

TEST_F(EditorModel, UnsavedChangesAreWhatWouldChangeTheSavedFile)
{
    Bone* trunk = skeleton->GetBoneByIndex(0);
    SkeleNode* arm = skeleton->AddBone(skeleton->Root(), "Arm", 10, 30);
    struct Case {
        const char* action;
        std::function<void()> apply;
        bool changes;
    };
    const std::vector<Case> cases = {
        {"nothing", [] {}, false},
        {"a pose not stored", [&] { arm->bone->relativeAngle = 80; skeleton->UpdatePositions(); }, false},
        {"the selection", [&] { g_Editor.SelectedBone = trunk; }, false},
        {"the frame time", [&] { entity->blendTime = 900; }, false},
        {"a bone added", [&] { skeleton->AddBone(arm, "Hand", 0, 10); }, true},
        {"a bone renamed", [&] { RenameBone(arm->bone, "Upper Arm"); }, true},
        {"a pose stored", [&] { arm->bone->relativeAngle = 80; skeleton->StorePoseInFrame(0, 0); }, true},
        {"a skin offset", [&] { arm->bone->skinOffsetX = 4; }, true},
        {"a new frame", [&] { skeleton->StorePoseAsNewFrame(0, 0); }, true},
        {"a set renamed", [&] { skeleton->RenameFrameSet("Wave", 0); }, true},
        {"a change undone by hand", [&] {
             const std::string name = skeleton->GetFrameSet(0)->name;
             skeleton->RenameFrameSet("Jump", 0);
             skeleton->RenameFrameSet(name, 0);
         }, false},
    };
    for (const Case& c : cases) {
        MarkSaved();
        ASSERT_FALSE(HasUnsavedChanges());
        EXPECT_EQ(AskToSaveChanges(), UnsavedAnswer::kNoChanges);
        c.apply();
        EXPECT_EQ(HasUnsavedChanges(), c.changes) << c.action;
        // Without a screen the question has no answer, which is Cancel: stay.
        EXPECT_EQ(AskToSaveChanges(), c.changes ? UnsavedAnswer::kStay : UnsavedAnswer::kNoChanges) << c.action;
    }
    EXPECT_EQ(DocumentName(), "untitled");
    g_Editor.FilePath = "/somewhere/arm.txt";
    EXPECT_EQ(DocumentName(), "arm.txt");
}

TEST_F(EditorModel, FrameEditsRefuseTheLastFrameAndSetWhenThereIsNoScreenToAsk)
{
    // Without a screen every question is answered "no": nothing is deleted.
    FramesOfLengths(0, 2);
    RunFrameEditAction(kDeleteFrameButton);
    RunFrameEditAction(kDeleteFrameSetButton);
    EXPECT_EQ(skeleton->GetFrameSet(0)->FrameCount(), 2);
    EXPECT_EQ(skeleton->FrameSetCount(), 1);
    // Moving a frame needs no question; the target follows it.
    JumpTo(0, 0);
    RunFrameEditAction(kMoveFrameDownButton);
    EXPECT_EQ(TrunkLength(0, 1), 10);
    EXPECT_EQ(entity->nextFrame, 1);
    RunFrameEditAction(kMoveFrameUpButton);   // still on frame 0: frame -1 does not exist
    EXPECT_EQ(TrunkLength(0, 0), 20);
}

TEST_F(EditorModel, BoneEditsKeepTheTrunkAndTheSelection)
{
    Bone* trunk = skeleton->GetBoneByIndex(0);
    SubtractLimb(trunk);
    ExtractOneBone(trunk);
    DuplicateBone(trunk);
    DuplicateLimb(trunk);
    EXPECT_EQ(skeleton->BoneCount(), 1);
    ASSERT_TRUE(skeleton->Root());

    AddBoneBelow(trunk);
    Bone* arm = g_Editor.SelectedBone;
    ASSERT_NE(arm, nullptr);
    EXPECT_EQ(arm->name, "New");
    EXPECT_FLOAT_EQ(arm->startX, 20);   // positions are computed
    DuplicateBone(arm);
    ASSERT_NE(g_Editor.SelectedBone, arm);
    EXPECT_EQ(g_Editor.SelectedBone->name, "New (1)");
    EXPECT_FLOAT_EQ(g_Editor.SelectedBone->relativeAngle, 45);

    g_Editor.editedBone = arm;
    SubtractLimb(arm);
    EXPECT_EQ(g_Editor.SelectedBone, nullptr);
    EXPECT_EQ(g_Editor.editedBone, nullptr);
    EXPECT_EQ(skeleton->BoneCount(), 2);
}

TEST_F(EditorModel, RenamingNeverGivesTwoBonesOneName)
{
    Bone* trunk = skeleton->GetBoneByIndex(0);
    AddBoneBelow(trunk);
    Bone* a = g_Editor.SelectedBone;
    AddBoneBelow(trunk);
    Bone* b = g_Editor.SelectedBone;
    const struct {
        Bone* bone;
        const char* to;
        const char* name;
    } cases[] = {
        {a, "Arm", "Arm"},          {b, "Arm", "Arm (1)"},   {b, "Trunk", "Trunk (1)"},
        {a, "", "Arm"},             {a, "Arm", "Arm"},       {trunk, "Arm", "Arm (1)"},
        {trunk, "Trunk", "Trunk"},  {b, "Leg", "Leg"},
    };
    for (const auto& c : cases) {
        RenameBone(c.bone, c.to);
        EXPECT_EQ(c.bone->name, c.name) << "renamed to '" << c.to << "'";
    }
}

TEST_F(EditorModel, ASkinThatIsNotFoundLeavesNoSkin)
{
    Bone* trunk = skeleton->GetBoneByIndex(0);
    g_Editor.LastSkinFolder = "kept/";
    EXPECT_EQ(ApplyChosenSkin(trunk, folder.File("missing")), "NO SKIN");
    EXPECT_EQ(trunk->skinPath, "NO SKIN");
    EXPECT_EQ(g_Editor.LastSkinFolder, "kept/");

    // A lettered skin whose first picture's name would not fit the chooser's buffer is not taken,
    // though the picture exists.
    const std::string base = folder.Path() + "/" + std::string(kSkinPathSize - 5 - folder.Path().size(), 'x');
    testsupport::WriteFile(base + "-a-00.png", "not a picture");
    EXPECT_EQ(ApplyChosenSkin(trunk, base), "NO SKIN");
    EXPECT_EQ(trunk->skinPath, "NO SKIN");

    EXPECT_EQ(SkinFileName("/a/b/Head.png"), "Head.png");
    EXPECT_EQ(SkinFolder("/a/b/Head.png"), "/a/b/");
    EXPECT_EQ(SkinFolder("Head"), "");
}

} // namespace
