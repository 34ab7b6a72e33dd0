#include "graphics/AnyGraphics.h"

#include <filesystem>

#include "core/Alert.h"
#include "rl/Bitmap.h"
#include "tests/graphics/SpriteTest.h"

using testsupport::Rgb;
using testsupport::WriteFile;
using Lines = std::vector<std::string>;

namespace {

class SpriteLoadingTest : public SpriteTest {
protected:
    // Pictures of distinct sizes, so each frame can be told by its image: frame i is (i + 1) x 3.
    void Pictures(const std::vector<std::string>& names)
    {
        int i = 0;
        for (const std::string& name : names) {
            ++i;
            Solid(name, i, 3, Rgb(200, 100, 50));
        }
    }
    static std::vector<int32_t> Durations(const AnyGraphics& graphics, int set)
    {
        std::vector<int32_t> durations;
        for (int f = 0; f < graphics.FrameCount(set); ++f)
            durations.push_back(graphics.GetFrame(set, f)->duration);
        return durations;
    }
};

} // namespace

TEST_F(SpriteLoadingTest, GapInFrameNumbersEndsTheSet)
{
    Pictures({"B-a-00.png", "B-a-01.png", "B-a-03.png"});
    AnyGraphics graphics;
    EXPECT_EQ(graphics.Load("B"), 0);
    ASSERT_EQ(graphics.frameSetCount, 1);
    EXPECT_EQ(graphics.FrameCount(0), 2);
    EXPECT_EQ(graphics.GetFrame(0, 0)->bitmap->Width(), 1);
    EXPECT_EQ(graphics.GetFrame(0, 1)->bitmap->Width(), 2);
    EXPECT_EQ(Durations(graphics, 0), (std::vector<int32_t> {300, 300}));
    EXPECT_EQ(bitmaps.loadCount, 2);
    EXPECT_TRUE(log.Contains("No corrisponding frame data file found, using defualt values"));
}

TEST_F(SpriteLoadingTest, GapInSetLettersEndsTheSets)
{
    Pictures({"B-a-00.png", "B-d-00.png"});
    AnyGraphics graphics;
    EXPECT_EQ(graphics.Load("B"), 0);
    EXPECT_EQ(graphics.frameSetCount, 1);
    EXPECT_EQ(graphics.GetFrameSet(1), nullptr);
}

TEST_F(SpriteLoadingTest, EachLetterIsAFrameSetOfItsNumberedPictures)
{
    std::filesystem::create_directories("gfx/enemy");
    Pictures({"gfx/enemy/Ghost-a-00.png", "gfx/enemy/Ghost-a-01.png", "gfx/enemy/Ghost-a-02.png",
              "gfx/enemy/Ghost-b-00.png", "gfx/enemy/Ghost-c-00.png", "gfx/enemy/Ghost-c-01.png"});
    // A folder with a picture's name is not a picture.
    std::filesystem::create_directories("gfx/enemy/Ghost-b-01.png");
    AnyGraphics graphics;
    EXPECT_EQ(graphics.Load("gfx/enemy/Ghost"), 0);
    ASSERT_EQ(graphics.frameSetCount, 3);
    EXPECT_EQ(graphics.FrameCount(0), 3);
    EXPECT_EQ(graphics.FrameCount(1), 1);
    EXPECT_EQ(graphics.FrameCount(2), 2);
    EXPECT_EQ(graphics.GetFrame(2, 1)->bitmap->Width(), 6);
    EXPECT_EQ(manager->ReferenceCount("gfx/enemy/Ghost-c-01.png"), 1);
    const Lines progress = log.Messages(2);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress[0], "");
    EXPECT_EQ(progress[2], "Loading frame file:  gfx/enemy/Ghost-a-00.png");
}

TEST_F(SpriteLoadingTest, DataFileGivesDurationsLineByLine)
{
    Pictures({"B-a-00.png", "B-a-01.png", "B-a-02.png", "B-b-00.png", "B-b-01.png", "B-c-00.png", "B-c-01.png"});
    WriteFile("B-a.txt", "100\n200\n");     // shorter than the set
    WriteFile("B-b.txt", "quick\n 40\n");   // a line without digits
    AnyGraphics graphics;
    ASSERT_EQ(graphics.Load("B"), 0);
    EXPECT_EQ(Durations(graphics, 0), (std::vector<int32_t> {100, 200, 1000}));
    EXPECT_EQ(Durations(graphics, 1), (std::vector<int32_t> {0, 40}));
    EXPECT_EQ(Durations(graphics, 2), (std::vector<int32_t> {300, 300}));
    Lines found;
    for (const std::string& line : log.Messages(2))
        if (line == "Found animation data file!" || line.rfind("No corrisponding", 0) == 0)
            found.push_back(line);
    EXPECT_EQ(found, (Lines {"Found animation data file!", "Found animation data file!",
                             "No corrisponding frame data file found, using defualt values"}));
}

