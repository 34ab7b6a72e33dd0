// The editor's pieces in a real window, driven in-process: New and Load forget the bone
// selection (saving is driven in the real program, where it cannot reach the repository's files); the strips' widgets with short or missing strips, and strips given back to the
// resource manager; the zoom slider's clicks; and the view's layers (the onion skin among them) read
// back from the screen.

#include <gtest/gtest.h>

#include <allegro.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <cstdio>
#include <vector>

#include "core/Alert.h"
#include "core/Log.h"
#include "editor/skeleton/BonePanelProc.h"
#include "editor/skeleton/EditorDialog.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/FileCommands.h"
#include "editor/skeleton/FramePanelProc.h"
#include "editor/skeleton/OnionSkin.h"
#include "editor/skeleton/Playback.h"
#include "editor/skeleton/PanelRouterProc.h"
#include "editor/skeleton/PanelTabsProc.h"
#include "editor/skeleton/SkeletonEditor.h"
#include "editor/skeleton/SkeletonViewProc.h"
#include "editor/skeleton/ToolbarActions.h"
#include "editor/skeleton/ToolbarProc.h"
#include "editor/skeleton/ZoomSliderProc.h"
#include "entities/E_EditorEnt.h"
#include "entities/ScreenPainter.h"
#include "resources/MARLPlugin.h"
#include "resources/RLBMPPlugin.h"
#include "resources/ResourceManager.h"
#include "rl/Bitmap.h"
#include "rl/Canvas.h"
#include "skeleton/Skeleton.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace guitest;
using namespace testsupport;

namespace {

constexpr int kYesX = 270, kNoX = 385, kOnlyX = 325, kBoxButtonY = 347;
constexpr int kNameFieldX = 490, kNameFieldY = 400, kSelectorOkX = 315, kSelectorOkY = 475;
const char* const kStrips = "../Game Data/GFX/MARL GUI/";

// A program folder "bin" beside its own "Game Data", with the log, the resource manager and the
// picture and skeleton plug-ins, and the editor's model; all gone with the fixture.
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenGui();
        ASSERT_EQ(mkdir(folder.File("bin").c_str(), 0755), 0);
        ASSERT_EQ(chdir(folder.File("bin").c_str()), 0);
        for (const char* sub : {"../Game Data", "../Game Data/GFX", kStrips, "../Game Data/Skeletons"})
            ASSERT_EQ(mkdir(sub, 0755), 0);
        g_Log = new Log();
        g_Log->priority = 2;
        g_ResourceManager = new ResourceManager();
        g_ResourceManager->AddPlugin("PNG", &png);
        g_ResourceManager->AddPlugin("TXT", &skeletons);
        g_Editor.Clear();
        CreateEditorModel();
        ClearRecordedAlerts();
    }

    void TearDown() override
    {
        g_Editor.Clear();
        delete g_ResourceManager;
        g_ResourceManager = nullptr;
        g_Log->Close();
        delete g_Log;
        g_Log = nullptr;
    }

    static void WriteStrip(const std::string& name, int width, int height)
    {
        ASSERT_TRUE(WritePng(std::string(kStrips) + name, width, height,
                             [](int x, int y) { return Rgb(x % 256, y % 256, 128); }));
    }

    static bool LogHas(const std::string& text) { return ReadFile("logfile.txt").find(text) != std::string::npos; }

    TempFolder folder;
    RLBMPPlugin png;
    MARLPlugin skeletons;
};

// Runs a command while a script clicks the given point of the modal dialog it opens.
int AnswerAt(int (*command)(), int x, int y)
{
    InputScript script;
    script.Wait(250).Click(x, y);
    script.Start();
    const int result = command();
    EXPECT_FALSE(script.TimedOut());
    return result;
}

// An arm on the Trunk, taken as saved unless it is to be an unsaved change.
Bone* AddArm(bool saved = true)
{
    Skeleton& skeleton = *g_Editor.skeleton;
    SkeleNode* arm = skeleton.AddBone(skeleton.Root(), "Arm", 45, 30);
    skeleton.UpdatePositions();
    if (saved)
        MarkSaved();
    return arm->bone;
}

