// The entity registry and the entity list file: the IDs and their refusals, the file written line
// for line, read back from every line-end style, bad and hostile input, the shipped level's file,
// saving through a temporary file, and the fuzz corpus replayed. Pure logic without a screen.

#include "entities/EntityRegistry.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>

#include "entities/BuiltInEntities.h"
#include "entities/E_Bullet.h"
#include "entities/E_Player.h"
#include "core/Packfiles.h"
#include "level/TileGrid.h"
#include "particles/ParticleTree.h"
#include "tests/entities/EntityListFuzzTarget.h"
#include "tests/entities/EntityTestSupport.h"
#include "tests/resources/TestPlugins.h"

using namespace entitytest;
using testsupport::ReadFile;

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Saved(const EntityList& list)
{
    std::ostringstream out;
    EXPECT_TRUE(list.Save(out));
    return out.str();
}

struct EntityFile : GameTest {
    void SetUp() override
    {
        GameTest::SetUp();
        CreateEntityRegistry();
    }
    void TearDown() override
    {
        DestroyEntityRegistry();
        GameTest::TearDown();
    }
    std::vector<std::string> Alerts() const
    {
        std::vector<std::string> texts;
        for (const AlertMessage& alert : RecordedAlerts())
            texts.push_back(alert.lines.empty() ? "" : alert.lines[0]);
        return texts;
    }
};

TEST_F(EntityFile, TheRegistryMakesKnownIdsAndRefusesTheRest)
{
    testplugins::LogCapture log;
    std::unique_ptr<Entity> bullet = g_EntityRegistry->Create("BULLET", "BULLET");
    ASSERT_TRUE(dynamic_cast<E_Bullet*>(bullet.get()));
    EXPECT_EQ(bullet->type, "BULLET");
    EXPECT_EQ(bullet->name, "BULLET");
    EXPECT_EQ(g_EntityRegistry->Create("PLAYER", "Hero")->type, "PLAYER");
    EXPECT_EQ(Alerts().size(), 0u);

    EXPECT_EQ(g_EntityRegistry->Create("SNOWBALL", "SNOWBALL"), nullptr);
    EXPECT_EQ(g_EntityRegistry->Create("player", "player"), nullptr);
    g_EntityRegistry->Register("PLAYER", MakeEntity<E_Bullet>);
    EXPECT_TRUE(dynamic_cast<E_Player*>(g_EntityRegistry->Create("PLAYER", "again").get()));
    EXPECT_EQ(Alerts(), (std::vector<std::string> {"Could not find Entity plugin with ID 'SNOWBALL'!",
                                                   "Could not find Entity plugin with ID 'player'!",
                                                   "Entity plugin with ID 'PLAYER' already loaded!"}));
    EXPECT_TRUE(log.Contains("Entity plugin with ID 'PLAYER' already loaded!"));
    EXPECT_TRUE(log.Contains("Could not find Entity plugin with ID 'SNOWBALL'!"));

    // A bullet made by the registry has no speed: it stays where it is and never bursts.
    TileGrid grid;
    grid.Build(4, 4);
    bullet->x = 70;
    bullet->y = 70;
    for (int t = 0; t < 100; ++t) {
        bullet->Think();
        bullet->Update(1, &grid);
    }
    EXPECT_FLOAT_EQ(bullet->x, 70);
    EXPECT_FLOAT_EQ(bullet->y, 70);
    EXPECT_EQ(list.Size(), 0);
}

TEST_F(EntityFile, AnEmptyListIsSevenLinesEndingInZero)
{
    const std::string text = Saved(list);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(lines[0], std::string(46, '#'));
    EXPECT_EQ(lines[1], "## Saved Entity List");
    EXPECT_TRUE(std::regex_match(lines[2], std::regex(R"(## Last Modified: \d\d/\d\d/\d\d at \d\d:\d\d:\d\d)"))) << lines[2];
    EXPECT_EQ(lines[3], lines[0]);
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "Number Ents in list:");
    EXPECT_EQ(lines[6], "0");
}

