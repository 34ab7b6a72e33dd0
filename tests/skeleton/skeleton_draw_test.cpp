// Drawing skeletons on the real screen (under Xvfb): skins plain, mirrored and scaled, at whole
// pixels, hidden skins, and the editor overlay's sizes and colours. Pixels are read back from the
// frame being drawn.
#include <cstdlib>
#include <gtest/gtest.h>

#include "core/Alert.h"
#include "core/Clock.h"
#include "resources/RLBMPPlugin.h"
#include "resources/ResourceManager.h"
#include "rl/Canvas.h"
#include "skeleton/Skeleton.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

// A 20 x 10 skin in four colours: red top left, blue top right, green bottom left, white bottom
// right; authored pointing right, so the bone's end is at its right edge.
uint32_t Quadrants(int x, int y)
{
    if (y < 5)
        return x < 10 ? Rgb(255, 0, 0) : Rgb(0, 0, 255);
    return x < 10 ? Rgb(0, 255, 0) : Rgb(255, 255, 255);
}

struct SkeletonDrawing : ScreenTest {
    RLBMPPlugin png;
    ResourceManager manager;
    Skeleton skeleton;

    void SetUp() override
    {
        ScreenTest::SetUp();
        manager.AddPlugin("PNG", &png);
        g_ResourceManager = &manager;
        TimerTicked = 0;
        ASSERT_TRUE(WritePng("skin.png", 20, 10, Quadrants));
    }
    void TearDown() override
    {
        skeleton.Reset();   // skins go before the manager that holds their pictures
        g_ResourceManager = nullptr;
    }

    // Saves the top-left 300 x 250 pixels as a picture when MARL_SKELETON_SHOTS names a folder.
    void Shot(const std::string& name)
    {
        const char* folder = std::getenv("MARL_SKELETON_SHOTS");
        if (!folder)
            return;
        const std::vector<uint32_t> pixels = rl::Canvas::ReadPixels(0, 0, 300, 250);
        WritePng(std::string(folder) + "/" + name + ".png", 300, 250,
                 [&](int x, int y) { return pixels[static_cast<size_t>(y * 300 + x)] | 0xff000000u; });
    }

    Bone* Skin(Bone* bone)
    {
        bone->skinPath = "skin.png";
        bone->LoadSkin();
        EXPECT_TRUE(bone->skin.HasGraphics());
        return bone;
    }
};

struct Probe {
    int x, y;
    uint32_t colour;
};

void ExpectPixels(const std::vector<Probe>& probes, const std::string& what)
{
    for (const Probe& p : probes) {
        const uint32_t got = rl::Canvas::ReadPixel(p.x, p.y);
        EXPECT_TRUE(Near(got, p.colour, 3))
            << what << " at (" << p.x << ", " << p.y << "): " << ColourName(got) << ", wanted " << ColourName(p.colour);
    }
}

const uint32_t kRed = Rgb(255, 0, 0), kBlue = Rgb(0, 0, 255), kGreen = Rgb(0, 255, 0), kWhite = Rgb(255, 255, 255),
               kBlack = Rgb(0, 0, 0);

TEST_F(SkeletonDrawing, SkinsLieAlongTheirBonesAndMirrorAboutTheSkeleton)
{
    Skin(skeleton.GetBoneByIndex(0));   // the trunk ends at (20, 0), pointing right
    skeleton.UpdatePositions();

    skeleton.DrawSkins(100, 100, 0);
    Shot("skins-plain");
    // The picture ends at the bone's end (120, 100) and hangs below the bone line.
    ExpectPixels({{102, 102, kRed}, {117, 102, kBlue}, {102, 107, kGreen}, {117, 107, kWhite},
                  {98, 102, kBlack}, {122, 102, kBlack}, {110, 98, kBlack}},
                 "plain");

    rl::Canvas::Fill(0, 0, 0, 1);
    skeleton.DrawSkins(100, 100, 1);
    Shot("skins-mirrored");
    // Mirrored the end lands at x + 40 - end x = 120 and the picture runs on to the right,
    // reversed left to right, still hanging below.
    ExpectPixels({{137, 102, kRed}, {122, 102, kBlue}, {137, 107, kGreen}, {122, 107, kWhite},
                  {118, 102, kBlack}, {142, 102, kBlack}},
                 "mirrored");

    // Even mirror values do not flip: the picture is turned half round about its end instead.
    rl::Canvas::Fill(0, 0, 0, 1);
    skeleton.DrawSkins(100, 100, 2);
    ExpectPixels({{137, 97, kRed}, {122, 97, kBlue}, {137, 92, kGreen}, {122, 92, kWhite}}, "mirrored 2");
}

