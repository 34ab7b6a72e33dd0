#include "graphics/AnyGraphics.h"

#include <allegro.h>
#include <loadpng.h>

#include "core/Clock.h"
#include "graphics/Animation.h"
#include "rl/Bitmap.h"
#include "tests/graphics/SpriteTest.h"

using testsupport::ColourName;
using testsupport::Rgb;

namespace {

constexpr uint32_t kBlue = Rgb(0, 0, 255), kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0);

class SpriteDrawingTest : public SpriteTest {
protected:
    // A 20 x 10 blue picture with one red texel at (2, 1), as a one-picture sprite.
    AnyGraphics& Marked()
    {
        Marker("marked.png", 20, 10, 2, 1);
        EXPECT_EQ(marked.Load("marked.png"), 0);
        return marked;
    }
    static void Marker(const std::string& name, int w, int h, int markX, int markY)
    {
        ASSERT_TRUE(testsupport::WritePng(name, w, h, [=](int x, int y) { return x == markX && y == markY ? kRed : kBlue; }));
    }
    void ExpectColour(int x, int y, uint32_t colour, const std::string& what)
    {
        EXPECT_EQ(ColourName(At(x, y)), ColourName(colour)) << what << " at (" << x << ", " << y << ")";
    }
    AnyGraphics marked;
};

} // namespace

TEST_F(SpriteDrawingTest, DrawFrameAtItsOwnSize)
{
    AnyGraphics& sprite = Marked();
    EXPECT_EQ(sprite.DrawFrame(0, 0, 100, 50), 0);
    const PixelBox box = Find(kBlue);
    EXPECT_EQ(box.left, 100);
    EXPECT_EQ(box.top, 50);
    EXPECT_EQ(box.Width(), 20);
    EXPECT_EQ(box.Height(), 10);
    ExpectColour(102, 51, kRed, "marker");
}

TEST_F(SpriteDrawingTest, ScaledSizesRoundUpToWholePixels)
{
    Solid("odd.png", 15, 9, kGreen);
    AnyGraphics sprite;
    ASSERT_EQ(sprite.Load("odd.png"), 0);
    const struct {
        float scale;
        int width, height;
    } cases[] = {{0.5f, 8, 5}, {0.35f, 6, 4}, {1.0f, 15, 9}, {2.0f, 30, 18}, {0.1f, 2, 1}, {1.5f, 23, 14}};
    for (const auto& c : cases) {
        Clear();
        EXPECT_EQ(sprite.DrawFrameScaled(0, 0, 40, 30, c.scale, 0), 0);
        const PixelBox box = Find(kGreen);
        EXPECT_EQ(box.left, 40) << c.scale;
        EXPECT_EQ(box.top, 30) << c.scale;
        EXPECT_EQ(box.Width(), c.width) << c.scale;
        EXPECT_EQ(box.Height(), c.height) << c.scale;
        EXPECT_EQ(box.count, c.width * c.height) << c.scale;
    }
}

TEST_F(SpriteDrawingTest, ScaledMirrorModes)
{
    AnyGraphics& sprite = Marked();
    sprite.DrawFrameScaled(0, 0, 100, 100, 2.0f, 0);
    ExpectColour(104, 102, kRed, "unmirrored marker");
    Clear();
    sprite.DrawFrameScaled(0, 0, 100, 100, 2.0f, 1);
    // Column 2 of 20 mirrored is column 17: x 134..135 at scale 2; rows stay.
    ExpectColour(134, 102, kRed, "mirrored marker");
    ExpectColour(104, 102, kBlue, "mirrored, where the marker was");
    for (int mirror : {2, -1, 7}) {
        Clear();
        EXPECT_EQ(sprite.DrawFrameScaled(0, 0, 100, 100, 2.0f, mirror), 0) << mirror;
        EXPECT_EQ(Drawn(), 0) << mirror;
    }
}

TEST_F(SpriteDrawingTest, RotatedDrawsTurnAboutTheirPivot)
{
    AnyGraphics& sprite = Marked();
    // Pivot offsets (-5, 3) on the 20 x 10 picture; the pivot goes to (300, 200).
    const struct {
        const char* what;
        float angle;
        bool flip;
        int left, top, width, height;   // the picture's box on screen
        int markerX, markerY;
    } cases[] = {
        // pivot (15, 3): top-left at (285, 197); the marker texel (2, 1) at (287, 198)
        {"plain", 0, false, 285, 197, 20, 10, 287, 198},
        // flipped: pivot (15, 10 - 3 = 7), top-left (285, 193); marker row 1 becomes row 8
        {"flipped", 0, true, 285, 193, 20, 10, 287, 201},
        // a quarter turn clockwise: (dx, dy) from the pivot goes to (-dy, dx); the marker's centre
        // (-12.5, -1.5) lands at (301.5, 187.5)
        {"quarter turn", 90, false, 293, 185, 10, 20, 301, 187},
        // flipped, then turned: marker centre (-12.5, 8.5 - 7 = 1.5) lands at (298.5, 187.5)
        {"flipped quarter turn", 90, true, 297, 185, 10, 20, 298, 187},
    };
    for (const auto& c : cases) {
        Clear();
        EXPECT_EQ(sprite.DrawFrameRotated(0, 0, 300, 200, -5, 3, c.angle, c.flip), 0) << c.what;
        const PixelBox box = Find(kBlue);
        EXPECT_EQ(box.left, c.left) << c.what;
        EXPECT_EQ(box.top, c.top) << c.what;
        EXPECT_EQ(box.Width(), c.width) << c.what;
        EXPECT_EQ(box.Height(), c.height) << c.what;
        ExpectColour(c.markerX, c.markerY, kRed, c.what);
    }
}