TEST_F(EntityFile, RecordsSurviveASaveAndLoadInEveryLineEndStyle)
{
    const std::string longName(300, 'n');
    struct Case {
        const char* type;
        std::string name;
        float x, y;
        const char* xText;
        const char* yText;
        std::string nameBack;
        float xBack, yBack;
    } const cases[] = {
        {"CAMERA", "Main Camera", 128, 266, "128", "266", "Main Camera", 128, 266},
        {"PLAYER", "CACTUS MAN", 12.5f, -0.25f, "12.5", "-0.25", "CACTUS MAN", 12.5f, -0.25f},
        {"CUPCAKE", " padded ", 1234567, 0.1f, "1.23457e+06", "0.1", " padded ", 1234570, 0.1f},
        {"BULLET", longName, -1e-05f, 1e7f, "-1e-05", "1e+07", longName.substr(0, 255), -1e-05f, 1e7f},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Entity> e = g_EntityRegistry->Create(c.type, c.type);
        e->name = c.name;
        e->x = c.x;
        e->y = c.y;
        list.Add(std::move(e));
    }
    // Entities of no registered type (a burst, a plain entity) are left out.
    list.Add(std::make_unique<exploPT>(5, 5, "Explosion", 3));
    list.Add(std::make_unique<Entity>(6, 6, "plain"));
    const std::string text = Saved(list);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 7u + 5 * 4);
    EXPECT_EQ(lines[6], "4");
    for (size_t i = 0; i < 4; ++i) {
        const Case& c = cases[i];
        const size_t at = 7 + 5 * i;
        EXPECT_EQ(lines[at], "");
        EXPECT_EQ(lines[at + 1], c.type);
        EXPECT_EQ(lines[at + 2], c.name);
        EXPECT_EQ(lines[at + 3], c.xText);
        EXPECT_EQ(lines[at + 4], c.yText);
    }
    for (const char* end : {"\n", "\r\n", "\r"}) {
        const std::string styled = std::regex_replace(text, std::regex("\n"), end);
        EntityList back;
        std::istringstream in(styled);
        ASSERT_TRUE(back.Load(in));
        ASSERT_EQ(back.Size(), 4);
        for (int i = 0; i < 4; ++i) {
            const Case& c = cases[i];
            const Entity* e = back.GetEntity(i);
            SCOPED_TRACE(testing::Message() << c.type << " with line end " << int(end[0]) << "," << int(end[1]));
            EXPECT_EQ(e->type, c.type);
            EXPECT_EQ(e->name, c.nameBack);
            EXPECT_FLOAT_EQ(e->x, c.xBack);
            EXPECT_FLOAT_EQ(e->y, c.yBack);
        }
    }
    EXPECT_EQ(Alerts().size(), 0u);
}

TEST_F(EntityFile, BadInputNeitherCrashesNorMakesWhatCannotBeMade)
{
    const std::string header = std::string(46, '#') + "\n## Saved Entity List\n## x\n" + std::string(46, '#') +
                               "\n\nNumber Ents in list:\n";
    struct Case {
        const char* what;
        std::string text;
        bool ok;
        std::vector<std::string> names;
        size_t alerts;
    } const cases[] = {
        {"unknown type between two", header + "3\n\nCAMERA\nA\n1\n2\n\nSNOWBALL\nB\n3\n4\n\nCAMERA\nC\n5\n6\n", true,
         {"A", "C"}, 1},
        {"count not a number", header + "many\n\nCAMERA\nA\n1\n2\n", true, {}, 0},
        {"negative count", header + "-5\n\nCAMERA\nA\n1\n2\n", true, {}, 0},
        {"count beyond the file", header + "2000000000\n\nCAMERA\nA\n1\n2\n\nPLAYER\nB\n3\n4\n", false, {"A", "B"}, 0},
        {"cut inside a record", header + "2\n\nCAMERA\nA\n1\n2\n\nCAMERA\nB\n", false, {"A"}, 0},
        {"unknown types to the end", header + "900000\n\nX\nA\n1\n2\n\nY\n", false, {}, 2},
        {"cut inside the header", "####\n## Saved\n", false, {}, 0},
        {"empty", "", false, {}, 0},
        {"count of two, one record", header + "2\n\nCUPCAKE\nA\n1\n2", false, {"A"}, 0},
    };
    for (const Case& c : cases) {
        ClearRecordedAlerts();
        EntityList loaded;
        std::istringstream in(c.text);
        EXPECT_EQ(loaded.Load(in), c.ok) << c.what;
        std::vector<std::string> names;
        for (int i = 0; i < loaded.Size(); ++i)
            names.push_back(loaded.GetEntity(i)->name);
        EXPECT_EQ(names, c.names) << c.what;
        EXPECT_EQ(RecordedAlerts().size(), c.alerts) << c.what;
    }
}

