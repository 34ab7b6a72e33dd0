// The data the program ships with, loaded the way the program loads it: from the executable's own
// folder through "../Game Data/...", by the resource manager and the sprite loader.

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <allegro.h>
#include <loadpng.h>

#include "graphics/AnyGraphics.h"
#include "graphics/MBackground.h"
#include "resources/RLBMPPlugin.h"
#include "resources/ResourceManager.h"
#include "resources/SoundPlugin.h"
#include "level/TileSet.h"
#include "skeleton/Skeleton.h"
#include "skeleton/SkeletonFrame.h"
#include "rl/Bitmap.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

// The test programs are built into <build>/bin beside the "Game Data" link, as the program is.
std::string ProgramFolder()
{
    char path[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string exe = n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string(".");
    return exe.substr(0, exe.rfind('/'));
}

struct GameData : ScreenTest {
    RLBMPPlugin bmp, png;
    std::unique_ptr<ResourceManager> manager;
    std::string previous;

    void SetUp() override
    {
        ScreenTest::SetUp();
        char cwd[PATH_MAX] = {};
        previous = getcwd(cwd, sizeof cwd) ? cwd : "";
        ASSERT_EQ(0, chdir(ProgramFolder().c_str()));
        manager = std::make_unique<ResourceManager>();
        manager->AddPlugin("BMP", &bmp);
        manager->AddPlugin("PNG", &png);
        g_ResourceManager = manager.get();
    }
    void TearDown() override
    {
        g_ResourceManager = nullptr;
        manager.reset();
        if (!previous.empty()) {
            EXPECT_EQ(0, chdir(previous.c_str()));
        }
    }
};

// A picture as a 32-bit memory image, for looking at its pixels.
struct MemoryPicture {
    explicit MemoryPicture(const std::string& file)
    {
        set_color_conversion(COLORCONV_NONE);
        image = load_png(file.c_str(), nullptr);
    }
    ~MemoryPicture()
    {
        if (image)
            destroy_bitmap(image);
    }
    int Alpha(int x, int y) const { return geta32(getpixel(image, x, y)); }
    BITMAP* image = nullptr;
};

struct Box {
    int left, top, right, bottom;
};

std::vector<std::string> Lines(const std::string& file)
{
    std::vector<std::string> out;
    std::string text = ReadFile(file), line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            out.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    return out;
}

} // namespace

TEST_F(GameData, EditorStripsHaveTheSizesTheEditorCutsThemBy)
{
    struct Strip {
        const char* file;
        int width, height;
    };
    const Strip strips[] = {
        {"../Game Data/GFX/MARL GUI/MARL Toolbar.png", 12 * 42 + 42, 3 * 42},   // 12 buttons + filler
        {"../Game Data/GFX/MARL GUI/Tabs.png", 190, 2 * 24},                    // two 190 x 24 halves
        {"../Game Data/GFX/MARL GUI/Transport Buttons.png", 5 * 38, 2 * 38},
        {"../Game Data/GFX/MARL GUI/Frame Edit Buttons.png", 2 * 32, 8 * 32},
    };
    for (const Strip& s : strips) {
        auto* bitmap = static_cast<rl::Bitmap*>(manager->Load(s.file));
        ASSERT_NE(nullptr, bitmap) << s.file;
        EXPECT_TRUE(bitmap->IsValid()) << s.file;
        EXPECT_EQ(s.width, bitmap->Width()) << s.file;
        EXPECT_EQ(s.height, bitmap->Height()) << s.file;
        manager->Unload(s.file);
    }
}

TEST_F(GameData, EveryToolbarButtonShowsADifferentPictureInEachOfItsThreeLooks)
{
    MemoryPicture strip("../Game Data/GFX/MARL GUI/MARL Toolbar.png");
    ASSERT_NE(nullptr, strip.image);
    // A look that repeated another one (or a button copied from its neighbour) would be a
    // drawing mistake: compare the button cells pixel by pixel.
    auto cell = [&](int button, int row) {
        std::vector<int> px;
        for (int y = 0; y < 42; ++y)
            for (int x = 0; x < 42; ++x)
                px.push_back(getpixel(strip.image, button * 42 + x, row * 42 + y));
        return px;
    };
    std::set<std::vector<int>> seen;
    for (int b = 0; b < 12; ++b)
        for (int row = 0; row < 3; ++row)
            EXPECT_TRUE(seen.insert(cell(b, row)).second) << "button " << b << " look " << row;
    // The filler column is the same bar in every row, so the bar looks the same whatever row it is cut from.
    for (int y = 0; y < 42; ++y)
        EXPECT_EQ(getpixel(strip.image, 12 * 42 + 20, y), getpixel(strip.image, 12 * 42 + 20, 84 + y));
}

