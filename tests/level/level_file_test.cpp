// The level file without a screen: bytes written, read back, refused and cut short; and saving a
// level with its entity file as a pair that a failure leaves untouched.

#include "level/Level.h"
#include "level/LevelSave.h"

#include <algorithm>
#include <allegro.h>
#include <filesystem>
#include <memory>
#include <unistd.h>

#include "core/Alert.h"
#include "core/Packfiles.h"
#include "tests/resources/TestPlugins.h"
#include "tests/skeleton/SkinTestSupport.h"
#include "tests/support/TestSupport.h"

using testplugins::LogCapture;
using namespace testsupport;

namespace {

constexpr int kTiles = 5;   // tiles in the test tileset: numbers 0 ... 4 can draw

std::string Number(int32_t value)
{
    const uint32_t bits = static_cast<uint32_t>(value);
    return std::string {char(bits), char(bits >> 8), char(bits >> 16), char(bits >> 24)};
}

int32_t NumberAt(const std::string& bytes, size_t offset)
{
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = bits << 8 | static_cast<unsigned char>(bytes.at(offset + static_cast<size_t>(i)));
    return static_cast<int32_t>(bits);
}

// The program's layout ("bin" beside "Game Data") with a tileset of kTiles placeholder pictures,
// the log at the program's priority, alerts recorded.
class LevelFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories("bin");
        std::filesystem::create_directories("Game Data/GFX/Tileset - Jungle PNG");
        for (int n = 0; n < kTiles; ++n)
            WriteFile("Game Data/GFX/Tileset - Jungle PNG/Tile 00" + std::to_string(n) + "-a-00.png", "");
        ASSERT_EQ(chdir("bin"), 0);
        log = std::make_unique<LogCapture>();
        g_Log->priority = 2;   // one trace line per tile would flood it
        SetAlertRecording(true);
        ClearRecordedAlerts();
    }
    void TearDown() override { packfiles::SetFileWriteBudget(-1); }

    static std::string Saved(const Level& level, int* problems = nullptr)
    {
        std::string bytes;
        PACKFILE* out = packfiles::OpenMemoryWriter(&bytes);
        const int result = level.Save(out);
        pack_fclose(out);
        if (problems)
            *problems = result;
        return bytes;
    }
    // The level read from the bytes, and the problems counted.
    static std::unique_ptr<Level> Loaded(const std::string& bytes, int* problems = nullptr)
    {
        auto level = std::make_unique<Level>(1, 1);
        PACKFILE* in = packfiles::OpenMemoryReader(bytes);
        const int result = level->Load(in);
        pack_fclose(in);
        if (problems)
            *problems = result;
        return level;
    }

    TempFolder folder;
    TestResources resources;
    std::unique_ptr<LogCapture> log;
};

