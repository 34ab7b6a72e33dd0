// The editor's own rules around the skeleton model, without a window (one case opens the screen
// to count the redraws it asks for): the dialogs' text rules,
// the panels' row arithmetic, the frame clipboard's refusals, the bone edits' names and guards,
// F-stepping's target and blends, and the frames the onion skin draws. The gestures themselves
// are driven end to end by the *_test.sh scripts.
#include <allegro.h>
#include <cstdio>
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
#include "editor/skeleton/EditorDialog.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/FileCommands.h"
#include "editor/skeleton/FrameCommands.h"
#include "editor/skeleton/FrameEditActions.h"
#include "editor/skeleton/FrameTimeDialog.h"
#include "editor/skeleton/EditorKeys.h"
#include "editor/skeleton/OnionSkin.h"
#include "editor/skeleton/Playback.h"
#include "editor/skeleton/ScaleDialog.h"
#include "editor/skeleton/SkinChooser.h"
#include "entities/E_EditorEnt.h"
#include "entities/EntityList.h"
#include "rl/Layer.h"
#include "skeleton/Skeleton.h"
#include "tests/support/TestSupport.h"

using testsupport::ReadFile;
using testsupport::TempFolder;

namespace {

// The cases that ask a question expect no screen to ask it on (it would wait for an answer).
const char* const kWithoutAScreen = "a screen is open: run this case in a process of its own, as ctest does";

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