TEST_F(GameData, BackdropFillsTheScreenAndRepeatsWithoutASeam)
{
    MBackground background;
    ASSERT_NE(nullptr, background.bitmap);
    EXPECT_EQ(800, background.bitmap->Width());
    EXPECT_EQ(600, background.bitmap->Height());

    MemoryPicture picture("../Game Data/GFX/Misc/Background3.png");
    ASSERT_NE(nullptr, picture.image);
    // Drawn twice side by side, its right edge runs into its left edge no more abruptly than any
    // two neighbouring columns inside it do (objects may end at the seam, but nothing jumps).
    auto columnGap = [&](int a, int b) {
        long total = 0;
        for (int y = 0; y < 600; ++y) {
            const int p = getpixel(picture.image, a, y), q = getpixel(picture.image, b, y);
            total += std::abs(getr32(p) - getr32(q)) + std::abs(getg32(p) - getg32(q)) + std::abs(getb32(p) - getb32(q));
        }
        return total;
    };
    long inside = 0;
    for (int x = 0; x + 1 < 800; ++x)
        inside = std::max(inside, columnGap(x, x + 1));
    EXPECT_LE(columnGap(799, 0), inside);
}

TEST_F(GameData, TilesetHasThirtyOrMoreContinuouslyNumberedAnimatedAndStillTiles)
{
    // Counted the way the tileset counts its folder: "Tile %03d-a-00.png" from 000 until a gap.
    const std::string folder = "../Game Data/GFX/Tileset - Jungle PNG/";
    int count = 0, animated = 0, lettered = 0;
    for (;; ++count) {
        char first[512];
        snprintf(first, sizeof first, "%sTile %03d-a-00.png", folder.c_str(), count);
        if (!FileExists(first))
            break;
        char stem[512];
        snprintf(stem, sizeof stem, "%sTile %03d", folder.c_str(), count);
        AnyGraphics tile;
        ASSERT_EQ(0, tile.Load(stem)) << stem;
        for (int s = 0; s < tile.frameSetCount; ++s)
            for (int f = 0; f < tile.FrameCount(s); ++f) {
                Frame* frame = tile.GetFrame(s, f);
                ASSERT_NE(nullptr, frame->bitmap) << stem;
                EXPECT_EQ(64, frame->bitmap->Width()) << stem;
                EXPECT_EQ(64, frame->bitmap->Height()) << stem;
                EXPECT_GT(frame->duration, 0) << stem;
            }
        if (tile.FrameCount(0) > 1) {
            ++animated;
            // animated tiles carry their own timing, not the 300 ms a missing frame data file gives
            EXPECT_NE(300, tile.GetFrame(0, 0)->duration) << stem;
        }
        if (tile.frameSetCount > 1)
            ++lettered;
    }
    EXPECT_GE(count, 30);
    EXPECT_GE(animated, 2);
    EXPECT_GE(lettered, 1);

    // The level's own tileset loader finds the same tiles.
    TileSet tileset;
    ASSERT_EQ(0, tileset.LoadPNG(folder));
    EXPECT_EQ(count, tileset.tileCount);
}

TEST_F(GameData, EntityPicturesLoadWithTheirBodiesInsideTheirCollisionBoxes)
{
    struct Sprite {
        const char* name;     // as the entity loads it
        const char* firstFile;
        int leastFrames;
        Box box;
    };
    const Sprite sprites[] = {
        {"../Game Data/GFX/Entities/Fireball/Fireball", "../Game Data/GFX/Entities/Fireball/Fireball-a-00.png", 2,
         {40, 10, 50, 20}},
        {"../Game Data/GFX/Entities/Magic Donut", "../Game Data/GFX/Entities/Magic Donut-a-00.png", 1, {10, 10, 53, 53}},
        {"../Game Data/GFX/Entities/Cupcake/Cupcake", "../Game Data/GFX/Entities/Cupcake/Cupcake-a-00.png", 4,
         {10, 10, 40, 40}},
        {"../Game Data/GFX/Entities/Snowball/Snowball 1.png", "../Game Data/GFX/Entities/Snowball/Snowball 1.png", 1,
         {16, 49, 59, 91}},
        {"../Game Data/GFX/Entities/Snowball/Snowball 2.png", "../Game Data/GFX/Entities/Snowball/Snowball 2.png", 1,
         {10, 11, 31, 36}},
    };
    for (const Sprite& s : sprites) {
        AnyGraphics gfx;
        ASSERT_EQ(0, gfx.Load(s.name)) << s.name;
        EXPECT_GE(gfx.FrameCount(0), s.leastFrames) << s.name;
        const rl::Bitmap* first = gfx.GetFrame(0, 0)->bitmap;
        ASSERT_NE(nullptr, first);
        EXPECT_LE(s.box.right, first->Width()) << s.name;
        EXPECT_LE(s.box.bottom, first->Height()) << s.name;
        // the body fills most of its box (the donut has its hole in the middle)
        MemoryPicture picture(s.firstFile);
        ASSERT_NE(nullptr, picture.image) << s.firstFile;
        int opaque = 0, area = 0;
        for (int y = s.box.top; y < s.box.bottom; ++y)
            for (int x = s.box.left; x < s.box.right; ++x, ++area)
                opaque += picture.Alpha(x, y) > 128;
        EXPECT_GT(opaque * 2, area) << s.name << ": the body covers less than half of its box";
    }
}

