#include "rl/Bitmap.h"

#include <sys/stat.h>

#include <allegro.h>
#include <cmath>

#include "core/Alert.h"
#include "rl/Canvas.h"
#include "rl/Layer.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

constexpr uint32_t kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255),
                   kWhite = Rgb(255, 255, 255), kBlack = Rgb(0, 0, 0);

// A 2 x 2 image: red, green over blue, white.
uint32_t Quadrants(int x, int y) { return y == 0 ? (x == 0 ? kRed : kGreen) : (x == 0 ? kBlue : kWhite); }

class BitmapTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        rl::SetLinearFiltering(false);   // exact texels for the orientation checks
    }
    uint32_t At(int x, int y) { return rl::Canvas::ReadPixel(x, y) | 0xFF000000u; }
    void ExpectColour(int x, int y, uint32_t colour, const std::string& what)
    {
        EXPECT_EQ(ColourName(At(x, y)), ColourName(colour)) << what << " at (" << x << ", " << y << ")";
    }
    std::unique_ptr<rl::Bitmap> Solid(int w, int h, uint32_t colour)
    {
        const std::string name = folder.File("solid.png");
        EXPECT_TRUE(WritePng(name, w, h, [&](int, int) { return colour; }));
        return std::make_unique<rl::Bitmap>(name);
    }
    // Number of pixels in the rectangle with the colour.
    int Count(int x, int y, int w, int h, uint32_t colour)
    {
        int n = 0;
        for (uint32_t p : rl::Canvas::ReadPixels(x, y, w, h))
            n += Near(p, colour, 8);
        return n;
    }
};

} // namespace

TEST_F(BitmapTest, DrawsAtItsPositionAndOwnSize)
{
    const std::string name = folder.File("q.png");
    ASSERT_TRUE(WritePng(name, 2, 2, Quadrants));
    rl::Bitmap bitmap(name);
    ASSERT_TRUE(bitmap.IsValid());
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_FLOAT_EQ(bitmap.DefaultPivotX(), 1);
    bitmap.Draw(10, 20);
    ExpectColour(10, 20, kRed, "top left");
    ExpectColour(11, 20, kGreen, "top right");
    ExpectColour(10, 21, kBlue, "bottom left");
    ExpectColour(11, 21, kWhite, "bottom right");
    ExpectColour(9, 20, kBlack, "left of it");
    ExpectColour(12, 21, kBlack, "right of it");
    ExpectColour(10, 22, kBlack, "below it");
}

TEST_F(BitmapTest, StretchedCoversTheGivenRectangle)
{
    auto bitmap = Solid(3, 3, kRed);
    bitmap->DrawStretched(100, 50, 40, 30);
    EXPECT_EQ(Count(90, 40, 60, 50, kRed), 40 * 30);
    EXPECT_EQ(Count(100, 50, 40, 30, kRed), 40 * 30);
}

TEST_F(BitmapTest, FlipModesMirrorTheImage)
{
    const std::string name = folder.File("q.png");
    ASSERT_TRUE(WritePng(name, 2, 2, Quadrants));
    rl::Bitmap bitmap(name);
    struct Case {
        int mode;
        uint32_t topLeft, topRight, bottomLeft, bottomRight;
    } cases[] = {
        {0, kGreen, kRed, kWhite, kBlue},
        {1, kBlue, kWhite, kRed, kGreen},
        {2, kWhite, kBlue, kGreen, kRed},
    };
    for (const Case& c : cases) {
        rl::Canvas::Fill(0, 0, 0, 1);
        bitmap.DrawStretched(200, 200, 20, 20, rl::FlippedMode(c.mode));
        const std::string what = "flip mode " + std::to_string(c.mode);
        ExpectColour(205, 205, c.topLeft, what);
        ExpectColour(215, 205, c.topRight, what);
        ExpectColour(205, 215, c.bottomLeft, what);
        ExpectColour(215, 215, c.bottomRight, what);
    }
}

TEST_F(BitmapTest, UnknownFlipModeIsLoggedAndDrawsUnmirrored)
{
    const std::string name = folder.File("q.png");
    ASSERT_TRUE(WritePng(name, 2, 2, Quadrants));
    rl::Bitmap bitmap(name);
    bitmap.Draw(0, 0, rl::FlippedMode(3));
    ExpectColour(0, 0, kRed, "unmirrored");
    EXPECT_NE(ReadFile("renderlayer.log").find("ERROR: Unknown enumeration in FlippedMode::Select!"), std::string::npos);
}

