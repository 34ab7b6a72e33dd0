// Tilesets and levels on the real screen: tileset folders made of real PNG files, levels built,
// changed and drawn, and what was drawn read back as pixels.

#include "level/Level.h"
#include "level/LevelBatch.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <unistd.h>

#include "core/Clock.h"
#include "resources/RLBMPPlugin.h"
#include "resources/ResourceManager.h"
#include "rl/Canvas.h"
#include "tests/resources/TestPlugins.h"
#include "tests/support/TestSupport.h"

using testplugins::LogCapture;
using namespace testsupport;

namespace {

const std::string kTileFolder = "../Game Data/GFX/Tileset - Jungle PNG/";
const uint32_t kBlack = Rgb(0, 0, 0);
const uint32_t kYellow = Rgb(255, 255, 0);
const uint32_t kWhite = Rgb(255, 255, 255);
const uint32_t kBackdrop = Rgb(200, 0, 200);

// A distinct solid colour for every tile index.
uint32_t TileColour(int n) { return Rgb(20 + 9 * n, 250 - 11 * n, (70 * n) % 256); }

std::string TileStem(const std::string& folder, int n) { return TileSet::TileStem(folder, n).value(); }

// One frame of tile n in set `set` ("a", "b", ...), a 64 x 64 square of one colour.
void WriteTileFrame(const std::string& folder, int n, char set, int frame, uint32_t colour)
{
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "-%c-%02d.png", set, frame);
    ASSERT_TRUE(WritePng(TileStem(folder, n) + suffix, 64, 64, [colour](int, int) { return colour; }));
}

// The program's data layout in a fresh folder: the working folder "bin" beside "Game Data", the
// level backdrop, and the manager with the picture plug-in. The log is opened in "bin".
class LevelScreenTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        std::filesystem::create_directories("bin");
        std::filesystem::create_directories("Game Data/GFX/Misc");
        std::filesystem::create_directories("Game Data/GFX/Tileset - Jungle PNG");
        ASSERT_EQ(chdir("bin"), 0);
        ASSERT_TRUE(WritePng("../Game Data/GFX/Misc/Background3.png", 100, 80, [](int, int) { return kBackdrop; }));
        log.emplace();
        manager.AddPlugin("PNG", &png);
        g_ResourceManager = &manager;
        ElapsedMs = 0;
        TimerTicked = 0;
    }
    void TearDown() override
    {
        level.reset();
        g_ResourceManager = nullptr;
    }

    // Tiles 0 ... count-1 in the default tileset folder.
    void WriteTiles(int count)
    {
        for (int n = 0; n < count; ++n)
            WriteTileFrame(kTileFolder, n, 'a', 0, TileColour(n));
    }

    uint32_t Pixel(int x, int y) { return rl::Canvas::ReadPixel(x, y); }

    RLBMPPlugin png;
    ResourceManager manager;
    std::optional<LogCapture> log;
    std::unique_ptr<Level> level;
};

// ---- Tileset ------------------------------------------------------------------------------------

TEST_F(LevelScreenTest, TilesetCountsUpToTheFirstMissingIndex)
{
    struct Case {
        std::vector<int> tiles;   // indices with a first picture
        int count;
    } const cases[] = {
        {{0, 1, 2, 3, 4, 6}, 5},
        {{1, 2, 3}, 0},
        {{0}, 1},
        {{}, 0},
    };
    int folderNumber = 0;
    for (const Case& c : cases) {
        const std::string folder = "../Game Data/set" + std::to_string(folderNumber++) + "/";
        std::filesystem::create_directories(folder);
        for (int n : c.tiles)
            WriteTileFrame(folder, n, 'a', 0, TileColour(n));
        TileSet tiles;
        EXPECT_EQ(tiles.LoadPNG(folder), 0);
        EXPECT_EQ(tiles.tileCount, c.count) << folder;
        EXPECT_EQ(tiles.drawModes, std::vector<int32_t>(static_cast<size_t>(c.count), 0)) << folder;
        for (int n = 0; n < c.count; ++n) {
            ASSERT_NE(tiles.Graphics(n), nullptr);
            EXPECT_EQ(tiles.Graphics(n)->frameSetCount, 1);
        }
        EXPECT_EQ(tiles.Graphics(c.count), nullptr);
        EXPECT_EQ(tiles.Graphics(-1), nullptr);
        // Pictures after the gap are never loaded.
        for (int n : c.tiles)
            EXPECT_EQ(manager.ReferenceCount(TileStem(folder, n) + "-a-00.png"), n < c.count ? 1 : 0) << n;
    }
}