TEST_F(EditorTest, NewAskedYesResetsAndForgetsTheSelection)
{
    g_Editor.SelectedBone = g_Editor.editedBone = AddArm();
    g_Editor.entity->frame = g_Editor.entity->nextFrame = 3;
    EXPECT_EQ(AnswerAt(NewCommand, kYesX, kBoxButtonY), D_REDRAW);
    EXPECT_EQ(g_Editor.SelectedBone, nullptr);
    EXPECT_EQ(g_Editor.editedBone, nullptr);
    EXPECT_EQ(g_Editor.skeleton->BoneCount(), 1);
    EXPECT_EQ(g_Editor.entity->frame, 0);
    EXPECT_EQ(g_Editor.entity->nextFrame, 0);
}

TEST_F(EditorTest, NewAnsweredNoChangesNothing)
{
    Bone* arm = AddArm();
    g_Editor.SelectedBone = arm;
    EXPECT_EQ(AnswerAt(NewCommand, kNoX, kBoxButtonY), D_O_K);
    EXPECT_EQ(g_Editor.SelectedBone, arm);
    EXPECT_EQ(g_Editor.skeleton->BoneCount(), 2);
}

TEST_F(EditorTest, UnsavedChangesAreAskedAboutBeforeNewLoadAndExit)
{
    // Yes / No / Cancel across the box.
    constexpr int kYes = 230, kNo = 325, kCancel = 420;
    struct Case {
        const char* command;
        int (*run)();
        int answerX;
        int result;
        int bones;   // after the command
        bool titled = false;   // saved to a file before: Yes saves there without the selector
    };
    const std::vector<Case> cases = {
        {"New, Cancel", NewCommand, kCancel, D_REDRAW, 2},
        {"New, No", NewCommand, kNo, D_REDRAW, 1},
        {"Exit, Cancel", ExitCommand, kCancel, D_REDRAW, 2},
        {"Exit, No", ExitCommand, kNo, D_CLOSE, 2},
        {"Load, Cancel", LoadCommand, kCancel, D_REDRAW, 2},
        {"New, Yes", NewCommand, kYes, D_REDRAW, 1, true},
        {"Exit, Yes", ExitCommand, kYes, D_CLOSE, 2, true},
    };
    const std::string saved = folder.File("arm.txt");
    for (const Case& c : cases) {
        g_Editor.FilePath = c.titled ? saved : "";
        std::remove(saved.c_str());
        g_Editor.skeleton->Reset();
        MarkSaved();
        AddArm(false);
        bool asked = false;
        InputScript script;
        // The question's red title bar, then the answer; nothing else is asked (the design's own
        // question would wait for a click that never comes).
        script.Wait(300).Do([&] { asked = ColourName(Pixel(400, 237)) == "#B30E16"; }).Click(c.answerX, kBoxButtonY);
        script.Start();
        EXPECT_EQ(c.run(), c.result) << c.command;
        EXPECT_FALSE(script.TimedOut()) << c.command;
        EXPECT_TRUE(asked) << c.command;
        EXPECT_EQ(g_Editor.skeleton->BoneCount(), c.bones) << c.command;
        EXPECT_EQ(HasUnsavedChanges(), c.bones == 2 && !c.titled) << c.command;
        EXPECT_EQ(ReadFile(saved).find("  + Arm") != std::string::npos, c.titled) << c.command;
    }
}