TEST_F(EntityFile, TheShippedLevelsEntitiesLoad)
{
    const std::string path = testsupport::SourceDir() + "/Game Data/Levels/Jungle.LEVENTS";
    const std::vector<std::string> lines = Lines(ReadFile(path));
    ASSERT_GT(lines.size(), 7u);
    std::vector<std::string> known;
    for (size_t at = 7; at + 4 < lines.size() + 1; at += 5)
        if (g_EntityRegistry->Has(lines[at + 1]))
            known.push_back(lines[at + 2]);
    ASSERT_TRUE(list.LoadFile(path));
    EXPECT_EQ(known.size(), 32u);   // every type in it is registered
    ASSERT_EQ(list.Size(), static_cast<int>(known.size()));
    for (int i = 0; i < list.Size(); ++i)
        EXPECT_EQ(list.GetEntity(i)->name, known[i]);
    EXPECT_TRUE(list.GetEntity("E_Player"));
    EXPECT_TRUE(list.GetEntity("BossCam"));
}

TEST_F(EntityFile, PackfilesCarryTheListAndReportAFullDisk)
{
    list.Add(g_EntityRegistry->Create("CAMERA", "Main Camera"));
    list.Add(g_EntityRegistry->Create("PLAYER", "E_Player"))->x = 300;
    std::string bytes;
    PACKFILE* memory = packfiles::OpenMemoryWriter(&bytes);
    ASSERT_TRUE(list.Save(memory));
    pack_fclose(memory);
    EXPECT_EQ(Lines(bytes).size(), 17u);

    // A disk that fills up before the list is written whole: the save says so.
    for (int64_t budget : {int64_t(0), int64_t(100), int64_t(bytes.size() - 1), int64_t(bytes.size())}) {
        packfiles::SetFileWriteBudget(budget);
        PACKFILE* file = packfiles::OpenFileWriter("Room.LEVENTS");
        const bool saved = list.Save(file);
        const bool closed = packfiles::CloseFileWriter(file);
        EXPECT_EQ(saved && closed, budget == int64_t(bytes.size())) << budget;
        packfiles::SetFileWriteBudget(-1);
    }

    EntityList back;
    PACKFILE* file = pack_fopen("Room.LEVENTS", "r");
    ASSERT_TRUE(back.Load(file));
    pack_fclose(file);
    ASSERT_EQ(back.Size(), 2);
    EXPECT_EQ(back.GetEntity(1)->name, "E_Player");
    EXPECT_FLOAT_EQ(back.GetEntity(1)->x, 300);
    EXPECT_FALSE(back.LoadFile("missing.LEVENTS"));
    EXPECT_FALSE(back.Load(static_cast<PACKFILE*>(nullptr)));
}

TEST(EntityListCorpus, EveryInputReadsSavesAndReadsBackTheSame)
{
    testsupport::TempFolder folder;
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(MARL_ENTITY_LIST_CORPUS))
        inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    ASSERT_GE(inputs.size(), 10u);
    for (const auto& input : inputs) {
        const std::string bytes = ReadFile(input.string());
        EXPECT_EQ(FuzzEntityListFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "")
            << input.filename();
    }
    DestroyEntityRegistry();
}

} // namespace