TEST_F(BitmapTest, ClippedModeDrawsOnlyTheSubRectangle)
{
    const std::string name = folder.File("q.png");
    ASSERT_TRUE(WritePng(name, 2, 2, Quadrants));
    rl::Bitmap bitmap(name);
    bitmap.Draw(50, 50, rl::ClippedMode(1, 0, 1, 2));
    ExpectColour(50, 50, kGreen, "clipped top");
    ExpectColour(50, 51, kWhite, "clipped bottom");
    ExpectColour(51, 50, kBlack, "outside the clip");
    // A clip larger than the image is cut to it.
    rl::Canvas::Fill(0, 0, 0, 1);
    bitmap.Draw(60, 60, rl::ClippedMode(0, 0, 800, 600));
    EXPECT_EQ(Count(60, 60, 10, 10, kBlack), 100 - 4);
}

TEST_F(BitmapTest, RotatedTurnsClockwiseAboutThePivot)
{
    auto bitmap = Solid(20, 10, kRed);
    // Pivot at the image's top-left corner, a quarter turn: the image hangs below and left.
    bitmap->DrawRotated(100, 100, 0, 0, static_cast<float>(M_PI / 2));
    EXPECT_EQ(Count(90, 100, 10, 20, kRed), 200);
    EXPECT_EQ(Count(100, 90, 20, 10, kRed), 0);
    // Pivot at the image's centre, half a turn: the same rectangle around the pivot.
    rl::Canvas::Fill(0, 0, 0, 1);
    bitmap->DrawRotated(300, 300, 10, 5, static_cast<float>(M_PI));
    EXPECT_EQ(Count(290, 295, 20, 10, kRed), 200);
}

TEST_F(BitmapTest, RotatedStretchedScalesThePivotWithTheImage)
{
    auto bitmap = Solid(20, 10, kRed);
    // Pivot (20, 10) is the bottom-right corner; stretched twice its size, unturned, the image
    // ends at the placement point.
    bitmap->DrawRotatedStretched(200, 200, 40, 20, 20, 10, 0);
    EXPECT_EQ(Count(160, 180, 40, 20, kRed), 800);
    EXPECT_EQ(Count(200, 200, 10, 10, kRed), 0);
}

TEST_F(BitmapTest, OpacityBlendsOverTheBackground)
{
    auto bitmap = Solid(4, 4, kWhite);
    bitmap->Draw(10, 10, 0.5f);
    EXPECT_TRUE(Near(At(11, 11), Rgb(128, 128, 128), 2)) << ColourName(At(11, 11));
}

TEST_F(BitmapTest, AlphaRule)
{
    // 24-bit BMP: opaque. 32-bit PNG with alpha 0 everywhere: opaque. Some alpha: kept.
    ASSERT_TRUE(WriteBmp24(folder.File("a.bmp"), 4, 4, [](int, int) { return Rgb(0, 0, 255); }));
    ASSERT_TRUE(WritePng(folder.File("zero.png"), 4, 4, [](int, int) { return Argb(0, 0, 255, 0); }));
    ASSERT_TRUE(WritePng(folder.File("some.png"), 4, 4,
                         [](int x, int) { return x < 2 ? Argb(0, 255, 0, 0) : Argb(255, 255, 0, 0); }));
    rl::Bitmap bmp(folder.File("a.bmp")), zero(folder.File("zero.png")), some(folder.File("some.png"));
    ASSERT_TRUE(bmp.IsValid() && zero.IsValid() && some.IsValid());
    bmp.Draw(0, 0);
    zero.Draw(10, 0);
    some.Draw(20, 0);
    ExpectColour(1, 1, kBlue, "24-bit BMP");
    ExpectColour(11, 1, kGreen, "PNG without any alpha");
    ExpectColour(20, 1, kBlack, "transparent part");
    ExpectColour(23, 1, kRed, "opaque part");
}

TEST_F(BitmapTest, MissingFileFailsAndDrawsNothing)
{
    rl::Bitmap bitmap(folder.File("missing.png"));
    EXPECT_FALSE(bitmap.IsValid());
    bitmap.Draw(0, 0);
    EXPECT_EQ(Count(0, 0, 50, 50, kBlack), 2500);
    const std::string log = ReadFile("renderlayer.log");
    EXPECT_NE(log.find("Loading bitmap: " + folder.File("missing.png")), std::string::npos);
    EXPECT_NE(log.find("ERROR: No such bitmap!"), std::string::npos);
}