TEST_F(LevelScreenTest, TilesetLogsItsLoadingAndItsEnd)
{
    WriteTiles(2);
    log->Mark();
    {
        TileSet tiles;
        tiles.LoadPNG(kTileFolder);
        const std::vector<std::string> lines = log->SinceMark();
        ASSERT_GE(lines.size(), 5u);
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
                  (std::vector<std::string>{"", "******** TILESET::LOADPNG - Loading 'TileSet' from directory - ",
                                            kTileFolder, "Animations found =  2", "Wanting to load: "}));
        log->Mark();
    }
    // The tiles' frames go between "Destroying" and the last line.
    const std::vector<std::string> lines = log->SinceMark();
    ASSERT_EQ(lines.size(), 3u + 2 * 2);
    EXPECT_EQ(lines[0], "Tileset deconstructing....");
    EXPECT_EQ(lines[1], "Destroying 'TileSet'");
    EXPECT_EQ(lines[2], "Deconstructing RL frame");
    EXPECT_EQ(lines.back(), "Tileset deconstructed");
}

TEST_F(LevelScreenTest, TilesWithSeveralSetsAndFramesAnimate)
{
    WriteTiles(1);
    WriteTileFrame(kTileFolder, 1, 'a', 0, Rgb(255, 0, 0));
    WriteTileFrame(kTileFolder, 1, 'a', 1, Rgb(0, 255, 0));
    WriteTileFrame(kTileFolder, 1, 'b', 0, Rgb(0, 0, 255));
    WriteFile(TileStem(kTileFolder, 1) + "-a.txt", "100\n200\n");
    level = std::make_unique<Level>(2, 1);
    ASSERT_EQ(level->GetTileSet()->tileCount, 2);
    const AnyGraphics* image = level->GetTileSet()->Graphics(1);
    ASSERT_EQ(image->frameSetCount, 2);
    EXPECT_EQ(image->FrameCount(0), 2);
    EXPECT_EQ(image->FrameCount(1), 1);

    ASSERT_EQ(level->SetTile(0, 0, 1, 1), 0);
    TimerTicked = 1;
    struct Step {
        int clock;
        uint32_t colour;
    } const steps[] = {{50, Rgb(255, 0, 0)}, {110, Rgb(0, 255, 0)}, {250, Rgb(0, 255, 0)}, {320, Rgb(255, 0, 0)}};
    for (const Step& s : steps) {
        ElapsedMs = s.clock;
        rl::Canvas::Fill(0, 0, 0, 1);
        level->DrawLayer(128, 64, 0, 0, 0, 0, 1.0f, 1);
        EXPECT_EQ(ColourName(Pixel(32, 32)), ColourName(s.colour)) << "clock " << s.clock;
    }
}

// ---- Level model --------------------------------------------------------------------------------