TEST_F(EditorTest, LoadReplacesTheBonesAndForgetsTheSelection)
{
    // The selector starts beside the test program, in the repository's shipped skeletons (it
    // resolves relative folders against the executable's folder); loading only reads them.
    g_Editor.SelectedBone = AddArm();
    g_Editor.entity->frameSet = g_Editor.entity->nextFrameSet = 2;
    InputScript script;
    script.Wait(300).Click(kNameFieldX, kNameFieldY).Type("Jungle Explorer.txt").Click(kSelectorOkX, kSelectorOkY);
    script.Start();
    EXPECT_EQ(LoadCommand(), D_REDRAW);
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(g_Editor.SelectedBone, nullptr);
    EXPECT_EQ(g_Editor.skeleton->BoneCount(), 17);
    EXPECT_EQ(g_Editor.entity->frameSet, 0);
    EXPECT_TRUE(LogHas("Loaded Skeleton File: \n"));
    EXPECT_TRUE(LogHas("Game Data/Skeletons/Jungle Explorer.txt\n"));
}

TEST_F(EditorTest, LoadOfANameThatDoesNotExistSaysSoAndChangesNothing)
{
    Bone* arm = AddArm();
    g_Editor.SelectedBone = arm;
    bool told = false;
    InputScript script;
    script.Wait(300).Click(kNameFieldX, kNameFieldY).Type("nobody.txt").Click(kSelectorOkX, kSelectorOkY);
    script.Wait(300).Do([&] { told = ColourName(Pixel(400, 237)) == "#B30E16"; }).Click(kOnlyX, kBoxButtonY);
    script.Start();
    EXPECT_EQ(LoadCommand(), D_REDRAW);
    EXPECT_FALSE(script.TimedOut());
    EXPECT_TRUE(told) << "File not found";
    EXPECT_EQ(g_Editor.SelectedBone, arm);
    EXPECT_EQ(g_Editor.skeleton->BoneCount(), 2);
    EXPECT_FALSE(LogHas("Loaded Skeleton File: "));
}

TEST_F(EditorTest, AToolbarStripOfTwoButtonsStillKeepsTwelveStates)
{
    WriteStrip("MARL Toolbar.png", 3 * 42, 126);
    g_Editor.ViewFlags = kViewSkins | kViewBones;
    DIALOG& toolbar = g_EditorDialog[kToolbarEntry];
    ASSERT_EQ(ToolbarProc(MSG_START, &toolbar, 0), D_O_K);
    ASSERT_EQ(g_Editor.toolbarStates.size(), 12u);
    EXPECT_EQ(g_Editor.toolbarStates[kKeepChildrenButton], kButtonOn);
    EXPECT_EQ(g_Editor.toolbarStates[kShowBonesButton], kButtonOn);
    // The buttons past the strip can still be switched (from code) without reaching past the
    // states, and the strip draws only the two it has.
    EXPECT_EQ(RunToolbarAction(kShowBonesButton), D_REDRAW);
    EXPECT_EQ(g_Editor.ViewFlags, kViewSkins);
    EXPECT_EQ(RunToolbarAction(40), D_O_K);
    ToolbarProc(MSG_DRAW, &toolbar, 0);
    EXPECT_EQ(ToolbarProc(MSG_END, &toolbar, 0), D_O_K);
    EXPECT_GE(g_Editor.toolbarStates.size(), 12u);
}

TEST_F(EditorTest, AMissingToolbarStripSaysSoAndClosesTheEditor)
{
    DIALOG& toolbar = g_EditorDialog[kToolbarEntry];
    InputScript script;
    script.Wait(250).Click(kOnlyX, kBoxButtonY);
    script.Start();
    EXPECT_EQ(ToolbarProc(MSG_START, &toolbar, 0), D_CLOSE);
    EXPECT_FALSE(script.TimedOut());
    ToolbarProc(MSG_END, &toolbar, 0);
}