TEST_F(SkeletonDrawing, SkinsThatCannotBeReadLeaveNoSkinAndTheEditorRunning)
{
    const std::string good = ReadFile("skin.png");
    std::string huge = good;
    huge[16] = huge[17] = 0;
    huge[18] = 0x75;   // 30000 pixels wide
    huge[19] = 0x30;
    WriteFile("cut.png", good.substr(0, good.size() / 2));
    WriteFile("text.png", "not a picture at all");
    WriteFile("empty.png", "");
    WriteFile("huge.png", huge);
    WriteFile("Arm-a-00.png", good);
    WriteFile("Arm-a-01.png", "not a picture either");
    ClearRecordedAlerts();
    const struct {
        const char* path;
        const char* kept;   // the skin path afterwards
    } cases[] = {
        {"cut.png", "NO SKIN"}, {"text.png", "NO SKIN"}, {"empty.png", "NO SKIN"},
        {"huge.png", "NO SKIN"}, {"Arm", "NO SKIN"},   {"skin.png", "skin.png"},
    };
    Bone* bone = skeleton.AddBone(skeleton.Root(), "Arm", 0, 20)->bone;
    for (const auto& c : cases) {
        ClearRecordedAlerts();
        bone->skinPath = c.path;
        bone->LoadSkin();
        EXPECT_EQ(bone->skinPath, c.kept) << c.path;
        const bool failed = std::string(c.kept) == "NO SKIN";
        EXPECT_EQ(bone->skin.HasGraphics(), !failed) << c.path;
        EXPECT_EQ(RecordedAlerts().size(), failed ? 1u : 0u) << c.path;
    }
    skeleton.UpdatePositions();
    skeleton.DrawSkins(100, 100, 0);
}

TEST_F(SkeletonDrawing, SkinsTurnWithTheirBonesAndKeepTheirOffsets)
{
    Bone* body = Skin(skeleton.AddBone(skeleton.Root(), "Body", 90, 20)->bone);   // (20, 0) to (20, 20)
    body->skinOffsetX = -5;   // the bone's end is 5 pixels in from the picture's right edge
    skeleton.UpdatePositions();
    skeleton.DrawSkins(100, 100, 0);
    Shot("skins-turned");
    // Pointing down, the picture's top edge along the bone (x = 120), reaching 5 past the end
    // (120, 120): from y = 105 to 125, its top rows to the right.
    ExpectPixels({{118, 108, kRed}, {118, 122, kBlue}, {112, 108, kGreen}, {112, 122, kWhite},
                  {118, 103, kBlack}, {118, 127, kBlack}, {108, 110, kBlack}, {122, 110, kBlack}},
                 "turned");
}

TEST_F(SkeletonDrawing, PositionsAreCutToWholePixels)
{
    Skin(skeleton.GetBoneByIndex(0));
    skeleton.GetBoneByIndex(0)->skinOffsetY = 2.9f;
    skeleton.UpdatePositions();
    skeleton.DrawSkins(100, 100, 0);
    const std::vector<uint32_t> whole = rl::Canvas::ReadPixels(90, 80, 50, 40);
    rl::Canvas::Fill(0, 0, 0, 1);
    skeleton.DrawSkins(100.9f, 100.9f, 0);
    EXPECT_EQ(rl::Canvas::ReadPixels(90, 80, 50, 40), whole);
    // The offset counts as 2: the picture starts 2 rows higher than without it.
    ExpectPixels({{102, 98, kRed}, {102, 97, kBlack}}, "offset");
}

TEST_F(SkeletonDrawing, ScaledSkinsAndTheirFlipModes)
{
    Bone* trunk = Skin(skeleton.GetBoneByIndex(0));
    skeleton.UpdatePositions();

    skeleton.DrawSkinsScaled(100, 100, 2, 0);
    Shot("skins-scaled");
    // Twice the size, ending at (100 + 2 * 20, 100).
    ExpectPixels({{103, 103, kRed}, {137, 103, kBlue}, {103, 117, kGreen}, {137, 117, kWhite}, {142, 103, kBlack}},
                 "scaled");

    rl::Canvas::Fill(0, 0, 0, 1);
    skeleton.DrawSkinsScaled(100, 100, 1, 1);   // flip mode 1: mirrored top to bottom, turned half round
    ExpectPixels({{82, 102, kBlue}, {97, 102, kRed}, {82, 107, kWhite}, {97, 107, kGreen}}, "scaled mirrored 1");

    trunk->mirrorFlipMode = 3;   // no such mode: nothing at all
    rl::Canvas::Fill(0, 0, 0, 1);
    skeleton.DrawSkinsScaled(100, 100, 1, 1);
    ExpectPixels({{82, 102, kBlack}, {97, 102, kBlack}, {82, 97, kBlack}, {97, 97, kBlack}}, "scaled mirrored 3");
}