TEST_F(LevelScreenTest, NewLevelIsEmptyWithBackgroundAndTileset)
{
    WriteTiles(3);
    log->Mark();
    level = std::make_unique<Level>(10, 5);
    EXPECT_EQ(level->version, 1);
    EXPECT_EQ(level->Width(), 10);
    EXPECT_EQ(level->Height(), 5);
    EXPECT_EQ(level->TilesetFolder(), kTileFolder);
    ASSERT_NE(level->GetTileSet(), nullptr);
    EXPECT_EQ(level->GetTileSet()->tileCount, 3);
    ASSERT_NE(level->GetBackground(), nullptr);
    EXPECT_EQ(level->GetFlags(9, 4), 0);
    EXPECT_EQ(level->GetFlags(10, 4), -1);
    EXPECT_EQ(level->GetFlags(-1, 0), -1);

    const std::vector<std::string> lines = log->SinceMark();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "'LEVEL::MAKENEW' - Creating new level sized  10, 5");
    EXPECT_EQ(lines.back(), "LEVEL::CREATE - New 'Level' created  10, 5");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "New 'Tile' created (default)"), 2 * 10 * 5);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Tileset constructed"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "MBACKGROUND - Background object created no probs"), 1);

    log->Mark();
    level.reset();
    const std::vector<std::string> after = log->SinceMark();
    EXPECT_EQ(std::count(after.begin(), after.end(), "'Tile' destroyed!"), 2 * 10 * 5);
    EXPECT_EQ(after.back(), "LEVEL::DESTROY - 'Level' destroyed!");
    EXPECT_EQ(manager.ReferenceCount("../Game Data/GFX/Misc/Background3.png"), 0);
}

TEST_F(LevelScreenTest, MakeNewRefusesSizesOutsideOneToThreeHundred)
{
    WriteTiles(4);
    level = std::make_unique<Level>(10, 5);
    ASSERT_EQ(level->SetTile(2, 3, 3, 1), 0);
    level->SetFlags(2, 3, 1);
    const TileSet* tileset = level->GetTileSet();
    const std::pair<int, int> refused[] = {{301, 10}, {10, 301}, {0, 10}, {10, 0}, {-5, -5}};
    for (const auto& [w, h] : refused) {
        log->Mark();
        level->MakeNew(w, h);
        EXPECT_EQ(log->SinceMark(), (std::vector<std::string>{"'LEVEL::MAKENEW' - Creating new level sized  " +
                                                              std::to_string(w) + ", " + std::to_string(h)}));
        EXPECT_EQ(level->Width(), 10);
        EXPECT_EQ(level->Height(), 5);
        EXPECT_EQ(level->GetTileSet(), tileset);
        EXPECT_EQ(level->GetTile(2, 3, 1)->tileNumber, 3);
        EXPECT_EQ(level->GetFlags(2, 3), 1);
    }
    // The largest size is accepted.
    level->MakeNew(300, 1);
    EXPECT_EQ(level->Width(), 300);
}

TEST_F(LevelScreenTest, MakeNewRebuildsEverythingFromTheCurrentFolder)
{
    WriteTiles(4);
    level = std::make_unique<Level>(6, 6);
    level->SetTile(1, 1, 2, 2);
    level->SetFlags(1, 1, 1);

    // A folder set now (as a loaded file does) is used by the next MakeNew only.
    const std::string other = "../Game Data/Other Tiles/";
    std::filesystem::create_directories(other);
    WriteTileFrame(other, 0, 'a', 0, TileColour(0));
    level->SetTilesetFolder(other);
    EXPECT_EQ(level->GetTileSet()->tileCount, 4);

    level->MakeNew(3, 2);
    EXPECT_EQ(level->Width(), 3);
    EXPECT_EQ(level->Height(), 2);
    EXPECT_EQ(level->GetTileSet()->tileCount, 1);
    EXPECT_EQ(level->GetTile(1, 1, 2)->tileNumber, 0);
    EXPECT_EQ(level->GetFlags(1, 1), 0);
}

