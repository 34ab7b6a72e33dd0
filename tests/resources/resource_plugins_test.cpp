// The picture and skeleton plug-ins behind the resource manager: real files become real bitmaps on
// the screen's graphics card and real skeletons, and go again.

#include "resources/MARLPlugin.h"
#include "resources/RLBMPPlugin.h"
#include "resources/SoundPlugin.h"

#include <functional>
#include <memory>
#include <unistd.h>

#include "core/Alert.h"
#include "resources/ResourceManager.h"
#include "rl/Bitmap.h"
#include "rl/Canvas.h"
#include "rl/Layer.h"
#include "skeleton/Skeleton.h"
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

// Whether the lines hold the expected ones in this order (others may come between).
::testing::AssertionResult InOrder(const std::vector<std::string>& lines, const std::vector<std::string>& expected)
{
    size_t next = 0;
    for (const std::string& line : lines)
        if (next < expected.size() && line == expected[next])
            ++next;
    if (next == expected.size())
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << "missing \"" << expected[next] << "\" (in order) among:";
    for (const std::string& line : lines)
        failure << "\n  " << line;
    return failure;
}

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
    const struct {
        std::function<void()> makeAndDrop;
        std::vector<std::string> lines;
    } rows[] = {
        {[] { RLBMPPlugin plugin; }, {"New plugin created", "New RL BMP plugin created", "RL BMP plugin destroyed"}},
        {[] { MARLPlugin plugin; }, {"New plugin created", "New MARL plugin created", "RL MARL plugin destroyed"}},
        {[] { SoundPlugin plugin; }, {"New plugin created", "SOUND plugin created", "SOUND plugin destroyed"}},
    };
    for (const auto& row : rows) {
        log.Mark();
        row.makeAndDrop();
        EXPECT_EQ(log.SinceMark(), row.lines);
    }
}

namespace {

// The manager with the skeleton plug-in, in a fresh folder; no screen is needed for a skeleton
// without skins.
struct SkeletonPlugin : ::testing::Test {
    TempFolder folder;
    LogCapture log;
    MARLPlugin plugin;
    ResourceManager manager;

    void SetUp() override
    {
        manager.AddPlugin("TXT", &plugin);
        ClearRecordedAlerts();
    }

    // A robot of three bones in two frame sets, saved as the editor saves it.
    void WriteRobot(const std::string& name)
    {
        Skeleton robot;
        SkeleNode* arm = robot.AddBone(robot.Root(), "Arm", 45, 30);
        robot.AddBone(arm, "Hand", -20, 12);
        robot.StorePoseAsNewFrame(0, robot.FrameSetCount());
        ASSERT_EQ(robot.Save(name), 0);
    }
};

} // namespace

TEST_F(SkeletonPlugin, ASkeletonFileLoadsAndUnloadsToAnEmptySkeleton)
{
    WriteRobot("robot.txt");
    log.Mark();
    auto* robot = static_cast<Skeleton*>(manager.Load("robot.txt"));
    ASSERT_NE(robot, nullptr);
    EXPECT_EQ(robot->BoneCount(), 3);
    EXPECT_NE(robot->FindBoneByName("Hand"), nullptr);
    EXPECT_EQ(robot->FrameSetCount(), 2);
    const std::vector<std::string> loaded = log.SinceMark();
    ASSERT_GE(loaded.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(loaded.end() - 2, loaded.end()),
              (std::vector<std::string>{"Load successful!", ""}));

    // Loaded again it is shared; only the last unload empties it.
    EXPECT_EQ(manager.Load("robot.txt"), robot);
    EXPECT_EQ(manager.Unload("robot.txt"), 1);
    EXPECT_EQ(robot->BoneCount(), 3);
    log.Mark();
    EXPECT_EQ(manager.Unload("robot.txt"), 0);
    const std::vector<std::string> unloaded = log.SinceMark();
    EXPECT_TRUE(InOrder(unloaded, {"MARL PLUGIN - Unloading resource", "Unloaded MARL successfully"}));
    EXPECT_EQ(unloaded.back(), "Unloaded MARL successfully");
    // Emptied, and still a Skeleton object for anyone who kept the pointer.
    EXPECT_EQ(robot->Root(), nullptr);
    EXPECT_EQ(robot->BoneCount(), 0);
    EXPECT_EQ(robot->FrameSetCount(), 0);
    EXPECT_EQ(manager.ResourceCount(), 0u);

    // Through the plug-in directly: emptying twice is harmless, null only says so.
    log.Mark();
    EXPECT_EQ(plugin.Unload(robot), 0);
    EXPECT_EQ(plugin.Unload(nullptr), 0);
    EXPECT_TRUE(InOrder(log.SinceMark(), {
                                             "MARL PLUGIN - Unloading resource",
                                             "Unloaded MARL successfully",
                                             "MARL PLUGIN - Unloading resource",
                                             "MARL was already unloaded or never existed!",
                                         }));
}

TEST_F(SkeletonPlugin, AMissingSkeletonFileGivesNullAfterTheLoadersOwnError)
{
    WriteRobot("robot.txt");
    ASSERT_NE(manager.Load("robot.txt"), nullptr);
    for (const char* name : {"missing.txt", "no-such-folder/robot.txt", "robot.TXT.txt"}) {
        log.Mark();
        EXPECT_EQ(manager.Load(name), nullptr) << name;
        EXPECT_EQ(manager.ResourceCount(), 1u);
        EXPECT_EQ(manager.ReferenceCount(name), 0);
        // The loader says why, the plug-in and the manager that it failed, right at the end.
        const std::vector<std::string> lines = log.SinceMark();
        EXPECT_TRUE(InOrder(lines, {std::string("ERROR: MARL file not found: ") + name, "ERROR: FILE NOT FOUND!"}));
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
                  (std::vector<std::string>{"ERROR: FILE NOT FOUND!", "ERROR LOADING, INVALID RESOURCE FILE!"}));
    }
    EXPECT_EQ(RecordedAlerts().size(), 3u);
}

// A shipped character: its skins come in through the picture plug-ins.
TEST_F(PicturePlugins, AShippedSkeletonLoadsWithItsSkinsAndUnloadsThemAgain)
{
    MARLPlugin skeletons;
    manager.AddPlugin("TXT", &skeletons);
    g_ResourceManager = &manager;                          // the skins find it there
    ASSERT_EQ(0, chdir(rl::ExecutablePath().c_str()));   // where "../Game Data/" is
    const std::string name = "../Game Data/Skeletons/Snowman.txt";
    auto* snowman = static_cast<Skeleton*>(manager.Load(name));
    ASSERT_NE(snowman, nullptr);
    EXPECT_EQ(snowman->BoneCount(), 9);
    // Eight skinned bones: their pictures came in through the manager too.
    EXPECT_EQ(manager.ResourceCount(), 9u);
    EXPECT_EQ(manager.ReferenceCount("../Game Data/GFX/Skins/Snowman/Back Arm.png"), 1);
    EXPECT_EQ(manager.Unload(name), 0);
    EXPECT_EQ(snowman->BoneCount(), 0);
    EXPECT_EQ(manager.ReferenceCount(name), 0);
    // Sprite frames never hand their pictures back: those stay until the manager goes.
    EXPECT_EQ(manager.ResourceCount(), 8u);
    g_ResourceManager = nullptr;
    ASSERT_EQ(0, chdir(folder.Path().c_str()));
}
