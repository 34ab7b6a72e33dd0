#include "rl/Canvas.h"

#include "rl/Bitmap.h"
#include "rl/Colour.h"
#include "rl/Layer.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

class CanvasTest : public ScreenTest {
protected:
    uint32_t At(int x, int y) { return rl::Canvas::ReadPixel(x, y); }
};

} // namespace

TEST_F(CanvasTest, FillTouchesOnlyTheChannelsOfItsModeAndRestoresTheMode)
{
    rl::Canvas::Fill(1, 0, 0, 1);
    EXPECT_EQ(At(5, 5), Argb(255, 255, 0, 0));
    rl::Canvas::Fill(0, 1, 0, 0, rl::COLOUR_CHANNELS);
    EXPECT_EQ(At(5, 5), Argb(255, 0, 255, 0));
    rl::Canvas::Fill(0, 0, 1, 0, rl::ALPHA_CHANNEL);
    EXPECT_EQ(At(5, 5), Argb(0, 0, 255, 0));
    EXPECT_EQ(rl::Canvas::GetChannelMode(), rl::ALL_CHANNELS);

    rl::Canvas::SetChannelMode(rl::COLOUR_CHANNELS);
    rl::Canvas::Fill(0, 0, 0, 1, rl::ALPHA_CHANNEL);
    EXPECT_EQ(At(5, 5), Argb(255, 0, 255, 0));
    EXPECT_EQ(rl::Canvas::GetChannelMode(), rl::COLOUR_CHANNELS);
    rl::Canvas::SetChannelMode(rl::ALL_CHANNELS);
}

TEST_F(CanvasTest, ClipStackRestrictsDrawingAndNests)
{
    ASSERT_TRUE(WritePng(folder.File("white.png"), 4, 4, [](int, int) { return Rgb(255, 255, 255); }));
    rl::Bitmap white(folder.File("white.png"));
    auto drawAll = [&] { white.DrawStretched(0, 0, 800, 600); };
    auto whiteAt = [&](int x, int y) { return (At(x, y) & 0xFFFFFF) == 0xFFFFFF; };

    rl::Canvas::SetClipping(100, 50, 20, 10);
    EXPECT_EQ(rl::Canvas::ClipDepth(), 1);
    drawAll();
    EXPECT_TRUE(whiteAt(100, 50));
    EXPECT_TRUE(whiteAt(119, 59));
    EXPECT_FALSE(whiteAt(99, 50));
    EXPECT_FALSE(whiteAt(120, 50));
    EXPECT_FALSE(whiteAt(100, 60));
    EXPECT_FALSE(whiteAt(100, 49));

    // A nested rectangle only narrows the one below it.
    rl::Canvas::Fill(0, 0, 0, 1);
    rl::Canvas::SetClipping(110, 0, 100, 100);
    drawAll();
    EXPECT_TRUE(whiteAt(110, 50));
    EXPECT_FALSE(whiteAt(125, 50));
    EXPECT_FALSE(whiteAt(110, 49));

    rl::Canvas::RestoreClipping();
    rl::Canvas::Fill(0, 0, 0, 1);
    drawAll();
    EXPECT_TRUE(whiteAt(100, 50));
    EXPECT_FALSE(whiteAt(125, 50));

    // The fill ignores clipping: it clears the whole canvas.
    rl::Canvas::Fill(0, 0, 1, 1);
    EXPECT_EQ(At(700, 500), Argb(255, 0, 0, 255));

    rl::Canvas::DisableClipping();
    EXPECT_EQ(rl::Canvas::ClipDepth(), 0);
    drawAll();
    EXPECT_TRUE(whiteAt(700, 500));
}