TEST_F(LevelScreenTest, CreateOnAGridAndDestroyWithoutOneOnlyLog)
{
    WriteTiles(2);
    level = std::make_unique<Level>(4, 3);
    log->Mark();
    level->Create(7, 7);
    EXPECT_EQ(log->SinceMark(), (std::vector<std::string>{"LEVEL::CREATE - Can't create, already exists! 4, 3"}));
    EXPECT_EQ(log->Messages(4).back(), "LEVEL::CREATE - Can't create, already exists! 4, 3");
    EXPECT_EQ(level->Width(), 4);

    level->Destroy();
    EXPECT_FALSE(level->HasGrid());
    EXPECT_EQ(level->GetTileSet(), nullptr);
    EXPECT_EQ(level->GetBackground(), nullptr);
    log->Mark();
    level->Destroy();
    EXPECT_EQ(log->SinceMark(), (std::vector<std::string>{"LEVEL::DESTROY - Can't destroy what doesn't exist!",
                                                           "LEVEL::DESTROY - 'Level' destroyed!"}));
    // A later Create builds background and tileset again.
    level->Create(2, 2);
    EXPECT_NE(level->GetTileSet(), nullptr);
    EXPECT_NE(level->GetBackground(), nullptr);
}

TEST_F(LevelScreenTest, SetTileAcceptsOnlyTilesetNumbersInsideTheGrid)
{
    WriteTiles(5);
    level = std::make_unique<Level>(4, 3);
    const TileSet* tiles = level->GetTileSet();
    struct Case {
        int x, y, n, layer;
        int result;
        bool changes;
    } const cases[] = {
        {1, 1, 4, 1, 0, true},   {1, 1, 2, 2, 0, true},  {0, 0, 1, 1, 0, true},
        {1, 1, 5, 1, 1, false},  // the tile count itself
        {1, 1, -1, 1, 1, false}, {4, 0, 1, 1, 1, false}, {0, 3, 1, 1, 1, false}, {-1, 0, 1, 2, 1, false},
        {2, 2, 3, 3, 0, false},  // another layer: accepted, nothing changes
        {2, 2, 3, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " n " << c.n << " layer " << c.layer);
        const int before1 = level->Contains(c.x, c.y) ? level->GetTile(c.x, c.y, 1)->tileNumber : 0;
        const int before2 = level->Contains(c.x, c.y) ? level->GetTile(c.x, c.y, 2)->tileNumber : 0;
        EXPECT_EQ(level->SetTile(c.x, c.y, c.n, c.layer), c.result);
        if (!level->Contains(c.x, c.y))
            continue;
        const Tile* t1 = level->GetTile(c.x, c.y, 1);
        const Tile* t2 = level->GetTile(c.x, c.y, 2);
        if (c.changes) {
            const Tile* changed = c.layer == 1 ? t1 : t2;
            EXPECT_EQ(changed->tileNumber, c.n);
            EXPECT_EQ(changed->animation.graphics, tiles->Graphics(c.n));
            EXPECT_EQ(changed->animation.animating, 1);
            EXPECT_EQ((c.layer == 1 ? t2 : t1)->tileNumber, c.layer == 1 ? before2 : before1);
        } else {
            EXPECT_EQ(t1->tileNumber, before1);
            EXPECT_EQ(t2->tileNumber, before2);
        }
    }
    // Tile number 0 empties the cell.
    EXPECT_EQ(level->SetTile(1, 1, 0, 1), 0);
    EXPECT_EQ(level->GetTile(1, 1, 1)->tileNumber, 0);
}

TEST_F(LevelScreenTest, AnOverlongTilesetFolderFindsNoTiles)
{
    WriteTiles(2);
    level = std::make_unique<Level>(2, 2);
    // 600 characters: cut to the 511 the field holds, and names built from it do not fit a file name.
    level->SetTilesetFolder(kTileFolder + std::string(600, 'x'));
    EXPECT_EQ(level->TilesetFolder().size(), 511u);
    level->MakeNew(2, 2);
    EXPECT_EQ(level->GetTileSet()->tileCount, 0);
    EXPECT_EQ(level->SetTile(0, 0, 0, 1), 1);
}

// ---- Drawing ------------------------------------------------------------------------------------

