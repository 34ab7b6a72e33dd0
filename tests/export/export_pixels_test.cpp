// An exported frame is what the rendering layer draws: the Jungle Explorer exported without a
// display, at the stored frames, against the same poses drawn in process on the screen (under
// Xvfb) through the same skeleton drawing, pixel for pixel, with nothing drawn outside the canvas.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

#include "core/Clock.h"
#include "export/PngWriter.h"
#include "resources/RLBMPPlugin.h"
#include "resources/ResourceManager.h"
#include "rl/Canvas.h"
#include "rl/Layer.h"
#include "skeleton/Skeleton.h"
#include "tests/export/ExportRun.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

// What one comparison needs: the exported frames and where their origin lies.
struct Exported {
    std::string folder;
    int originX = 0, originY = 0;
    int width = 0, height = 0;
};

// Exports without a display from a private copy of the program, at 4 frames a second: with the
// editor's 250 ms a blend, sample k of a set is then exactly its stored frame k.
Exported ExportJungle(const TempFolder& folder, const char* scale, const std::vector<std::string>& sets)
{
    Exported exported;
    InstallExporter(folder.Path());
    exported.folder = folder.File("out");
    std::vector<std::string> args = {SourceDir() + "/Game Data/Skeletons/Jungle Explorer.txt", "--fps", "4", "--scale",
                                     scale, "--sheet", "--out", exported.folder};
    args.insert(args.end(), sets.begin(), sets.end());
    const ExportRun run = RunExporter(folder.Path(), args);
    EXPECT_EQ(run.status, 0) << run.errors;
    const std::string atlas = ReadFile(exported.folder + "/Jungle Explorer.json");
    const size_t at = atlas.find("\"origin\": ");
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos)
        std::sscanf(atlas.c_str() + at, "\"origin\": {\"x\": %d, \"y\": %d}", &exported.originX, &exported.originY);
    std::sscanf(atlas.c_str(), "{\n  \"frames\": [\n    {\"filename\": \"%*[^\"]\", \"frame\": {\"x\": 0, \"y\": 0, \"w\": %d, \"h\": %d}",
                &exported.width, &exported.height);
    return exported;
}

// Draws every exported frame's pose in process on a screen of the canvas's own size (the same
// size gives the same arithmetic, so the same pixels) and compares. Then draws each pose again
// moved by a whole canvas in each of the eight directions: whatever lay outside the canvas would
// come into view.
void CompareWithScreen(const Exported& exported, float scale, const std::string& onlySet, int expectedFrames)
{
    ASSERT_GT(exported.width, 0);
    const int w = exported.width, h = exported.height;
    ASSERT_TRUE(rl::InitProgram(true, true, true) && rl::InitScreen(w, h, false, 32, 8, 0)) << ReadFile("renderlayer.log");
    RLBMPPlugin png;
    ResourceManager manager;
    manager.AddPlugin("PNG", &png);
    g_ResourceManager = &manager;
    TimerTicked = 0;
    rl::SetCoverageAlpha(true);
    Skeleton skeleton;
    ASSERT_EQ(skeleton.Load(SourceDir() + "/Game Data/Skeletons/Jungle Explorer.txt"), 0);

    int compared = 0;
    const float x = static_cast<float>(exported.originX), y = static_cast<float>(exported.originY);
    for (int s = 0; s < skeleton.FrameSetCount(); ++s) {
        const SkeletonFrameSet* set = skeleton.GetFrameSet(s);
        if (!onlySet.empty() && set->name != onlySet)
            continue;
        for (int k = 0; k < set->FrameCount(); ++k) {
            char name[256];
            std::snprintf(name, sizeof name, "/Jungle Explorer-%s-%03d.png", set->name.c_str(), k);
            const PngPixels frame = ReadPngPixels(exported.folder + name);
            ASSERT_EQ(frame.width, w) << name;
            ASSERT_EQ(frame.height, h) << name;

            skeleton.SetPose(s, k, s, k, 1);
            skeleton.UpdatePositions();
            rl::Canvas::Fill(0, 0, 0, 0);
            skeleton.DrawSkinsScaled(x, y, scale, 0);
            std::vector<uint32_t> screen = rl::Canvas::ReadPixels(0, 0, w, h);
            ToStraightAlpha(screen);
            int different = 0, inexact = 0, covered = 0;
            for (int py = 0; py < h; ++py)
                for (int px = 0; px < w; ++px) {
                    const uint32_t p = screen[static_cast<size_t>(py) * w + px];
                    covered += p >> 24 == 255;
                    // The window's buffer and the off-screen one are stored in different channel
                    // orders, and the software renderer's blending rounds a few overlapping edge
                    // pixels one step apart between the two; nothing else may differ.
                    const uint32_t q = frame.At(px, py);
                    inexact += p != q;
                    if ((!Near(p, q, 1) || std::abs(int(p >> 24) - int(q >> 24)) > 1) && different++ < 3)
                        ADD_FAILURE() << name << " (" << px << ", " << py << "): screen " << std::hex << p
                                      << ", exported " << frame.At(px, py) << std::dec;
                }
            EXPECT_EQ(different, 0) << name;
            EXPECT_LE(inexact, w * h / 500) << name;
            // The pose was drawn at all, and its skins are opaque inside.
            EXPECT_GT(covered, w * h / 10) << name;

            int outside = 0;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy) {
                    if (!dx && !dy)
                        continue;
                    rl::Canvas::Fill(0, 0, 0, 0);
                    skeleton.DrawSkinsScaled(x + dx * w, y + dy * h, scale, 0);
                    for (uint32_t p : rl::Canvas::ReadPixels(0, 0, w, h))
                        outside += p >> 24 != 0;
                }
            EXPECT_EQ(outside, 0) << name;
            ++compared;
        }
    }
    EXPECT_EQ(compared, expectedFrames);
    skeleton.Reset();
    rl::SetCoverageAlpha(false);
    g_ResourceManager = nullptr;
}

} // namespace

TEST(ExportedPixels, EveryStoredFrameEqualsThePoseDrawnOnTheScreen)
{
    TempFolder folder;
    const Exported exported = ExportJungle(folder, "1", {});
    // Skins are found from the program's folder, as the exporter finds them.
    ASSERT_EQ(chdir(folder.File("bin").c_str()), 0);
    CompareWithScreen(exported, 1, "", 8 + 4 + 4);
}

TEST(ExportedPixels, ScaledFramesOfOneSetEqualThePoseDrawnOnTheScreen)
{
    TempFolder folder;
    const Exported exported = ExportJungle(folder, "2", {"--set", "Wave"});
    ASSERT_EQ(chdir(folder.File("bin").c_str()), 0);
    CompareWithScreen(exported, 2, "Wave", 4);
}