TEST_F(GameData, SoundsLoadThroughTheSoundPlugin)
{
    SoundPlugin sounds;
    manager->AddPlugin("WAV", &sounds);
    for (const char* file : {"../Game Data/Sound/Shooting Fireball.wav", "../Game Data/Sound/Cupcake Pop.wav"}) {
        EXPECT_NE(nullptr, manager->Load(file)) << file;
        manager->Unload(file);
    }
}

TEST_F(GameData, EverySkinOfEveryShippedSkeletonLoadsFromTheProgramsFolder)
{
    // The skin paths are written relative to the executable's folder, and the program runs with
    // that folder as its working folder: each must load as it is written.
    const std::string folder = "../Game Data/Skeletons/";
    std::vector<std::string> files;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* e = readdir(dir)) {
            std::string name = e->d_name;
            if (name.size() > 4 && (name.substr(name.size() - 4) == ".txt" || name.substr(name.size() - 4) == ".TXT"))
                files.push_back(name);
        }
        closedir(dir);
    }
    for (const char* needed : {"Cactus Man 2 (small).txt", "Small Robot (game size).txt", "Soldier Alpha.TXT",
                               "Snowman Boss.txt", "Snowman.txt"})
        EXPECT_NE(files.end(), std::find(files.begin(), files.end(), needed)) << needed;
    EXPECT_GE(files.size(), 6u);
    int skins = 0;
    for (const std::string& file : files) {
        const std::string text = ReadFile(folder + file);
        size_t lineFeeds = 0, crlf = 0;
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] == '\n') {
                ++lineFeeds;
                crlf += i > 0 && text[i - 1] == '\r';
            }
        EXPECT_GT(lineFeeds, 20u) << file;
        EXPECT_EQ(lineFeeds, crlf) << file << ": skeleton files end their lines in CR LF";
        const std::vector<std::string> lines = Lines(folder + file);
        for (size_t i = 0; i + 1 < lines.size(); ++i) {
            if (lines[i].rfind("** ", 0) != 0)
                continue;
            const std::string& skin = lines[i + 1];
            if (skin == "NO SKIN")
                continue;
            AnyGraphics gfx;
            EXPECT_EQ(0, gfx.Load(skin)) << file << ": " << lines[i] << " -> " << skin;
            EXPECT_GE(gfx.FrameCount(0), 1) << skin;
            ++skins;
        }
    }
    EXPECT_GE(skins, 40);
}

TEST_F(GameData, ShippedSkeletonsHaveTheBonesAndFrameSetsTheirCharactersUse)
{
    // Read through the engine's own skeleton reader, from the program's folder as the entities do.
    struct Character {
        const char* file;
        std::vector<const char*> bones;
        std::vector<int> minimumFrames;   // one entry per frame set that must exist
    } characters[] = {
        {"Cactus Man 2 (small).txt", {"Flower"}, {2, 1}},                          // walk, pause at a wall
        {"Small Robot (game size).txt", {}, {1, 2, 3, 1}},                         // stand, run, jump, shoot
        {"Soldier Alpha.TXT", {}, {1, 2}},                                         // set 1 loops
        {"Snowman Boss.txt", {"Pipe 4", "Pipe 3", "Gun 1", "Gun 2", "Snowman"}, {1, 2, 2}},
        {"Snowman.txt", {}, {2, 1, 1}},                                            // ride, after a hit, hit
        {"Jungle Explorer.txt", {}, {4, 2}},                                       // walk and idle cycles
    };
    for (const Character& c : characters) {
        SCOPED_TRACE(c.file);
        Skeleton skeleton;
        ASSERT_EQ(0, skeleton.Load(std::string("../Game Data/Skeletons/") + c.file));
        for (const char* bone : c.bones)
            EXPECT_NE(nullptr, skeleton.FindBoneByName(bone)) << bone;
        ASSERT_GE(skeleton.FrameSetCount(), static_cast<int>(c.minimumFrames.size()));
        for (size_t set = 0; set < c.minimumFrames.size(); ++set)
            EXPECT_GE(skeleton.GetFrameSet(static_cast<int>(set))->FrameCount(), c.minimumFrames[set])
                << "frame set " << set;
        // Frames that animate: consecutive frames of a cycle are not all the same pose.
        const SkeletonFrameSet* first = skeleton.GetFrameSet(0);
        if (first->FrameCount() > 1) {
            auto samePose = [](const SkeletonFrame& a, const SkeletonFrame& b) {
                return std::equal(a.entries.begin(), a.entries.end(), b.entries.begin(), b.entries.end(),
                                  [](const BonePose& p, const BonePose& q) {
                                      return p.angle == q.angle && p.length == q.length;
                                  });
            };
            bool moves = false;
            for (int f = 1; f < first->FrameCount() && !moves; ++f)
                moves = !samePose(*first->GetFrame(f), *first->GetFrame(0));
            EXPECT_TRUE(moves) << "frame set 0 never changes pose";
        }
    }
}