TEST_F(LevelScreenTest, TenByFiveAtZoomOneShowsTwelveByNineCellsYellowOutside)
{
    WriteTiles(2);
    level = std::make_unique<Level>(10, 5);
    level->DrawLayer(704, 512, 0, 0, 0, 0, 1.0f, 1);
    for (int column = 0; column < 13; ++column)
        for (int row = 0; row < 10 && 64 * row + 32 < 600; ++row) {
            const bool drawn = column < 12 && row < 9;
            const bool inside = column < 10 && row < 5;
            const uint32_t expected = drawn && !inside ? kYellow : kBlack;
            EXPECT_EQ(ColourName(Pixel(64 * column + 32, 64 * row + 32)), ColourName(expected))
                << "cell " << column << "," << row;
        }
    // Exact edges: the grid's right edge and the last drawn column's.
    EXPECT_EQ(ColourName(Pixel(639, 10)), ColourName(kBlack));
    EXPECT_EQ(ColourName(Pixel(640, 10)), ColourName(kYellow));
    EXPECT_EQ(ColourName(Pixel(767, 10)), ColourName(kYellow));
    EXPECT_EQ(ColourName(Pixel(768, 10)), ColourName(kBlack));
}

TEST_F(LevelScreenTest, HalfZoomShowsTwentyThreeColumnsOfThirtyTwoPixels)
{
    WriteTiles(2);
    level = std::make_unique<Level>(10, 5);
    level->DrawLayer(704, 512, 0, 0, 0, 0, 0.5f, 1);
    EXPECT_EQ(ColourName(Pixel(319, 100)), ColourName(kBlack));     // column 9, inside
    EXPECT_EQ(ColourName(Pixel(320, 100)), ColourName(kYellow));    // column 10, outside
    EXPECT_EQ(ColourName(Pixel(735, 100)), ColourName(kYellow));    // column 22, the 23rd
    EXPECT_EQ(ColourName(Pixel(736, 100)), ColourName(kBlack));     // no 24th
    EXPECT_EQ(ColourName(Pixel(100, 159)), ColourName(kBlack));     // row 4
    EXPECT_EQ(ColourName(Pixel(100, 160)), ColourName(kYellow));    // row 5
    EXPECT_EQ(ColourName(Pixel(100, 543)), ColourName(kYellow));    // row 16, the 17th
    EXPECT_EQ(ColourName(Pixel(100, 544)), ColourName(kBlack));
}

TEST_F(LevelScreenTest, TilesDrawStretchedAndScrolled)
{
    WriteTiles(10);
    level = std::make_unique<Level>(10, 5);
    for (int column = 1; column < 10; ++column)
        for (int row = 0; row < 5; ++row)
            ASSERT_EQ(level->SetTile(column, row, column, 1), 0);

    // Scroll 70 at zoom 1: column 1 first, shifted 6 pixels left, so it ends at x = 57.
    level->DrawLayer(704, 512, 70, 0, 0, 0, 1.0f, 1);
    EXPECT_EQ(ColourName(Pixel(0, 20)), ColourName(TileColour(1)));
    EXPECT_EQ(ColourName(Pixel(57, 20)), ColourName(TileColour(1)));
    EXPECT_EQ(ColourName(Pixel(58, 20)), ColourName(TileColour(2)));
    EXPECT_EQ(ColourName(Pixel(569, 20)), ColourName(TileColour(9)));
    EXPECT_EQ(ColourName(Pixel(570, 20)), ColourName(kYellow));   // column 10, outside

    // Zoom 2 in a view placed at (100, 50): 128-pixel cells from the view's corner.
    rl::Canvas::Fill(0, 0, 0, 1);
    level->DrawLayer(300, 200, 128, 0, 100, 50, 2.0f, 1);
    EXPECT_EQ(ColourName(Pixel(100, 50)), ColourName(TileColour(1)));
    EXPECT_EQ(ColourName(Pixel(227, 177)), ColourName(TileColour(1)));
    EXPECT_EQ(ColourName(Pixel(228, 177)), ColourName(TileColour(2)));
    EXPECT_EQ(ColourName(Pixel(99, 50)), ColourName(kBlack));

    // The front layer is a layer of its own.
    rl::Canvas::Fill(0, 0, 0, 1);
    level->DrawLayer(704, 512, 0, 0, 0, 0, 1.0f, 2);
    EXPECT_EQ(ColourName(Pixel(100, 20)), ColourName(kBlack));
    EXPECT_EQ(ColourName(Pixel(700, 20)), ColourName(kYellow));
}