TEST_F(LevelFileTest, WrittenLevelsReadBackAsTheyWere)
{
    struct Case {
        int width, height;
        std::string folder;
    } cases[] = {{3, 2, "../Game Data/GFX/Tileset - Jungle PNG/"}, {1, 1, ""}, {7, 300, "tiles/"},
                 {300, 2, std::string(600, 'f')}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        Level level(c.width, c.height);
        level.SetTilesetFolder(c.folder);
        // Numbers the tileset draws, the empty cell, and two it cannot: they are kept as stored.
        const int32_t numbers[] = {1, 4, 0, 999, -1, 2};
        for (int x = 0; x < c.width; ++x)
            for (int y = 0; y < c.height; ++y) {
                const int32_t back = numbers[(x + 2 * y) % 6], front = numbers[(3 * x + y) % 6];
                level.GetTile(x, y, 1)->Assign(back, nullptr);
                level.GetTile(x, y, 2)->Assign(front, nullptr);
                level.SetFlags(x, y, (x * 7 + y) % 3);
                level.GetTile(x, y, 2)->flags = (x + y) % 2 ? 8 : 0;
            }
        int problems = -1;
        const std::string bytes = Saved(level, &problems);
        EXPECT_EQ(problems, 0);
        ASSERT_EQ(bytes.size(), 12u + 16u * c.width * c.height + 512u);
        EXPECT_EQ(NumberAt(bytes, 0), 2);
        EXPECT_EQ(NumberAt(bytes, 4), c.width);
        EXPECT_EQ(NumberAt(bytes, 8), c.height);
        if (c.width > 1) {   // cell (1, 0) right after the first column
            const size_t at = 12 + 16 * static_cast<size_t>(c.height);
            EXPECT_EQ(NumberAt(bytes, at), level.GetTile(1, 0, 1)->tileNumber);
            EXPECT_EQ(NumberAt(bytes, at + 4), level.GetFlags(1, 0));
            EXPECT_EQ(NumberAt(bytes, at + 8), level.GetTile(1, 0, 2)->tileNumber);
            EXPECT_EQ(NumberAt(bytes, at + 12), level.GetTile(1, 0, 2)->flags);
        }
        // The folder field: the path (cut to 511 characters), then zero bytes only.
        const std::string field = bytes.substr(bytes.size() - 512);
        const std::string path = c.folder.substr(0, 511);
        EXPECT_EQ(field.substr(0, path.size()), path);
        EXPECT_EQ(field.find_first_not_of('\0', path.size()), std::string::npos);

        const std::unique_ptr<Level> back = Loaded(bytes, &problems);
        EXPECT_EQ(problems, 0);
        EXPECT_EQ(back->version, 2);
        ASSERT_EQ(back->Width(), c.width);
        ASSERT_EQ(back->Height(), c.height);
        EXPECT_EQ(back->TilesetFolder(), path);
        // Tiles the tileset can show play their picture; the others stay without one.
        int mismatches = 0, pictures = 0;
        for (int x = 0; x < c.width; ++x)
            for (int y = 0; y < c.height; ++y)
                for (int layer : {1, 2}) {
                    const Tile* read = back->GetTile(x, y, layer);
                    mismatches += read->tileNumber != level.GetTile(x, y, layer)->tileNumber ||
                                  read->flags != level.GetTile(x, y, layer)->flags;
                    const bool drawable = read->tileNumber >= 0 && read->tileNumber < kTiles;
                    mismatches += drawable != (read->animation.graphics != nullptr);
                    pictures += read->animation.graphics != nullptr;
                }
        EXPECT_EQ(mismatches, 0);
        EXPECT_GT(pictures, 0);
        EXPECT_EQ(Saved(*back), bytes);
    }
}

TEST_F(LevelFileTest, VersionOneFilesHaveOnlyTheBackLayer)
{
    struct Case {
        int width, height;
    } cases[] = {{1, 1}, {4, 3}, {2, 300}};
    for (const Case& c : cases) {
        std::string bytes = Number(1) + Number(c.width) + Number(c.height);
        for (int i = 0; i < c.width * c.height; ++i)
            bytes += Number(i % kTiles) + Number(i % 2);
        bytes += std::string("old/") + std::string(508, '\0');
        ASSERT_EQ(bytes.size(), 12u + 8u * c.width * c.height + 512u);
        int problems = -1;
        const std::unique_ptr<Level> level = Loaded(bytes, &problems);
        EXPECT_EQ(problems, 0);
        EXPECT_EQ(level->version, 1);
        ASSERT_EQ(level->Width(), c.width);
        EXPECT_EQ(level->TilesetFolder(), "old/");
        for (int x = 0; x < c.width; ++x)
            for (int y = 0; y < c.height; ++y) {
                const int i = x * c.height + y;
                EXPECT_EQ(level->GetTile(x, y, 1)->tileNumber, i % kTiles);
                EXPECT_EQ(level->GetFlags(x, y), i % 2);
                EXPECT_EQ(level->GetTile(x, y, 2)->tileNumber, 0);
            }
        EXPECT_EQ(NumberAt(Saved(*level), 0), 2);   // always written as version 2
    }
}