TEST_F(EditorTest, StripsAreGivenBackToTheResourceManager)
{
    WriteStrip("Tabs.png", 190, 48);
    WriteStrip("Transport Buttons.png", 190, 76);
    WriteStrip("Frame Edit Buttons.png", 64, 256);
    const std::string tabs = kTabsStrip;
    const std::string transport = std::string(kStrips) + "Transport Buttons.png";
    const std::string frameEdit = std::string(kStrips) + "Frame Edit Buttons.png";
    DIALOG& tabsEntry = g_EditorDialog[kTabsEntry];
    DIALOG& frames = g_EditorDialog[kFramePanelEntry];
    ASSERT_EQ(PanelTabsProc(MSG_START, &tabsEntry, 0), D_O_K);
    ASSERT_EQ(FramePanelProc(MSG_START, &frames, 0), D_O_K);
    EXPECT_EQ(g_ResourceManager->ReferenceCount(tabs), 1);
    EXPECT_EQ(g_ResourceManager->ReferenceCount(transport), 1);
    EXPECT_EQ(g_ResourceManager->ReferenceCount(frameEdit), 1);
    PanelTabsProc(MSG_END, &tabsEntry, 0);
    FramePanelProc(MSG_END, &frames, 0);
    EXPECT_EQ(g_ResourceManager->ReferenceCount(tabs), 0);
    EXPECT_EQ(g_ResourceManager->ReferenceCount(transport), 0);
    EXPECT_EQ(g_ResourceManager->ReferenceCount(frameEdit), 0);
    EXPECT_EQ(g_ResourceManager->ResourceCount(), 0u);
}

TEST_F(EditorTest, AMissingTabsStripIsReportedAndClosesTheEditor)
{
    DIALOG& tabs = g_EditorDialog[kTabsEntry];
    EXPECT_EQ(PanelTabsProc(MSG_START, &tabs, 0), D_CLOSE);
    ASSERT_FALSE(RecordedAlerts().empty());
    EXPECT_EQ(RecordedAlerts().back().lines.at(0), "Could not find Tabs.png");
    PanelTabsProc(MSG_END, &tabs, 0);
    EXPECT_EQ(g_ResourceManager->ResourceCount(), 0u);
}

TEST_F(EditorTest, ZoomSliderClicksSnapAndKeepTheFloor)
{
    DIALOG& slider = g_EditorDialog[kZoomSliderEntry];
    struct Case {
        int y, value;
        float zoom;
    };
    // The slider lies at y 480 .. 580 with an 8-pixel handle: value (y - 484) x 100 / 92.
    for (const Case c : {Case {512, 33, 0.99f}, Case {484, 0, 0.2f}, Case {579, 100, 3.0f}, Case {530, 50, 1.5f},
                         Case {488, 4, 0.2f}})
    {
        InputScript script;
        script.MoveTo(28, c.y);
        script.Start();
        script.Advance();
        ZoomSliderProc(MSG_CLICK, &slider, 0);
        EXPECT_EQ(slider.d2, c.value) << "y " << c.y;
        EXPECT_NEAR(g_Editor.Zoom, c.zoom, 1e-5) << "y " << c.y;
    }
}

TEST_F(EditorTest, ViewShowsBackgroundPictureAndGridWithBothFlagsCleared)
{
    // A 20 x 10 red picture at zoom 2 around (100.5, 200): x 80.5 .. 120.5, y 190 .. 210.
    ASSERT_TRUE(WritePng("red.png", 20, 10, [](int, int) { return Rgb(200, 0, 0); }));
    g_Editor.ReferencePicture = std::make_unique<rl::Bitmap>("red.png");
    g_Editor.ViewOrigin = {100.5f, 200};
    g_Editor.Zoom = 2;
    g_Editor.ViewFlags = 0;
    DrawSkeletonView(g_EditorDialog[kViewEntry]);
    SaveScreenshot("editor_view_picture");
    EXPECT_EQ(ColourName(Pixel(85, 195)), "#C80000");
    EXPECT_EQ(ColourName(Pixel(118, 208)), "#C80000");
    EXPECT_EQ(ColourName(Pixel(78, 195)), "#003C00");
    EXPECT_EQ(ColourName(Pixel(123, 195)), "#003C00");
    EXPECT_EQ(ColourName(Pixel(85, 212)), "#003C00");
    // The grid goes over the picture: the lines through the origin (100, 200) are bright.
    EXPECT_EQ(ColourName(Pixel(100, 195)), "#0D7807");
    EXPECT_EQ(ColourName(Pixel(85, 200)), "#0D7807");
    EXPECT_EQ(ColourName(Pixel(132, 300)), "#094F04");
    EXPECT_EQ(ColourName(Pixel(228, 300)), "#0D7807");
    // No skins and no overlay: the bone at the origin leaves no mark beside the lines.
    EXPECT_EQ(ColourName(Pixel(130, 205)), "#003C00");
}