TEST_F(LevelScreenTest, TilesThatCannotDrawShowWhiteAndDrawModeMirrors)
{
    WriteTiles(3);
    // Tile 3: left half red, right half blue.
    ASSERT_TRUE(WritePng(TileStem(kTileFolder, 3) + "-a-00.png", 64, 64,
                         [](int x, int) { return x < 32 ? Rgb(255, 0, 0) : Rgb(0, 0, 255); }));
    level = std::make_unique<Level>(6, 1);
    level->SetTile(0, 0, 3, 1);
    level->SetTile(1, 0, 3, 1);
    level->GetTileSet()->drawModes[3] = 0;
    level->GetTile(2, 0, 1)->tileNumber = 4;    // not below the tile count
    level->GetTile(3, 0, 1)->tileNumber = -1;   // negative
    level->GetTile(4, 0, 1)->tileNumber = 2;    // a valid number, but no image was set up for it
    level->DrawLayer(384, 64, 0, 0, 0, 0, 1.0f, 1);
    EXPECT_EQ(ColourName(Pixel(10, 30)), ColourName(Rgb(255, 0, 0)));
    EXPECT_EQ(ColourName(Pixel(50, 30)), ColourName(Rgb(0, 0, 255)));
    for (int column : {2, 3, 4})
        EXPECT_EQ(ColourName(Pixel(64 * column + 32, 30)), ColourName(kWhite)) << column;
    EXPECT_EQ(ColourName(Pixel(64 * 5 + 32, 30)), ColourName(kBlack));

    level->GetTileSet()->drawModes[3] = 1;   // mirrored left to right
    rl::Canvas::Fill(0, 0, 0, 1);
    level->DrawLayer(384, 64, 0, 0, 0, 0, 1.0f, 1);
    EXPECT_EQ(ColourName(Pixel(74, 30)), ColourName(Rgb(0, 0, 255)));
    EXPECT_EQ(ColourName(Pixel(114, 30)), ColourName(Rgb(255, 0, 0)));
}

TEST_F(LevelScreenTest, TinyZoomDrawsWithoutDividingByZero)
{
    WriteTiles(2);
    level = std::make_unique<Level>(10, 5);
    level->DrawLayer(200, 100, 0, 0, 0, 0, 0.01f, 1);
    // Cells of 0.64 pixels: the 10 x 5 grid covers less than 7 x 4 pixels, the rest is yellow.
    EXPECT_EQ(ColourName(Pixel(2, 2)), ColourName(kBlack));
    EXPECT_EQ(ColourName(Pixel(50, 50)), ColourName(kYellow));
    // No zoom at all draws nothing.
    rl::Canvas::Fill(0, 0, 0, 1);
    level->DrawLayer(200, 100, 0, 0, 0, 0, 0.0f, 1);
    EXPECT_EQ(ColourName(Pixel(50, 50)), ColourName(kBlack));
}

TEST_F(LevelScreenTest, ALevelWithoutGridIsAllYellow)
{
    WriteTiles(2);
    level = std::make_unique<Level>(400, 400);
    EXPECT_FALSE(level->HasGrid());
    level->DrawLayer(128, 128, 0, 0, 0, 0, 1.0f, 1);
    EXPECT_EQ(ColourName(Pixel(5, 5)), ColourName(kYellow));
    EXPECT_EQ(ColourName(Pixel(120, 120)), ColourName(kYellow));
    // No background to draw.
    level->DrawLayer(128, 128, 0, 0, 0, 0, 1.0f, 0, 1);
}