TEST_F(CanvasTest, BlendingModesOnAKnownBackground)
{
    // Source: colour (1, 0.5, 0) at alpha 0.5, over the background (0, 0.5, 1).
    ASSERT_TRUE(WritePng(folder.File("src.png"), 2, 2, [](int, int) { return Argb(128, 255, 128, 0); }));
    rl::Bitmap source(folder.File("src.png"));
    struct Case {
        int mode;
        uint32_t expected;
    } cases[] = {
        {0, Rgb(128, 128, 127)},   // src * a + dst * (1 - a)
        {1, Rgb(128, 192, 255)},   // dst + src * a
        {2, Rgb(0, 64, 255)},      // dst * (1 - src colour)
        {3, Rgb(255, 128, 0)},     // copy
        {4, Rgb(255, 255, 255)},   // dst + src
    };
    for (const Case& c : cases) {
        rl::SetBlending(0);
        rl::Canvas::Fill(0, 128 / 255.0f, 1, 1);
        rl::SetBlending(c.mode);
        EXPECT_EQ(rl::Blending(), c.mode);
        source.Draw(10, 10);
        EXPECT_TRUE(Near(At(10, 10), c.expected, 2))
            << "mode " << c.mode << ": " << ColourName(At(10, 10)) << " expected " << ColourName(c.expected);
    }
    rl::SetBlending(99);   // unknown: the current mode stays
    EXPECT_EQ(rl::Blending(), 4);
    rl::SetBlending(0);
}

TEST_F(CanvasTest, ChannelMultipliersTintDrawing)
{
    ASSERT_TRUE(WritePng(folder.File("w.png"), 2, 2, [](int, int) { return Rgb(255, 255, 255); }));
    rl::Bitmap white(folder.File("w.png"));
    rl::SetChannelMultipliers(1, 0.5f, 0, 1);
    white.Draw(0, 0);
    rl::ResetChannelMultipliers();
    white.Draw(4, 0);
    EXPECT_TRUE(Near(At(0, 0), Rgb(255, 128, 0), 1)) << ColourName(At(0, 0));
    EXPECT_TRUE(Near(At(4, 0), Rgb(255, 255, 255), 0));
}

TEST_F(CanvasTest, RenderTargets)
{
    EXPECT_EQ(rl::Canvas::GetTarget(), rl::SCREEN_TARGET);
    rl::Canvas::SetTo(rl::BITMAP_TARGET);
    rl::Canvas::SetTo(7);
    EXPECT_EQ(rl::Canvas::GetTarget(), rl::SCREEN_TARGET);
    const std::string log = ReadFile("renderlayer.log");
    EXPECT_NE(log.find("ERROR: Can't select BITMAP_TARGET as the active rendering target without using the "
                       "overloaded version of Canvas::SetTo"),
              std::string::npos);
    EXPECT_NE(log.find("ERROR: Unknown rendering target in Canvas::SetTo (private): 7"), std::string::npos);

    // Through the frame buffer: what is drawn reaches the window on Refresh.
    rl::Canvas::SetTo(rl::FRAMEBUFFER_TARGET);
    ASSERT_EQ(rl::Canvas::GetTarget(), rl::FRAMEBUFFER_TARGET);
    rl::Canvas::Fill(1, 1, 0, 1);
    rl::Canvas::Refresh();
    rl::Canvas::SetTo(rl::SCREEN_TARGET);
    rl::Canvas::Refresh();   // the copied frame is now in the back buffer again
    EXPECT_EQ(At(400, 300) & 0xFFFFFF, 0xFFFF00u);

    // Into a bitmap: drawing lands in its texture, top row first.
    ASSERT_TRUE(WritePng(folder.File("canvas.png"), 8, 8, [](int, int) { return Rgb(0, 0, 0); }));
    ASSERT_TRUE(WritePng(folder.File("dot.png"), 1, 1, [](int, int) { return Rgb(255, 0, 0); }));
    rl::Bitmap target(folder.File("canvas.png")), dot(folder.File("dot.png"));
    rl::Canvas::SetTo(rl::BITMAP_TARGET, target);
    ASSERT_EQ(rl::Canvas::GetTarget(), rl::BITMAP_TARGET);
    dot.Draw(1, 0);
    EXPECT_EQ(rl::Canvas::ReadPixel(1, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(rl::Canvas::ReadPixel(1, 7) & 0xFFFFFF, 0u);
    rl::Canvas::SetTo(rl::SCREEN_TARGET);
    rl::Canvas::Fill(0, 0, 0, 1);
    target.Draw(100, 100);
    EXPECT_EQ(At(101, 100) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(At(101, 107) & 0xFFFFFF, 0u);
}