TEST_F(SkeletonDrawing, HiddenSkinsAreNotDrawn)
{
    Bone* trunk = Skin(skeleton.GetBoneByIndex(0));
    skeleton.UpdatePositions();
    trunk->skinVisible = false;
    skeleton.DrawSkins(100, 100, 0);
    skeleton.DrawSkinsScaled(100, 100, 2, 0);
    ExpectPixels({{102, 102, kBlack}, {117, 107, kBlack}, {137, 117, kBlack}}, "hidden");
}

TEST_F(SkeletonDrawing, OverlayShowsJointsBonesAndTheSelection)
{
    // Trunk (0, 0) to (40, 0); Body from there 60 down.
    skeleton.GetBoneByIndex(0)->length = 40;
    Bone* trunk = skeleton.GetBoneByIndex(0);
    Bone* body = skeleton.AddBone(skeleton.Root(), "Body", 90, 60)->bone;
    skeleton.UpdatePositions();
    const uint32_t joint = Rgb(150, 150, 150);
    struct Case {
        const Bone* selected;
        bool trunkSkinShown;
        uint32_t trunkEnd, trunkLine, bodyEnd, bodyLine;
    };
    const Case cases[] = {
        {nullptr, true, Rgb(150, 0, 0), Rgb(0, 150, 0), Rgb(150, 0, 0), Rgb(0, 150, 0)},
        {nullptr, false, Rgb(150, 81, 0), Rgb(0, 150, 0), Rgb(150, 0, 0), Rgb(0, 150, 0)},
        {trunk, true, Rgb(255, 255, 0), Rgb(0, 255, 160), Rgb(150, 0, 0), Rgb(0, 150, 0)},
        {trunk, false, Rgb(255, 206, 149), Rgb(0, 255, 160), Rgb(150, 0, 0), Rgb(0, 150, 0)},
        {body, true, Rgb(150, 0, 0), Rgb(0, 150, 0), Rgb(255, 255, 0), Rgb(0, 255, 160)},
    };
    for (const Case& c : cases) {
        trunk->skinVisible = c.trunkSkinShown;
        rl::Canvas::Fill(0, 0, 0, 1);
        skeleton.DrawOverlay(1, 100, 100, c.selected);
        Shot(std::string("overlay-") + (c.selected ? c.selected->name : "none") + (c.trunkSkinShown ? "" : "-hidden"));
        ExpectPixels({{100, 93, joint},                  // the trunk's start, radius 10
                      {146, 94, c.trunkEnd},             // the trunk's end at (140, 100)
                      {120, 100, c.trunkLine},           // its line, 3 wide
                      {120, 103, kBlack},
                      {145, 164, c.bodyEnd},             // the body's end at (140, 160)
                      {140, 130, c.bodyLine},
                      {143, 130, kBlack},
                      {100, 111, kBlack}},
                     "selected " + std::string(c.selected ? c.selected->name : "none"));
    }
}

TEST_F(SkeletonDrawing, OverlayShrinksBelowFullZoomOnly)
{
    skeleton.GetBoneByIndex(0)->length = 40;
    skeleton.UpdatePositions();
    skeleton.DrawOverlay(0.5f, 100, 100, nullptr);   // radius 5, line 1.5 wide; the end at (120, 100)
    ExpectPixels({{123, 100, Rgb(150, 0, 0)}, {127, 100, kBlack}, {110, 102, kBlack}}, "half zoom");
    // A line 1.5 wide covers no pixel row fully: three quarters of two rows.
    EXPECT_TRUE(Near(rl::Canvas::ReadPixel(110, 100), Rgb(0, 113, 0), 4)) << ColourName(rl::Canvas::ReadPixel(110, 100));
    rl::Canvas::Fill(0, 0, 0, 1);
    skeleton.DrawOverlay(2, 100, 100, nullptr);      // radius stays 10; the end at (180, 100)
    ExpectPixels({{188, 100, Rgb(150, 0, 0)}, {192, 100, kBlack}, {150, 102, kBlack}}, "double zoom");

    rl::Canvas::Fill(0, 0, 0, 1);
    skeleton.DeleteLimb(skeleton.Root());
    skeleton.DrawOverlay(1, 100, 100, nullptr);       // no root: nothing
    ExpectPixels({{100, 95, kBlack}}, "empty");
}

} // namespace
