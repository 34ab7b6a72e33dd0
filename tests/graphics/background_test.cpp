#include "graphics/MBackground.h"

#include <filesystem>
#include <unistd.h>

#include "rl/Bitmap.h"
#include "tests/graphics/SpriteTest.h"

using testsupport::Rgb;

namespace {

constexpr uint32_t kRed = Rgb(255, 0, 0), kBlue = Rgb(0, 0, 255), kGreen = Rgb(0, 255, 0);
const std::string kFile = "../Game Data/GFX/Misc/Background3.png";

// The program's layout in the test folder: the working folder "bin" beside "Game Data".
class BackgroundTest : public SpriteTest {
protected:
    void SetUp() override
    {
        SpriteTest::SetUp();
        std::filesystem::create_directories("bin");
        std::filesystem::create_directories("Game Data/GFX/Misc");
        ASSERT_EQ(chdir("bin"), 0);
        log.Restart();
    }
    // 300 x 200: a red first column, a green last one, blue between.
    static void Picture()
    {
        ASSERT_TRUE(testsupport::WritePng(kFile, 300, 200, [](int x, int) {
            return x == 0 ? kRed : x == 299 ? kGreen : kBlue;
        }));
    }
    // Columns of row 100 that have the colour.
    static std::vector<int> Columns(uint32_t colour)
    {
        std::vector<int> columns;
        const std::vector<uint32_t> row = rl::Canvas::ReadPixels(0, 100, 800, 1);
        for (int x = 0; x < 800; ++x)
            if (testsupport::Near(row[x], colour, 8))
                columns.push_back(x);
        return columns;
    }
};

} // namespace

TEST_F(BackgroundTest, HoldsOneReferenceToItsPictureForItsLife)
{
    Picture();
    {
        MBackground background;
        EXPECT_EQ(background.fileName, kFile);
        ASSERT_NE(background.bitmap, nullptr);
        EXPECT_EQ(background.bitmap->Width(), 300);
        EXPECT_EQ(manager->ReferenceCount(kFile), 1);
        EXPECT_TRUE(log.Contains("MBACKGROUND - Background object created no probs"));
    }
    EXPECT_EQ(manager->ReferenceCount(kFile), 0);
    EXPECT_EQ(bitmaps.unloadCount, 1);
    EXPECT_TRUE(log.Contains("MBACKGROUND - Background object destroyed"));
}

TEST_F(BackgroundTest, TwoCopiesScrollAtHalfSpeedAndWrap)
{
    Picture();
    MBackground background;
    const struct {
        float scroll;
        std::vector<int> red, green;   // the copies' first and last columns on screen
        int drawnUpTo;                 // first column right of both copies
    } cases[] = {
        {0, {0, 300}, {299, 599}, 600},
        {600, {0, 300}, {299, 599}, 600},      // twice the width: the same as 0
        {200, {200}, {199, 499}, 500},         // half of 200: moved 100 to the left
        {1234, {283}, {282, 582}, 583},        // 617 mod 300 = 17: the first copy starts at -17
        {-100, {50, 350}, {349, 649}, 650},    // a negative remainder: the first copy starts right of 0
    };
    for (const auto& c : cases) {
        Clear();
        EXPECT_EQ(background.Draw(c.scroll), 0);
        EXPECT_EQ(Columns(kRed), c.red) << c.scroll;
        EXPECT_EQ(Columns(kGreen), c.green) << c.scroll;
        const uint32_t right = rl::Canvas::ReadPixel(c.drawnUpTo, 100) & 0xFFFFFF;
        EXPECT_EQ(right, 0u) << c.scroll;
        EXPECT_NE(rl::Canvas::ReadPixel(c.drawnUpTo - 1, 100) & 0xFFFFFF, 0u) << c.scroll;
    }
    // Left of a copy that starts right of 0 nothing is drawn.
    Clear();
    background.Draw(-100);
    EXPECT_EQ(rl::Canvas::ReadPixel(49, 100) & 0xFFFFFF, 0u);
}

TEST_F(BackgroundTest, ClippedDrawUsesTheTopLeftPart)
{
    Picture();
    MBackground background;
    EXPECT_EQ(background.DrawClipped(10, 20, 50, 40), 0);
    const PixelBox blue = Find(kBlue), red = Find(kRed);
    EXPECT_EQ(red.left, 10);
    EXPECT_EQ(red.Height(), 40);
    EXPECT_EQ(blue.left, 11);
    EXPECT_EQ(blue.top, 20);
    EXPECT_EQ(blue.Width(), 49);
    EXPECT_EQ(blue.Height(), 40);
    EXPECT_EQ(Find(kGreen).count, 0);
}

using BackgroundDeathTest = BackgroundTest;

TEST_F(BackgroundDeathTest, MissingPictureEndsTheProgram)
{
    EXPECT_EXIT(MBackground(), ::testing::ExitedWithCode(255),
                "ALERT: MBACKGROUND - Could not find RL Background GFX file - \\.\\./Game Data/GFX/Misc/Background3\\.png");
}