    // Rows of 15 pixels under a 10-pixel margin: four bones all shown, and 100 bones of which 30
    // are shown from row 50 (the last one shown at slot 29) or from the largest top row 70.
    const struct {
        int panelY, rowHeight, count, visible, top, row;
    } rows[] = {
        {10, 15, 4, 30, 0, -1}, {11, 15, 4, 30, 0, 0}, {69, 15, 4, 30, 0, 3}, {70, 15, 4, 30, 0, -1},
        {20, 0, 4, 30, 0, -1},  {11, 15, 100, 30, 50, 50}, {26, 15, 100, 30, 50, 51},
        {10 + 29 * 15, 15, 100, 30, 50, 79}, {10 + 30 * 15, 15, 100, 30, 50, -1},
        {11, 15, 100, 30, 95, 70}, {10 + 29 * 15, 15, 100, 30, 95, 99}, {-5, 15, 100, 30, 50, -1},
    };
    for (const auto& c : rows)
        EXPECT_EQ(BoneRowAt(c.panelY, c.rowHeight, MakeRowWindow(c.count, c.visible, c.top)), c.row)
            << c.panelY << " over " << c.count << " rows from " << c.top;
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

TEST_F(EditorModel, TheOnionSkinShowsTheFramesBeforeAndAfterAsPlaybackGoesRound)
{
    // Sets of 1, 2, 3 and 5 frames.
    FramesOfLengths(0, 1);
    FramesOfLengths(1, 2);
    FramesOfLengths(2, 3);
    FramesOfLengths(3, 5);
    const OnionSide before = OnionSide::kBefore, after = OnionSide::kAfter;
    const struct {
        int set, frame;
        bool playing;
        std::vector<OnionFrame> drawn;
    } cases[] = {
        {0, 0, false, {}},
        {1, 0, false, {{1, before}, {1, after}}},
        {1, 1, false, {{0, before}, {0, after}}},
        {2, 0, false, {{2, before}, {1, after}}},
        {2, 1, false, {{0, before}, {2, after}}},
        {2, 2, false, {{1, before}, {0, after}}},
        {3, 0, false, {{4, before}, {1, after}}},
        {3, 3, false, {{2, before}, {4, after}}},
        {3, 4, false, {{3, before}, {0, after}}},
        {3, 4, true, {}},
        {2, 1, true, {}},
        {3, 5, false, {}},
        {3, -1, false, {}},
        {4, 0, false, {}},
        {-1, 0, false, {}},
    };
    for (const auto& c : cases) {
        const std::vector<OnionFrame> drawn = OnionFrames(*skeleton, c.set, c.frame, c.playing);
        ASSERT_EQ(drawn.size(), c.drawn.size()) << "set " << c.set << " frame " << c.frame << " playing " << c.playing;
        for (size_t i = 0; i < drawn.size(); ++i)
            EXPECT_TRUE(drawn[i] == c.drawn[i]) << "set " << c.set << " frame " << c.frame << " entry " << i
                                                << " drew frame " << drawn[i].frame;
    }
    // The frames before and after are where the transport's previous and next buttons go.
    for (int set = 1; set <= 3; ++set)
        for (int f = 0; f < skeleton->GetFrameSet(set)->FrameCount(); ++f) {
            const std::vector<OnionFrame> drawn = OnionFrames(*skeleton, set, f, false);
            ASSERT_EQ(drawn.size(), 2u);
            EXPECT_EQ(drawn[0].frame, TransportDestination(*skeleton, kPreviousFrameButton, set, f).frame);
            EXPECT_EQ(drawn[1].frame, TransportDestination(*skeleton, kNextFrameButton, set, f).frame);
        }

    // The O key and the menu entry turn the switch over and tick the entry; Ctrl+O is Load, not this.
    const int plainO = (KEY_O << 8) | 'o';
    const struct {
        std::function<int()> toggle;
        bool on;
    } switches[] = {{ToggleOnionSkinCommand, true}, {[&] { return HandleEditorKey(plainO); }, false},
                    {[&] { return HandleEditorKey(plainO); }, true}, {ToggleOnionSkinCommand, false}};
    ASSERT_FALSE(g_Editor.onionSkin);
    for (const auto& s : switches) {
        g_Editor.history.Begin();
        EXPECT_NE(s.toggle() & D_REDRAW, 0);
        g_Editor.history.Commit();
        EXPECT_EQ(g_Editor.onionSkin, s.on);
        EXPECT_EQ((g_FramesMenu[kOnionSkinItem].flags & D_SELECTED) != 0, s.on);
    }
    EXPECT_STREQ(g_FramesMenu[kOnionSkinItem].text, "Onion Skin");
    EXPECT_EQ(g_FramesMenu[kOnionSkinItem].proc, ToggleOnionSkinCommand);
    // Turning it, as the key does inside a step, changes nothing the history keeps.
    EXPECT_FALSE(g_Editor.history.CanUndo());
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

// The Trunk's length at every view redraw a tweened F-step asks for.
TEST_F(EditorModel, APoseDiffersFromItsFrameByMoreThanAHundredthRoundTheCircle)
{
    ASSERT_FALSE(rl::ScreenReady()) << kWithoutAScreen;
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
    ASSERT_FALSE(rl::ScreenReady()) << kWithoutAScreen;
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

// ---- Undo and redo ----------------------------------------------------------------------------

namespace {

struct Seen {
    std::string text;
    std::vector<float> pose;
    int selected, frameSet, frame, frameTime;
};

Seen Look()
{
    Seen seen {g_Editor.skeleton->Write(0), {}, g_Editor.skeleton->BoneIndex(g_Editor.SelectedBone),
               g_Editor.entity->frameSet, g_Editor.entity->frame, g_Editor.entity->blendTime};
    if (!g_Editor.SelectedBone)
        seen.selected = -1;
    for (const auto& bone : g_Editor.skeleton->BoneList()) {
        seen.pose.push_back(bone->relativeAngle);
        seen.pose.push_back(bone->length);
    }
    return seen;
}

void ExpectSeen(const Seen& want, const std::string& what)
{
    const Seen got = Look();
    EXPECT_TRUE(got.text == want.text) << what;
    EXPECT_EQ(got.pose, want.pose) << what;
    EXPECT_EQ(got.selected, want.selected) << what;
    EXPECT_EQ(got.frameSet, want.frameSet) << what;
    EXPECT_EQ(got.frame, want.frame) << what;
    EXPECT_EQ(got.frameTime, want.frameTime) << what;
}

void Act(const std::function<void()>& action)
{
    g_Editor.history.Begin();
    action();
    g_Editor.history.Commit();
}

} // namespace

TEST_F(EditorModel, EveryActionIsUndoneAndRedoneExactly)
{
    Skeleton& s = *skeleton;
    const auto bone = [&](int i) { return s.GetBoneByIndex(i); };
    struct Case {
        const char* action;
        std::function<void()> apply;
    };
    const std::vector<Case> cases = {
        {"select the Trunk", [&] { g_Editor.SelectedBone = bone(0); }},
        {"add a bone", [&] { AddBoneBelow(bone(0)); }},
        {"add another", [&] { AddBoneBelow(bone(1)); }},
        {"drag an end", [&] { s.AimBone(bone(2), 380, 340, 1, 300, 300, true, true, true); s.UpdatePositions(); }},
        {"store the pose", [&] { s.StorePoseInFrame(0, 0); }},
        {"rename a bone", [&] { RenameBone(bone(1), "Upper Arm"); }},
        {"a new frame", [&] { s.StorePoseAsNewFrame(0, 0); JumpTo(0, 1); }},
        {"drag on frame 1", [&] { bone(1)->relativeAngle = 75; s.UpdatePositions(); }},
        {"store there", [&] { s.StorePoseInFrame(0, 1); }},
        {"a new set", [&] { s.StorePoseAsNewFrame(0, 1); JumpTo(1, 0); }},
        {"rename the set", [&] { s.RenameFrameSet("Wave", 1); }},
        {"the frame time", [&] { entity->blendTime = 600; }},
        {"a skin offset", [&] { bone(2)->skinOffsetX = 8; }},
        {"the draw order", [&] { s.SwapBones(bone(1), bone(2)); }},
        {"Normalise", [&] { s.GetFrame(0, 0)->entries[1].length = 44; s.ApplyFrameLengths(0, 0); }},
        {"Scale Lengths", [&] { s.ScaleSkeleton(1.5f); s.UpdatePositions(); }},
        {"select and subtract", [&] { g_Editor.SelectedBone = bone(2); SubtractLimb(bone(2)); }},
        {"delete a frame", [&] { JumpTo(0, 0); s.DeleteFrame(0, 0); JumpTo(0, 0); }},
    };
    std::vector<Seen> before, after;
    for (const Case& c : cases) {
        before.push_back(Look());
        Act(c.apply);
        after.push_back(Look());
    }
    // Selecting alone changes nothing the history keeps: every other action is one step.
    ASSERT_EQ(g_Editor.history.UndoDepth(), static_cast<int>(cases.size()) - 1);
    for (size_t i = cases.size(); i-- > 1;) {
        ASSERT_TRUE(g_Editor.history.Undo()) << cases[i].action;
        ExpectSeen(before[i], std::string("undone: ") + cases[i].action);
    }
    EXPECT_FALSE(g_Editor.history.CanUndo());
    for (size_t i = 1; i < cases.size(); ++i) {
        ASSERT_TRUE(g_Editor.history.Redo()) << cases[i].action;
        ExpectSeen(after[i], std::string("redone: ") + cases[i].action);
    }
    EXPECT_FALSE(g_Editor.history.Redo());
    // A new action after undoing forgets what could have been redone.
    g_Editor.history.Undo();
    const int depth = g_Editor.history.UndoDepth();
    Act([&] { s.RenameFrameSet("Other", 0); });
    EXPECT_EQ(g_Editor.history.UndoDepth(), depth + 1);
    EXPECT_FALSE(g_Editor.history.CanRedo());
}

TEST_F(EditorModel, StepsAreWholeActionsAndClearingForgetsThem)
{
    Skeleton& s = *skeleton;
    AddBoneBelow(s.GetBoneByIndex(0));
    g_Editor.history.Clear();
    Bone* arm = s.GetBoneByIndex(1);
    struct Case {
        const char* action;
        std::function<void()> apply;
        int depth;   // steps in the history after it
    };
    const std::vector<Case> cases = {
        {"a drag of many moves", [&] { for (int x = 330; x < 400; x += 5) { s.AimBone(arm, x, 330, 1, 300, 300, true, true, true); s.UpdatePositions(); } }, 1},
        {"a drag back where it began", [&] { const float a = arm->relativeAngle; arm->relativeAngle = 3; arm->relativeAngle = a; }, 1},
        {"nested actions", [&] { Act([&] { RenameBone(arm, "A"); }); RenameBone(arm, "B"); }, 2},
        {"a new frame, then going there", [&] { s.StorePoseAsNewFrame(0, 0); g_Editor.history.Clear(); JumpTo(0, 1); }, 0},
        {"going back", [&] { JumpTo(0, 0); }, 0},
        {"a click that selects", [&] { g_Editor.SelectedBone = arm; }, 0},
        {"an edit", [&] { RenameBone(arm, "C"); }, 1},
        {"an edit, then Load or New", [&] { RenameBone(arm, "D"); g_Editor.history.Clear(); }, 0},
        {"another edit", [&] { RenameBone(arm, "E"); }, 1},
    };
    for (const Case& c : cases) {
        Act(c.apply);
        EXPECT_EQ(g_Editor.history.UndoDepth(), c.depth) << c.action;
    }
    // Undo from a key or the menu runs inside an action of its own and records nothing.
    Act([] { g_Editor.history.Undo(); });
    EXPECT_EQ(g_Editor.history.UndoDepth(), 0);
    EXPECT_TRUE(g_Editor.history.CanRedo());
    EXPECT_EQ(s.GetBoneByIndex(1)->name, "D");
    // The Edit menu greys what cannot be done.
    const auto greyed = [](int item) { UpdateUndoMenu(); return (g_EditMenu[item].flags & D_DISABLED) != 0; };
    EXPECT_TRUE(greyed(kUndoItem));
    EXPECT_FALSE(greyed(kRedoItem));
    g_Editor.history.Clear();
    EXPECT_FALSE(g_Editor.history.CanUndo());
    EXPECT_FALSE(g_Editor.history.CanRedo());
    EXPECT_TRUE(greyed(kRedoItem));
    Act([&] { RenameBone(s.GetBoneByIndex(1), "F"); });
    EXPECT_FALSE(greyed(kUndoItem));
    EXPECT_EQ(std::string(g_EditMenu[kUndoItem].text), "Undo");
    EXPECT_EQ(std::string(g_EditMenu[kRedoItem].text), "Redo");
}

TEST_F(EditorModel, TwoHundredStepsOfABigSkeletonStayUnder64MB)
{
    // 200 bones in ten limbs of twenty, and 100 frames.
    Skeleton& s = *skeleton;
    g_Log->priority = 5;
    SkeleNode* node = s.Root();
    for (int i = 1; i < 200; ++i)
        node = s.AddBone(i % 20 == 1 ? s.Root() : node, "Bone", 3, 10);
    for (int f = 1; f < 100; ++f)
        s.StorePoseAsNewFrame(0, 0);
    s.UpdatePositions();
    g_Editor.history.Clear();
    struct Case {
        const char* action;
        std::function<void(int)> apply;
    };
    const std::vector<Case> cases = {
        {"pose and store a frame", [&](int i) { s.GetBoneByIndex(1 + i % 199)->relativeAngle += 1; s.StorePoseInFrame(0, i % 100); }},
        {"scale every frame", [&](int) { s.ScaleSkeleton(1.01f); }},
    };
    for (const Case& c : cases) {
        g_Editor.history.Clear();
        const std::string first = s.Write(0);
        for (int i = 0; i < 200; ++i)
            Act([&] { c.apply(i); });
        EXPECT_EQ(g_Editor.history.UndoDepth(), 200) << c.action;
        const size_t bytes = g_Editor.history.Bytes();
        std::printf("%s: 200 steps hold %.1f MB (the file is %.1f KB)\n", c.action, bytes / 1048576.0, first.size() / 1024.0);
        EXPECT_LT(bytes, size_t(64) << 20) << c.action;
        while (g_Editor.history.Undo()) {
        }
        EXPECT_TRUE(s.Write(0) == first) << c.action;
    }
}

TEST_F(EditorModel, FrameEditsRefuseTheLastFrameAndSetWhenThereIsNoScreenToAsk)
{
    ASSERT_FALSE(rl::ScreenReady()) << kWithoutAScreen;
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

// Last of the cases: the screen it opens stays open for the rest of the process, and the cases
// above answer their questions as a program without a screen does.
std::vector<float>* g_redrawLengths = nullptr;
int RecordRedraw(int msg, DIALOG*, int)
{
    if (msg == MSG_DRAW && g_redrawLengths)
        g_redrawLengths->push_back(g_Editor.skeleton->GetBoneByIndex(0)->length);
    return D_O_K;
}

TEST_F(EditorModel, ATweenedFStepShowsExactlyFiftyBlendsOnTheWayToTheNextFrame)
{
    testsupport::OpenScreen();   // the redraws go to the dialog on the screen
    DIALOG view[] = {{RecordRedraw, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
                     {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr}};
    struct Row {
        bool tweening;
        int set, from, to;
    };
    // Trunk lengths are 10 x (frame + 1) in both sets; set 1 has a single frame.
    const Row rows[] = {
        {true, 0, 0, 1}, {true, 0, 1, 2}, {true, 0, 3, 0},   // past the last frame: back to 0
        {false, 0, 1, 2},                                   // without tweening: straight there
        {true, 1, 0, 0},                                    // a set of one frame blends onto itself
    };
    FramesOfLengths(0, 4);
    FramesOfLengths(1, 1);
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "tweening " << row.tweening << ", set " << row.set << " from " << row.from);
        JumpTo(row.set, row.from);
        g_Editor.Tweening = row.tweening;
        std::vector<float> lengths;
        g_redrawLengths = &lengths;
        active_dialog = view;
        key[KEY_F] = 1;
        StepWithFKey();
        key[KEY_F] = 0;
        active_dialog = nullptr;
        g_redrawLengths = nullptr;

        const float a = 10.0f * (row.from + 1), b = 10.0f * (row.to + 1);
        ASSERT_EQ(lengths.size(), row.tweening ? 50u : 0u);
        for (size_t k = 0; k < lengths.size(); ++k)
            EXPECT_NEAR(lengths[k], a + (b - a) * static_cast<float>(k) / 50, 1e-3) << "blend " << k;
        EXPECT_EQ(entity->frameSet, row.set);
        EXPECT_EQ(entity->frame, row.to);
        EXPECT_EQ(entity->nextFrame, row.to);
        EXPECT_EQ(skeleton->GetBoneByIndex(0)->length, b);
    }
}

} // namespace
