// The picture plug-ins behind the resource manager: real files become real bitmaps on the screen's
// graphics card, and go again.

#include "resources/RLBMPPlugin.h"

#include <memory>

#include "resources/ResourceManager.h"
#include "rl/Bitmap.h"
#include "rl/Canvas.h"
#include "tests/resources/TestPlugins.h"
#include "tests/support/TestSupport.h"

using testplugins::LogCapture;
using namespace testsupport;

namespace {

// The manager with both picture plug-ins, as main registers them, on the open screen.
struct PicturePlugins : ScreenTest {
    LogCapture log;
    RLBMPPlugin bmp;
    RLBMPPlugin png;
    ResourceManager manager;

    void SetUp() override
    {
        ScreenTest::SetUp();
        manager.AddPlugin("BMP", &bmp);
        manager.AddPlugin("PNG", &png);
    }
};

uint32_t Checker(int x, int y) { return (x < 4) == (y < 3) ? Rgb(200, 30, 40) : Rgb(20, 180, 90); }

} // namespace

TEST_F(PicturePlugins, BmpAndPngFilesBecomeBitmapsOfTheirPicture)
{
    ASSERT_TRUE(WriteBmp24("picture.bmp", 8, 6, Checker));
    ASSERT_TRUE(WritePng("picture.png", 8, 6, Checker));
    ASSERT_TRUE(WritePng("SHOUTING.PNG", 8, 6, Checker));
    for (const char* name : {"picture.bmp", "picture.png", "SHOUTING.PNG"}) {
        log.Mark();
        auto* bitmap = static_cast<rl::Bitmap*>(manager.Load(name));
        ASSERT_NE(bitmap, nullptr) << name;
        EXPECT_TRUE(bitmap->IsValid()) << name;
        EXPECT_EQ(bitmap->Width(), 8) << name;
        EXPECT_EQ(bitmap->Height(), 6) << name;
        const std::vector<std::string> lines = log.SinceMark();
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
                  (std::vector<std::string>{std::string("RL BMP PLUGIN - Want to load: ") + name,
                                            "Load successful!", ""}));

        // What is on the card is the file's picture.
        rl::Canvas::Fill(0, 0, 0, 1);
        bitmap->Draw(100, 100);
        const int left = 100, top = 100;
        EXPECT_TRUE(Near(rl::Canvas::ReadPixel(left + 1, top + 1), Checker(1, 1), 4))
            << name << " " << ColourName(rl::Canvas::ReadPixel(left + 1, top + 1));
        EXPECT_TRUE(Near(rl::Canvas::ReadPixel(left + 6, top + 1), Checker(6, 1), 4))
            << name << " " << ColourName(rl::Canvas::ReadPixel(left + 6, top + 1));
        EXPECT_EQ(manager.Unload(name), 0);
        EXPECT_FALSE(bitmap->IsValid()) << "unloading frees the texture; the object stays";
    }
}

TEST_F(PicturePlugins, AMissingOrBrokenPictureGivesNullAndChangesNothing)
{
    ASSERT_TRUE(WritePng("kept.png", 4, 4, Checker));
    ASSERT_NE(manager.Load("kept.png"), nullptr);
    WriteFile("broken.png", "\x89PNG but not really");
    WriteFile("empty.bmp", "");
    for (const char* name : {"missing.png", "../Game Data/missing.bmp", "broken.png", "empty.bmp"}) {
        log.Mark();
        EXPECT_EQ(manager.Load(name), nullptr) << name;
        EXPECT_EQ(manager.ResourceCount(), 1u) << name;
        EXPECT_EQ(manager.ReferenceCount(name), 0) << name;
        const std::vector<std::string> lines = log.SinceMark();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
                  (std::vector<std::string>{"ERROR: FILE NOT FOUND!", "ERROR LOADING, INVALID RESOURCE FILE!"}));
    }
    EXPECT_EQ(manager.ReferenceCount("kept.png"), 1);
}

TEST_F(PicturePlugins, UnloadingTwiceSaysTheSecondTimeThatItIsGone)
{
    ASSERT_TRUE(WritePng("picture.png", 4, 4, Checker));
    void* bitmap = png.Load("picture.png");
    ASSERT_NE(bitmap, nullptr);
    log.Mark();
    EXPECT_EQ(png.Unload(bitmap), 0);
    EXPECT_EQ(png.Unload(bitmap), 0);
    EXPECT_EQ(bmp.Unload(nullptr), 0);
    EXPECT_EQ(log.SinceMark(), (std::vector<std::string>{
                                   "RL BMP PLUGIN - Unloading resource",
                                   "Unloaded BITMAP successfully",
                                   "RL BMP PLUGIN - Unloading resource",
                                   "BITMAP was already unloaded or never existed!",
                                   "RL BMP PLUGIN - Unloading resource",
                                   "BITMAP was already unloaded or never existed!",
                               }));
    // The emptied object is the rendering layer's to delete at exit.
    EXPECT_TRUE(static_cast<rl::Bitmap*>(bitmap)->collectDeletes);
}

TEST(ResourcePlugins, ConstructionAndDestructionAreLogged)
{
    TempFolder folder;
    LogCapture log;
    { RLBMPPlugin plugin; }
    EXPECT_EQ(log.Messages(1), (std::vector<std::string>{"New plugin created", "New RL BMP plugin created",
                                                         "RL BMP plugin destroyed"}));
}