TEST_F(EditorTest, ViewPannedFarAwayKeepsItsGridOnScreen)
{
    g_Editor.ViewOrigin = {-100000.4f, 250};
    g_Editor.Zoom = 1;
    g_Editor.ViewFlags = 0;
    DrawSkeletonView(g_EditorDialog[kViewEntry]);
    // -100000 is 6250 lines of 16 to the left: x 0 is line 6250, x 32 line 6252 (bright).
    EXPECT_EQ(ColourName(Pixel(0, 400)), "#094F04");
    EXPECT_EQ(ColourName(Pixel(16, 400)), "#094F04");
    EXPECT_EQ(ColourName(Pixel(32, 400)), "#0D7807");
    EXPECT_EQ(ColourName(Pixel(8, 401)), "#003C00");
    EXPECT_EQ(ColourName(Pixel(600, 250)), "#0D7807");
}

TEST_F(EditorTest, ViewDrawsTheSkeletonsOverlayWhenItsFlagIsSet)
{
    g_Editor.ViewOrigin = {300, 300};
    g_Editor.Zoom = 1;
    g_Editor.ViewFlags = kViewBones;
    DrawSkeletonView(g_EditorDialog[kViewEntry]);
    // The Trunk (length 20, pointing right) ends in a joint at (320, 300).
    EXPECT_NE(ColourName(Pixel(320, 305)), "#003C00");
    g_Editor.ViewFlags = 0;
    DrawSkeletonView(g_EditorDialog[kViewEntry]);
    EXPECT_EQ(ColourName(Pixel(320, 305)), "#003C00");
}


// The channels of a screen pixel.
struct Channels {
    int r, g, b;
};
Channels ChannelsAt(int x, int y)
{
    const uint32_t p = Pixel(x, y);
    return {static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF), static_cast<int>(p & 0xFF)};
}