TEST_F(SpriteDrawingTest, RotatedScaledPivotForEachFlipType)
{
    AnyGraphics& sprite = Marked();
    // Scale 2 on the 20 x 10 picture (40 x 20 on screen), offsets (-5, 3), pivot placed at (300, 200);
    // the pivot is given in the picture's pixels and scales with it.
    const struct {
        const char* what;
        int flipType;
        float angle;
        int left, top;
        int markerX, markerY;   // one of the marker's four screen pixels
    } cases[] = {
        // pivot (15, 3) -> (30, 6) on screen: top-left (270, 194); marker (2, 1) at (274, 196)
        {"type 0", 0, 0, 270, 194, 274, 196},
        // pivot (15, 10 - 3) -> (30, 14): top-left (270, 186); marker row 8 at y 202
        {"type 1", 1, 0, 270, 186, 274, 202},
        // pivot (15, 10 * 2 - 3 = 17) -> (30, 34): top-left (270, 166); marker column 17 at x 304
        {"type 2", 2, 0, 270, 166, 304, 168},
        // type 0 a quarter turn: marker centre (5 - 30, 3 - 6) = (-25, -3) lands at (303, 175)
        {"type 0 quarter turn", 0, 90, 286, 170, 303, 175},
    };
    for (const auto& c : cases) {
        Clear();
        EXPECT_EQ(sprite.DrawFrameRotatedScaled(0, 0, 300, 200, 2.0f, c.angle, -5, 3, c.flipType), 0) << c.what;
        const PixelBox box = Find(kBlue);
        EXPECT_EQ(box.left, c.left) << c.what;
        EXPECT_EQ(box.top, c.top) << c.what;
        EXPECT_EQ(box.count + Find(kRed).count, 40 * 20) << c.what;
        ExpectColour(c.markerX, c.markerY, kRed, c.what);
    }
    for (int flipType : {3, -1}) {
        Clear();
        EXPECT_EQ(sprite.DrawFrameRotatedScaled(0, 0, 300, 200, 2.0f, 0, -5, 3, flipType), 0) << flipType;
        EXPECT_EQ(Drawn(), 0) << flipType;
    }
}

TEST_F(SpriteDrawingTest, ScaleKeepsItsFractionInRotatedDraws)
{
    Solid("odd.png", 15, 9, kGreen);
    AnyGraphics sprite;
    ASSERT_EQ(sprite.Load("odd.png"), 0);
    // 15 x 9 at 0.45 is 6.75 x 4.05, covering the centres of 7 x 4 pixels; the plain scaled draw
    // rounds the same up to 7 x 5.
    sprite.DrawFrameRotatedScaled(0, 0, 100, 100, 0.45f, 0, -15, 0, 0);
    const PixelBox box = Find(kGreen);
    EXPECT_EQ(box.left, 100);
    EXPECT_EQ(box.top, 100);
    EXPECT_EQ(box.Width(), 7);
    EXPECT_EQ(box.Height(), 4);
    Clear();
    sprite.DrawFrameScaled(0, 0, 100, 100, 0.45f, 0);
    EXPECT_EQ(Find(kGreen).Height(), 5);
}