TEST_F(LevelFileTest, WrongVersionsAndSizesAreRefusedBeforeAnythingIsBuilt)
{
    const std::string tail = Number(0) + Number(0) + std::string(512, '\0');
    struct Case {
        std::string bytes;
        bool alert;            // a wrong version is shown to the user
        std::string logged;    // the reason in the log
    } cases[] = {
        {Number(3) + Number(1) + Number(1) + tail, true, "'LEVEL::LOAD' - Can't open level, wrong version! Version:  3"},
        {Number(0) + Number(1) + Number(1) + tail, true, "'LEVEL::LOAD' - Can't open level, wrong version! Version:  0"},
        {"", true, "'LEVEL::LOAD' - Can't open level, wrong version! Version:  0"},
        {Number(2) + Number(2000000000) + Number(2000000000), false,
         "'LEVEL::LOAD' - Can't open level, size out of range! Size: 2000000000, 2000000000"},
        {Number(2) + Number(-5) + Number(4) + tail, false, "'LEVEL::LOAD' - Can't open level, size out of range! Size: -5, 4"},
        {Number(1) + Number(0) + Number(0) + tail, false, "'LEVEL::LOAD' - Can't open level, size out of range! Size: 0, 0"},
        {Number(2) + Number(301) + Number(1) + tail, false, "'LEVEL::LOAD' - Can't open level, size out of range! Size: 301, 1"},
        {Number(2) + Number(5), false, "'LEVEL::LOAD' - Can't open level, size out of range! Size: 5, 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.logged);
        ClearRecordedAlerts();
        log->Mark();
        // A level opened from the file has no grid; one that loads it keeps what it had.
        PACKFILE* in = packfiles::OpenMemoryReader(c.bytes);
        Level opened(in);
        pack_fclose(in);
        EXPECT_FALSE(opened.HasGrid());
        int problems = 0;
        const std::unique_ptr<Level> kept = Loaded(c.bytes, &problems);
        EXPECT_EQ(problems, 1);
        EXPECT_EQ(kept->Width(), 1);
        EXPECT_EQ(RecordedAlerts().size(), c.alert ? 2u : 0u);
        if (c.alert) {
            EXPECT_EQ(RecordedAlerts()[0].lines, std::vector<std::string>({"Level wrong version", "Can't Open", ""}));
            EXPECT_EQ(RecordedAlerts()[0].button, "&Continue");
        }
        const std::vector<std::string> lines = log->SinceMark();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), c.logged), 2);
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [](const std::string& l) { return l.find("Read Problems") != std::string::npos; }),
                  0);
    }
}

TEST_F(LevelFileTest, FilesCutShortCountEveryMissingFieldAndTheFolder)
{
    Level level(3, 2);
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y)
            level.SetTile(x, y, 1 + (x + y) % 4, 1);
    const std::string whole = Saved(level);   // 12 + 96 + 512 bytes; 24 numbers in the cells
    struct Case {
        size_t length;
        int problems;
    } cases[] = {
        {12, 24 + 1}, {13, 24 + 1}, {16, 23 + 1}, {44, 16 + 1}, {107, 1 + 1}, {108, 1}, {300, 1}, {619, 1}, {620, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        int problems = -1;
        const std::unique_ptr<Level> cut = Loaded(whole.substr(0, c.length), &problems);
        EXPECT_EQ(problems, c.problems);
        ASSERT_EQ(cut->Width(), 3);
        // What was read is there; the rest is empty, and the folder stays the one the level had.
        for (size_t i = 0; i < 6; ++i) {
            const int x = static_cast<int>(i / 2), y = static_cast<int>(i % 2);
            const bool read = c.length >= 12 + 16 * i + 4;
            EXPECT_EQ(cut->GetTile(x, y, 1)->tileNumber, read ? 1 + (x + y) % 4 : 0);
        }
        EXPECT_EQ(cut->TilesetFolder(), Level::kDefaultTilesetFolder);
        EXPECT_TRUE(log->Contains("'LEVEL::LOAD' - Read Problems =  " + std::to_string(c.problems)));
    }

    // A folder field without a terminator is cut at its last byte.
    std::string unterminated = whole;
    unterminated.replace(whole.size() - 512, 512, std::string(512, 'A'));
    EXPECT_EQ(Loaded(unterminated)->TilesetFolder(), std::string(511, 'A'));

    // Failing writes are counted, and a level without a grid writes nothing.
    Level none(400, 400);
    int problems = 0;
    EXPECT_EQ(Saved(none, &problems), "");
    EXPECT_EQ(problems, 1);
}