TEST_F(EditorTest, TheOnionSkinDrawsTheNeighbouringFramesInTheirTintsBehindThePose)
{
    // Trunk 20 pixels to the right, an Arm of 60 on it pointing up in frame 0, on along the Trunk
    // in frame 1 and down in frame 2: from the origin (300, 300) its end is at (320, 240),
    // (380, 300) and (320, 360). The Arm carries a white skin.
    ASSERT_TRUE(WritePng("arm.png", 12, 12, [](int, int) { return Rgb(255, 255, 255); }));
    UseScreenPainter();
    Skeleton& skeleton = *g_Editor.skeleton;
    Bone* arm = skeleton.AddBone(skeleton.Root(), "Arm", 0, 60)->bone;
    arm->skinPath = "arm.png";
    arm->LoadSkin();
    ASSERT_NE(arm->skin.Graphics(), nullptr);
    skeleton.StorePoseAsNewFrame(0, 0);
    skeleton.StorePoseAsNewFrame(1, 0);
    const float armAngles[] = {-90, 0, 90};
    for (int f = 0; f < 3; ++f)
        skeleton.GetFrame(0, f)->entries = {{0, 20}, {armAngles[f], 60}};
    g_Editor.ViewOrigin = {300, 300};
    g_Editor.Zoom = 1;

    // Where frames 0 and 2 alone put a pixel of their skins (no overlay, no onion skin).
    g_Editor.ViewFlags = kViewSkins;
    const auto skinPixel = [&](int frame) {
        JumpTo(0, frame);
        DrawSkeletonView(g_EditorDialog[kViewEntry]);
        for (int y = 220; y < 380; ++y)
            for (int x = 290; x < 350; ++x)
                if (ColourName(Pixel(x, y)) == "#FFFFFF")
                    return std::pair<int, int> {x, y};
        return std::pair<int, int> {-1, -1};
    };
    const std::pair<int, int> skinBefore = skinPixel(0), skinAfter = skinPixel(2);
    ASSERT_GE(skinBefore.first, 0) << "frame 0's skin is not drawn near the Arm";
    ASSERT_GE(skinAfter.first, 0) << "frame 2's skin is not drawn near the Arm";

    JumpTo(0, 1);
    const float poseEndX = arm->endX, poseEndY = arm->endY;
    enum Tint { kNone, kBefore, kAfter };
    struct Look {
        int x, y;
        Tint tint;
    };
    const struct {
        const char* step;
        bool onion, playing;
        int flags;
        std::vector<Look> looks;
    } steps[] = {
        {"off", false, false, kViewBones, {{320, 240, kNone}, {320, 270, kNone}, {320, 360, kNone}, {320, 330, kNone}}},
        {"bones", true, false, kViewBones,
         {{320, 240, kBefore}, {320, 270, kBefore}, {320, 360, kAfter}, {320, 330, kAfter}}},
        {"playing", true, true, kViewBones, {{320, 240, kNone}, {320, 270, kNone}, {320, 360, kNone}, {320, 330, kNone}}},
        {"skins", true, false, kViewSkins,
         {{skinBefore.first, skinBefore.second, kBefore}, {skinAfter.first, skinAfter.second, kAfter}}},
        {"skins off", false, false, kViewSkins,
         {{skinBefore.first, skinBefore.second, kNone}, {skinAfter.first, skinAfter.second, kNone}}},
    };
    for (const auto& step : steps) {
        g_Editor.onionSkin = step.onion;
        g_Editor.Playing = step.playing;
        g_Editor.ViewFlags = step.flags;
        DrawSkeletonView(g_EditorDialog[kViewEntry]);
        SaveScreenshot(std::string("editor_onion_") + step.step);
        for (const Look& look : step.looks) {
            const Channels c = ChannelsAt(look.x, look.y);
            const std::string where = std::string(step.step) + " at " + std::to_string(look.x) + ", " +
                                      std::to_string(look.y) + ": " + ColourName(Pixel(look.x, look.y));
            if (look.tint == kNone) {
                // The dark green background or a grid line alone.
                EXPECT_TRUE(c.r < 16 && c.b < 10) << where;
            } else if (look.tint == kBefore) {
                // Blue over the dark green, faint: never the full tint nor a white skin.
                EXPECT_GT(c.b, c.r + 30) << where;
                EXPECT_GT(c.b, 60) << where;
                EXPECT_LT(c.r, 120) << where;
            } else {
                EXPECT_GT(c.g, c.b + 40) << where;
                EXPECT_GT(c.g, c.r + 40) << where;
                EXPECT_GT(c.g, 90) << where;
                EXPECT_LT(c.r, 120) << where;
            }
        }
        // The neighbours were posed on the skeleton itself; its pose is back as it was.
        EXPECT_EQ(arm->endX, poseEndX) << step.step;
        EXPECT_EQ(arm->endY, poseEndY) << step.step;
        EXPECT_EQ(arm->relativeAngle, 0) << step.step;
    }
    // For the eye: both layers with the onion skin.
    g_Editor.Playing = false;
    g_Editor.onionSkin = true;
    g_Editor.ViewFlags = kViewBones | kViewSkins;
    DrawSkeletonView(g_EditorDialog[kViewEntry]);
    SaveScreenshot("editor_onion_both");

    // A set of one frame has no neighbours.
    skeleton.DeleteFrame(0, 2);
    skeleton.DeleteFrame(0, 0);
    JumpTo(0, 0);
    g_Editor.ViewFlags = kViewBones;
    DrawSkeletonView(g_EditorDialog[kViewEntry]);
    for (const auto& at : {std::pair<int, int> {320, 240}, {320, 360}, {320, 270}})
        EXPECT_EQ(ChannelsAt(at.first, at.second).b, 0) << at.first << ", " << at.second;
}