TEST_F(BitmapTest, WhatIsNoPictureOrTooLargeIsRefusedBeforeDecoding)
{
    ASSERT_TRUE(WritePng("small.png", 2, 2, Quadrants));
    std::string header = ReadFile("small.png");
    ASSERT_GT(header.size(), 24u);
    const auto withSize = [&header](uint32_t width, uint32_t height) {
        std::string bytes = header;
        for (int i = 0; i < 4; ++i) {
            bytes[16 + i] = static_cast<char>(width >> (24 - 8 * i));
            bytes[20 + i] = static_cast<char>(height >> (24 - 8 * i));
        }
        return bytes;
    };
    WriteFile("wide.png", withSize(30000, 2));
    WriteFile("tall.png", withSize(2, 16385));
    WriteFile("cut.png", header.substr(0, 20));
    ASSERT_EQ(mkfifo("pipe.png", 0600), 0);
    const struct {
        const char* name;
        bool valid;
        const char* logged;
    } cases[] = {
        {"small.png", true, ""},
        {"wide.png", false, "Picture too large (30000 x 2, more than 16384 pixels a side): wide.png"},
        {"tall.png", false, "Picture too large (2 x 16385, more than 16384 pixels a side): tall.png"},
        {"cut.png", false, "Damaged PNG header: cut.png"},
        {"pipe.png", false, "Not a regular file: pipe.png"},
        {"/dev/zero", false, "Not a regular file: /dev/zero"},
    };
    for (const auto& c : cases) {
        rl::Bitmap bitmap(c.name);
        EXPECT_EQ(bitmap.IsValid(), c.valid) << c.name;
        EXPECT_NE(ReadFile("renderlayer.log").find(c.logged), std::string::npos) << c.name;
    }
}

TEST_F(BitmapTest, UnloadToMemoryAndBackKeepsThePixels)
{
    const std::string name = folder.File("q.png");
    ASSERT_TRUE(WritePng(name, 2, 2, Quadrants));
    rl::Bitmap bitmap(name);
    bitmap.UnloadToMemory();
    EXPECT_FALSE(bitmap.IsValid());
    ASSERT_NE(bitmap.MemoryImage(), nullptr);
    EXPECT_EQ(getr32(getpixel(bitmap.MemoryImage(), 0, 0)), 255);
    EXPECT_EQ(getg32(getpixel(bitmap.MemoryImage(), 1, 0)), 255);
    bitmap.SendToGPU();
    ASSERT_TRUE(bitmap.IsValid());
    bitmap.Draw(0, 0);
    ExpectColour(1, 1, kWhite, "after the round trip");
    bitmap.Destroy(false);
    EXPECT_FALSE(bitmap.IsValid());
    bitmap.SendToGPU();   // nothing left to send
    EXPECT_NE(ReadFile("renderlayer.log").find(
                  "Cannot send the Bitmap to the graphics card without any memory bitmap content!"),
              std::string::npos);
}

TEST(BitmapBeforeScreen, IsQueuedWithAnAlertAndLoadedByTheScreenSetUp)
{
    TempFolder folder;
    ASSERT_TRUE(rl::InitProgram(true, true, true));
    ASSERT_TRUE(WritePng(folder.File("early.png"), 3, 5, [](int, int) { return kGreen; }));
    ClearRecordedAlerts();
    rl::Bitmap early(folder.File("early.png"));
    rl::Bitmap missing(folder.File("missing.png"));
    EXPECT_FALSE(early.IsValid());
    EXPECT_TRUE(early.HasPendingLoad());
    ASSERT_EQ(RecordedAlerts().size(), 2u);
    EXPECT_EQ(RecordedAlerts()[0].lines[0], "Loading queued for bitmap: " + folder.File("early.png"));

    ASSERT_TRUE(rl::InitScreen(800, 600, false, 32, 8, 0));
    EXPECT_TRUE(early.IsValid());
    EXPECT_FALSE(early.HasPendingLoad());
    EXPECT_EQ(early.Width(), 3);
    EXPECT_FALSE(missing.IsValid());
    const std::string log = ReadFile("renderlayer.log");
    EXPECT_NE(log.find("Auto Loader: Executing 2 pending loading commands"), std::string::npos);
    EXPECT_NE(log.find("ERROR: Auto Loader: Couldn't load a resource!"), std::string::npos);
    EXPECT_NE(log.find("Auto Loader: Completed"), std::string::npos);
}