TEST_F(SpriteLoadingTest, SinglePictureNamesAndTheirCase)
{
    Pictures({"pic.png", "pic.PNG", "pic.Png"});
    const struct {
        const char* name;
        int result;
        int frameSets;
    } cases[] = {
        {"pic.png", 0, 1},
        {"pic.PNG", 0, 1},
        {"pic.Png", 1, 0},       // mixed case: a base name, and "pic.Png-a-00.png" does not exist
        {"missing.png", 1, 0},
    };
    for (const auto& c : cases) {
        AnyGraphics graphics;
        EXPECT_EQ(graphics.Load(c.name), c.result) << c.name;
        EXPECT_EQ(graphics.frameSetCount, c.frameSets) << c.name;
        if (c.frameSets) {
            ASSERT_EQ(graphics.FrameCount(0), 1) << c.name;
            EXPECT_EQ(graphics.GetFrame(0, 0)->duration, 300) << c.name;
            EXPECT_NE(graphics.GetFrame(0, 0)->bitmap, nullptr) << c.name;
        }
    }
    EXPECT_TRUE(log.Contains("NO FRAMESETS FOUND"));
    EXPECT_TRUE(log.Contains("File does not exist:  missing.png"));
}

TEST_F(SpriteLoadingTest, ImagesAreSharedThroughTheResourceManager)
{
    Pictures({"Hero-a-00.png", "Hero-a-01.png"});
    AnyGraphics first, second, single;
    first.Load("Hero");
    second.Load("Hero");
    single.Load("Hero-a-01.png");
    EXPECT_EQ(bitmaps.loadCount, 2);
    EXPECT_EQ(first.GetFrame(0, 0)->bitmap, second.GetFrame(0, 0)->bitmap);
    EXPECT_EQ(first.GetFrame(0, 1)->bitmap, single.GetFrame(0, 0)->bitmap);
    EXPECT_NE(first.GetFrame(0, 0)->bitmap, first.GetFrame(0, 1)->bitmap);
    EXPECT_EQ(manager->ReferenceCount("Hero-a-00.png"), 2);
    EXPECT_EQ(manager->ReferenceCount("Hero-a-01.png"), 3);
}

TEST_F(SpriteLoadingTest, FramesKeepTheirImagesLoadedWhenDestroyed)
{
    Pictures({"Hero-a-00.png"});
    rl::Bitmap* image = nullptr;
    {
        AnyGraphics graphics;
        graphics.Load("Hero");
        image = graphics.GetFrame(0, 0)->bitmap;
        log.Mark();
    }
    EXPECT_EQ(log.SinceMark(), (Lines {"Deconstructing RL frame", "Found RL graphics data, deleting!"}));
    EXPECT_EQ(manager->ReferenceCount("Hero-a-00.png"), 1);
    EXPECT_TRUE(image->IsValid());
    EXPECT_EQ(bitmaps.unloadCount, 0);
}

TEST_F(SpriteLoadingTest, MissingFrameFileIsReportedAndLeavesTheFrameAlone)
{
    Frame frame;
    EXPECT_EQ(frame.LoadGraphics("gone-a-00.png", 120), 1);
    EXPECT_EQ(frame.bitmap, nullptr);
    EXPECT_EQ(frame.duration, 0);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(RecordedAlerts()[0].lines, Lines {"ERROR loading graphics File! See Log..."});
    EXPECT_EQ(log.Messages(2), (Lines {"Loading frame file:  gone-a-00.png",
                                       "FRAME::LOADGRAPHICS - !! Couldn't load graphics file, doesn't exist!!",
                                       "gone-a-00.png"}));
    EXPECT_EQ(bitmaps.loadCount, 0);
}

using SpriteLoadingDeathTest = SpriteLoadingTest;

TEST_F(SpriteLoadingDeathTest, FrameFileThatCannotBeDecodedEndsTheProgram)
{
    Pictures({"Hero-a-00.png"});
    WriteFile("Hero-a-01.png", "not a picture at all");
    AnyGraphics graphics;
    EXPECT_EXIT(graphics.Load("Hero"), ::testing::ExitedWithCode(255), "ALERT: Error loading RENDERLAYER frame");
}