TEST_F(LevelScreenTest, LayerZeroIsTheBackgroundInTheChosenMode)
{
    WriteTiles(1);
    level = std::make_unique<Level>(2, 2);
    // Mode 1: the picture's top-left view-sized part at the view's corner.
    level->DrawLayer(60, 40, 0, 0, 10, 20, 1.0f, 0, 1);
    EXPECT_EQ(ColourName(Pixel(10, 20)), ColourName(kBackdrop));
    EXPECT_EQ(ColourName(Pixel(69, 59)), ColourName(kBackdrop));
    EXPECT_EQ(ColourName(Pixel(70, 30)), ColourName(kBlack));
    EXPECT_EQ(ColourName(Pixel(30, 60)), ColourName(kBlack));
    // Mode 0: the game's backdrop, scrolled by half the scroll from the screen's corner.
    rl::Canvas::Fill(0, 0, 0, 1);
    level->DrawLayer(60, 40, 40, 0, 10, 20, 1.0f, 0, 0);
    EXPECT_EQ(ColourName(Pixel(0, 5)), ColourName(kBackdrop));
    EXPECT_EQ(ColourName(Pixel(179, 79)), ColourName(kBackdrop));
    EXPECT_EQ(ColourName(Pixel(180, 40)), ColourName(kBlack));
    // Other modes draw nothing, and no tiles either.
    rl::Canvas::Fill(0, 0, 0, 1);
    level->DrawLayer(60, 40, 0, 0, 10, 20, 1.0f, 0, 2);
    EXPECT_EQ(ColourName(Pixel(30, 30)), ColourName(kBlack));
}

TEST_F(LevelScreenTest, FlagOverlayCoversSolidCellsInsideTheGrid)
{
    WriteTiles(2);
    level = std::make_unique<Level>(3, 2);
    level->SetFlags(0, 0, 1);
    level->SetFlags(1, 0, 2);   // not bit 0
    level->SetFlags(2, 1, 3);
    level->DrawFlagOverlay(704, 512, 0, 0, 0, 0, 1.0f);
    const uint32_t cyan = Rgb(0, 77, 77);   // 30% cyan over black
    struct Case {
        int x, y;
        uint32_t colour;
    } const cases[] = {
        {32, 32, cyan}, {96, 32, kBlack}, {160, 96, cyan}, {160, 32, kBlack},
        {224, 32, kBlack},   // outside the grid: no overlay, no yellow
        {32, 160, kBlack},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(Near(Pixel(c.x, c.y), c.colour, 2)) << c.x << "," << c.y << " " << ColourName(Pixel(c.x, c.y));

    // Half zoom, scrolled by one 32-pixel cell: cell (2, 1) at (32, 32).
    rl::Canvas::Fill(0, 0, 0, 1);
    level->DrawFlagOverlay(704, 512, 32, 0, 0, 0, 0.5f);
    EXPECT_TRUE(Near(Pixel(48, 48), cyan, 2)) << ColourName(Pixel(48, 48));
    EXPECT_TRUE(Near(Pixel(16, 16), kBlack, 2)) << ColourName(Pixel(16, 16));
}

TEST_F(LevelScreenTest, PaletteRowsDrawUnscaledFromColumnZero)
{
    WriteTiles(12);
    level = std::make_unique<Level>(11, 3);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 11; ++column)
            level->SetTile(column, row, 1 + (column + row) % 11, 1);

    // A 704 x 128 palette scrolled by 74 pixels: rows 1 and 2, shifted up 10 pixels; 11 columns.
    level->DrawRows(704, 128, 74, 20, 100);
    EXPECT_EQ(ColourName(Pixel(20, 100)), ColourName(TileColour(2)));     // (0, 1) from y = 90
    EXPECT_EQ(ColourName(Pixel(84, 153)), ColourName(TileColour(3)));     // (1, 1)
    EXPECT_EQ(ColourName(Pixel(20, 154)), ColourName(TileColour(3)));     // (0, 2) from y = 154
    EXPECT_EQ(ColourName(Pixel(723, 217)), ColourName(TileColour(2)));    // (10, 2): 1 + 12 % 11
    EXPECT_EQ(ColourName(Pixel(20, 220)), ColourName(kBlack));            // no third row drawn
    EXPECT_EQ(ColourName(Pixel(730, 120)), ColourName(kBlack));           // no twelfth column

    // A view that is not a multiple of 64 gets one more column and row; beyond the grid is yellow.
    rl::Canvas::Fill(0, 0, 0, 1);
    level->DrawRows(710, 130, 64, 0, 0);
    EXPECT_EQ(ColourName(Pixel(710, 10)), ColourName(kYellow));    // column 11
    EXPECT_EQ(ColourName(Pixel(10, 130)), ColourName(kYellow));    // row 3
    EXPECT_EQ(ColourName(Pixel(10, 10)), ColourName(TileColour(2)));
}

} // namespace