TEST_F(EditorTest, BonesPanelScrollsAndKeepsTheSelectedBoneInView)
{
    // 100 bones in a panel of 519 pixels: 33 rows of 15 shown, the top row 0 .. 67.
    Skeleton& skeleton = *g_Editor.skeleton;
    for (int i = 1; i < 100; ++i)
        skeleton.AddBone(skeleton.Root(), "Bone " + std::to_string(i), 0, 10);
    ShowPanel(1);
    DIALOG& panel = g_EditorDialog[kBonePanelEntry];
    DIALOG& router = g_EditorDialog[kPanelRouterEntry];
    panel.d2 = 0;
    EXPECT_EQ(PanelRouterProc(MSG_WANTFOCUS, &router, 0), D_WANTFOCUS);
    const int barX = panel.x + panel.w - 8, rowX = panel.x + 40;
    auto rowY = [&](int slot) { return panel.y + 10 + 15 * slot + 7; };
    enum Step { kSelect, kWheel, kRouterWheel, kClick, kDraw };
    const struct {
        Step step;
        int a, b;           // bone to select / wheel steps / click x and y
        int top;            // the panel's top row afterwards
        int selected;       // the selected bone's row afterwards
    } steps[] = {
        {kSelect, 0, 0, 0, 0},
        {kWheel, -5, 0, 5, 0},
        {kDraw, 0, 0, 5, 0},               // the selection rests: the list stays scrolled
        {kSelect, 99, 0, 67, 99},          // the last bone brings the end into view
        {kWheel, 1000, 0, 0, 99},
        {kWheel, 1, 0, 0, 99},
        {kClick, barX, panel.y + panel.h - 2, 67, 99},
        {kClick, barX, panel.y + 2, 0, 99},
        {kRouterWheel, -3, 0, 3, 99},
        {kClick, rowX, rowY(2), 3, 5},     // a click selects the row shown there
        {kSelect, 40, 0, 8, 40},           // below the rows shown: just far enough down
        {kSelect, 2, 0, 2, 2},             // above them: just far enough up
        {kRouterWheel, -100, 0, 67, 2},
        {kClick, rowX, rowY(32), 67, 99},
        {kClick, rowX, rowY(33), 67, 99},  // below the last whole row: nothing
    };
    for (const auto& s : steps) {
        switch (s.step) {
        case kSelect: g_Editor.SelectedBone = skeleton.GetBoneByIndex(s.a); break;
        case kWheel: BonePanelProc(MSG_WHEEL, &panel, s.a); break;
        case kRouterWheel: PanelRouterProc(MSG_WHEEL, &router, s.a); break;
        case kClick: ClickAt(router, s.a, s.b); break;
        case kDraw: break;
        }
        rl::Canvas::Fill(0, 0, 0, 1);
        BonePanelProc(MSG_DRAW, &panel, 0);
        const std::string name = "step " + std::to_string(&s - steps);
        EXPECT_EQ(panel.d2, s.top) << name;
        EXPECT_EQ(skeleton.BoneIndex(g_Editor.SelectedBone), s.selected) << name;
        // The selected row's bar shows where the row is, and only there.
        const int slot = s.selected - s.top;
        const bool shown = slot >= 0 && slot < 33;
        if (shown) {
            EXPECT_EQ(ColourName(Pixel(rowX + 100, panel.y + 13 + 15 * slot + 7)), "#000000") << name;
        }
        const int bars = CountColour(rowX + 100, panel.y + 13, 1, 33 * 15, Rgb(0, 0, 0));
        EXPECT_EQ(bars, shown ? 15 : 0) << name;
    }
    SaveScreenshot("bones_panel_scrolled");
}

} // namespace