// Saves of the pair into a real folder, with a limited number of bytes the disk takes.
TEST_F(LevelFileTest, APairSaveThatFailsLeavesBothOldFilesAsTheyWere)
{
    const std::string name = folder.File("Pair.LEV");
    ASSERT_EQ(EntityFileName(name), name + "ENTS");
    EXPECT_EQ(EntityFileName(std::string(508, 'x')), "");
    const auto writeEntities = [](const std::string& text) {
        return [text](PACKFILE* out) { return pack_fwrite(text.data(), static_cast<long>(text.size()), out) == static_cast<long>(text.size()); };
    };
    Level level(4, 4);
    level.SetTile(1, 1, 3, 1);
    std::string error;
    ASSERT_TRUE(SaveLevelFiles(level, name, writeEntities("old entities\n"), &error)) << error;
    const std::string oldLevel = ReadFile(name), oldEntities = ReadFile(name + "ENTS");
    ASSERT_EQ(oldLevel.size(), 12u + 16u * 16u + 512u);

    Level bigger(6, 5);
    bigger.SetTile(2, 2, 4, 2);
    const size_t levelSize = 12 + 16 * 30 + 512;
    struct Case {
        int64_t budget;            // bytes the disk takes; -1 for no limit
        bool entitiesFail;         // the entity writer reports a failure of its own
        bool saved;
    } cases[] = {
        {0, false, false},   {11, false, false}, {int64_t(levelSize) - 1, false, false},
        {int64_t(levelSize), false, false}, {int64_t(levelSize) + 5, false, false},
        {-1, true, false},   {-1, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.budget);
        packfiles::SetFileWriteBudget(c.budget);
        error.clear();
        const bool saved = SaveLevelFiles(bigger, name,
                                          c.entitiesFail ? EntityFileWriter([](PACKFILE*) { return false; })
                                                         : EntityFileWriter(writeEntities("new entities\n")),
                                          &error);
        packfiles::SetFileWriteBudget(-1);
        EXPECT_EQ(saved, c.saved);
        EXPECT_EQ(error.empty(), c.saved);
        if (!c.saved) {
            EXPECT_EQ(ReadFile(name), oldLevel);
            EXPECT_EQ(ReadFile(name + "ENTS"), oldEntities);
        } else {
            EXPECT_EQ(ReadFile(name).size(), levelSize);
            EXPECT_EQ(ReadFile(name + "ENTS"), "new entities\n");
        }
        // No temporary file stays behind.
        int files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            files += entry.path().filename().string().rfind("Pair", 0) == 0;
        EXPECT_EQ(files, 2);
    }

    // A link keeps pointing at the file that gets the new contents; a level without a grid is
    // refused before anything is written.
    std::filesystem::create_directory(folder.File("real"));
    std::filesystem::create_symlink(folder.File("real/Linked.LEV"), folder.File("Linked.LEV"));
    WriteFile(folder.File("real/Linked.LEV"), "x");
    ASSERT_TRUE(SaveLevelFiles(level, folder.File("Linked.LEV"), nullptr, &error));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("Linked.LEV")));
    EXPECT_EQ(ReadFile(folder.File("real/Linked.LEV")), oldLevel);
    Level none(0, 0);
    EXPECT_FALSE(SaveLevelFiles(none, name, writeEntities("x"), &error));
    EXPECT_EQ(ReadFile(name + "ENTS"), "new entities\n");
}

} // namespace