namespace {

// ---- Batched drawing ----------------------------------------------------------------------------

TEST_F(LevelScreenTest, BatchedLayersDrawEveryPixelAsSingleTilesDo)
{
    WriteTiles(5);
    // Tile 5: a picture with a left and a right half and a see-through stripe; tile 6: two frames.
    ASSERT_TRUE(WritePng(TileStem(kTileFolder, 5) + "-a-00.png", 64, 64, [](int x, int y) {
        return y > 40 && y < 48 ? Argb(0, 0, 0, 0) : x < 20 ? Rgb(250, 10, 10) : Rgb(10, 10, 250);
    }));
    WriteTileFrame(kTileFolder, 6, 'a', 0, Rgb(90, 90, 90));
    WriteTileFrame(kTileFolder, 6, 'a', 1, Rgb(160, 160, 20));
    level = std::make_unique<Level>(40, 30);
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 30; ++y) {
            level->SetTile(x, y, (x * 3 + y) % 7, 1);
            level->SetTile(x, y, (x + y) % 11 == 0 ? 5 : 0, 2);
        }
    level->GetTile(3, 3, 1)->tileNumber = 99;   // cannot draw: white
    level->GetTileSet()->drawModes[5] = 1;
    LevelBatch batch;
    struct Case {
        float zoom;
        int scrollX, scrollY, which;
    } cases[] = {{1, 0, 0, 1}, {1, 70, 33, 2}, {0.2f, 0, 0, 1}, {0.3f, 17, 5, 1}, {0.55f, 300, 200, 2},
                 {2, 1000, 640, 1}, {1.37f, 2200, 1500, 1}, {0.01f, 0, 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE("zoom " + std::to_string(c.zoom) + " scroll " + std::to_string(c.scrollX));
        rl::Canvas::Fill(0, 0, 0, 1);
        level->DrawLayer(704, 512, c.scrollX, c.scrollY, 20, 30, c.zoom, c.which);
        const std::vector<uint32_t> single = rl::Canvas::ReadPixels(0, 0, 800, 600);
        rl::Canvas::Fill(0, 0, 0, 1);
        batch.DrawLayer(*level, 704, 512, c.scrollX, c.scrollY, 20, 30, c.zoom, c.which);
        const std::vector<uint32_t> batched = rl::Canvas::ReadPixels(0, 0, 800, 600);
        ASSERT_EQ(single.size(), batched.size());
        size_t differing = 0, first = 0;
        for (size_t i = 0; i < single.size(); ++i)
            if (!Near(single[i], batched[i], 0) && differing++ == 0)
                first = i;
        EXPECT_EQ(differing, 0u) << "first at " << first % 800 << ", " << first / 800 << ": "
                                 << ColourName(single[first]) << " drawn alone, " << ColourName(batched[first])
                                 << " batched";
    }
    EXPECT_EQ(batch.Atlas().PictureCount(), 8);   // tiles 0 ... 6, tile 6 with two frames
}

} // namespace