TEST_F(SpriteDrawingTest, OutOfRangeIndicesDrawNothing)
{
    AnyGraphics& sprite = Marked();
    const int indices[][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {INT_MAX, 0}, {0, INT_MIN}};
    for (const auto& at : indices) {
        const int set = at[0], frame = at[1];
        EXPECT_EQ(sprite.DrawFrame(set, frame, 10, 10), 1) << set << ", " << frame;
        EXPECT_EQ(sprite.DrawFrameScaled(set, frame, 10, 10, 1.0f, 0), 1) << set << ", " << frame;
        EXPECT_EQ(sprite.DrawFrameRotated(set, frame, 10, 10, 0, 0, 0, false), 1) << set << ", " << frame;
        EXPECT_EQ(sprite.DrawFrameRotatedScaled(set, frame, 10, 10, 1.0f, 0, 0, 0, 0), 1) << set << ", " << frame;
    }
    // A frame without an image, and pictures that found nothing.
    AnyGraphics empty, nothing;
    empty.CreateFrameSets(1);
    empty.frameSets[0].CreateFrames(1);
    nothing.Load("no such sprite");
    for (const AnyGraphics* graphics : {&empty, &nothing}) {
        EXPECT_EQ(graphics->DrawFrame(0, 0, 10, 10), 1);
        EXPECT_EQ(graphics->DrawFrameScaled(0, 0, 10, 10, 1.0f, 0), 1);
        EXPECT_EQ(graphics->DrawFrameRotated(0, 0, 10, 10, 0, 0, 0, true), 1);
        EXPECT_EQ(graphics->DrawFrameRotatedScaled(0, 0, 10, 10, 1.0f, 0, 0, 0, 1), 1);
    }
    EXPECT_EQ(Drawn(), 0);
}

TEST_F(SpriteDrawingTest, AnimationDrawsTheFrameThatIsShowing)
{
    Solid("Lamp-a-00.png", 4, 4, kRed);
    Solid("Lamp-a-01.png", 4, 4, kGreen);
    testsupport::WriteFile("Lamp-a.txt", "100\n100\n");
    AnyGraphics lamp;
    ASSERT_EQ(lamp.Load("Lamp"), 0);
    ElapsedMs = 0;
    TimerTicked = 1;
    Animation animation;
    animation.SetupAnims(&lamp);
    const struct {
        int32_t clock;
        uint32_t colour;
    } steps[] = {{50, kRed}, {110, kGreen}, {200, kGreen}, {220, kRed}};
    for (const auto& step : steps) {
        ElapsedMs = step.clock;
        Clear();
        EXPECT_EQ(animation.Draw(10, 10), 0);
        ExpectColour(13, 13, step.colour, "clock " + std::to_string(step.clock));
    }
    Clear();
    EXPECT_EQ(animation.DrawScaled(10, 10, 0, 3.0f), 0);
    EXPECT_EQ(Find(kRed).count, 12 * 12);
}

// Draws one arrow sprite plainly, scaled, mirrored, rotated and flipped; the picture is kept when
// MARL_SCREENSHOT_DIR names a folder (to look at it).
TEST_F(SpriteDrawingTest, Gallery)
{
    // An arrow pointing right: a yellow shaft, a red head, a white tip mark at the top.
    ASSERT_TRUE(testsupport::WritePng("Arrow-a-00.png", 40, 20, [](int x, int y) {
        if (x < 26 && y >= 8 && y < 12)
            return Rgb(255, 220, 0);
        if (x >= 26 && std::abs(y - 10) <= (40 - x) * 10 / 14)
            return x >= 36 && y < 10 ? Rgb(255, 255, 255) : Rgb(230, 30, 30);
        return testsupport::Argb(0, 0, 0, 0);
    }));
    AnyGraphics arrow;
    ASSERT_EQ(arrow.Load("Arrow"), 0);
    rl::Canvas::Fill(0.15f, 0.2f, 0.3f, 1);
    EXPECT_EQ(arrow.DrawFrame(0, 0, 40, 40), 0);
    EXPECT_EQ(arrow.DrawFrameScaled(0, 0, 120, 40, 2.0f, 0), 0);
    EXPECT_EQ(arrow.DrawFrameScaled(0, 0, 240, 40, 2.0f, 1), 0);
    EXPECT_EQ(arrow.DrawFrameScaled(0, 0, 360, 40, 0.5f, 0), 0);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(arrow.DrawFrameRotated(0, 0, 150, 250, -40, 10, i * 45.0f, false), 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(arrow.DrawFrameRotated(0, 0, 400, 250, -40, 10, i * 90.0f, true), 0);
    for (int type = 0; type < 3; ++type)
        EXPECT_EQ(arrow.DrawFrameRotatedScaled(0, 0, 600, 150 + type * 150, 1.5f, 30, -40, 10, type), 0);
    // The plain arrow's head and shaft where they were painted.
    ExpectColour(40 + 5, 40 + 10, Rgb(255, 220, 0), "shaft");
    ExpectColour(40 + 30, 40 + 10, Rgb(230, 30, 30), "head");
    if (const char* dir = std::getenv("MARL_SCREENSHOT_DIR")) {
        const std::vector<uint32_t> pixels = rl::Canvas::ReadPixels(0, 0, 800, 600);
        EXPECT_TRUE(testsupport::WritePng(std::string(dir) + "/sprite_gallery.png", 800, 600,
                                          [&](int x, int y) { return pixels[y * 800 + x] | 0xFF000000u; }));
    }
}
