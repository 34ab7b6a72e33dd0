// The level editor's undo and redo without a screen: every kind of action undone and redone with
// the saved level and entity records compared, what makes one step, Load forgetting the history,
// and the depth and memory of 200 paint strokes on the largest level.

#include "editor/level/LevelHistory.h"

#include <allegro.h>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <unistd.h>

#include "core/Packfiles.h"
#include "editor/level/EntityPlacement.h"
#include "editor/level/LevelEditorState.h"
#include "entities/EntityList.h"
#include "entities/EntityRegistry.h"
#include "level/Level.h"
#include "resources/RLBMPPlugin.h"
#include "resources/ResourceManager.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

// The program's layout (the backdrop needs the screen and the picture plug-in) with a tileset of five pictures, a registry of two types, and
// the editor's state on a 20 x 20 level.
class LevelHistoryTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        std::filesystem::create_directories("bin");
        std::filesystem::create_directories("Game Data/GFX/Tileset - Jungle PNG");
        std::filesystem::create_directories("Game Data/GFX/Misc");
        ASSERT_TRUE(WritePng("Game Data/GFX/Misc/Background3.png", 8, 8, [](int, int) { return Rgb(20, 40, 90); }));
        for (int n = 0; n < 5; ++n)
            ASSERT_TRUE(WritePng("Game Data/GFX/Tileset - Jungle PNG/Tile 00" + std::to_string(n) + "-a-00.png", 8, 8,
                                 [n](int, int) { return Rgb(40 * n, 100, 60); }));
        ASSERT_EQ(chdir("bin"), 0);
        manager.AddPlugin("PNG", &png);
        g_ResourceManager = &manager;
        registry.Register("THING", MakeEntity<Entity>);
        registry.Register("OTHER", MakeEntity<Entity>);
        g_EntityRegistry = &registry;
        g_LevelEditor.level = std::make_unique<Level>(20, 20);
        g_LevelEditor.NewEntityList();
        g_LevelEditor.prototypes = std::make_unique<EntityList>();
        g_LevelEditor.prototypes->Add(registry.Create("THING", "THING"));
        g_LevelEditor.prototypes->Add(registry.Create("OTHER", "OTHER"));
    }
    void TearDown() override
    {
        g_LevelEditor.Clear();
        g_EntityRegistry = nullptr;
        g_ResourceManager = nullptr;
    }

    // The level file's bytes and the entity file's text from its count on (its header holds the
    // time).
    static std::string Saved()
    {
        std::string bytes;
        PACKFILE* out = packfiles::OpenMemoryWriter(&bytes);
        g_LevelEditor.level->Save(out);
        pack_fclose(out);
        std::ostringstream ents;
        g_LevelEditor.entities->Save(ents);
        const std::string text = ents.str();
        return bytes + "|" + text.substr(text.find("Number Ents"));
    }
    static void Act(const std::function<void()>& action)
    {
        g_LevelEditor.history.Begin();
        action();
        g_LevelEditor.history.Commit();
    }
    static Level& level() { return *g_LevelEditor.level; }
    static Entity* entity(int i) { return g_LevelEditor.entities->GetEntity(i); }

    RLBMPPlugin png;
    ResourceManager manager;
    EntityRegistry registry;
};

TEST_F(LevelHistoryTest, EveryActionUndoesAndRedoesExactly)
{
    const auto newLevel = [](int w, int h) {
        return [w, h] {
            g_LevelEditor.level = std::make_unique<Level>(w, h);
            g_LevelEditor.NewEntityList();
        };
    };
    struct Case {
        const char* what;
        std::function<void()> action;
    } cases[] = {
        {"a stroke of back tiles", [] { for (int x = 2; x < 9; ++x) level().SetTile(x, 3, 2, 1); }},
        {"a front tile", [] { level().SetTile(4, 5, 3, 2); }},
        {"solid cells", [] { level().SetFlags(7, 7, 1); level().SetFlags(19, 19, 1); }},
        {"a cleared cell", [] { level().SetTile(3, 3, 0, 1); level().SetFlags(3, 3, 0); }},
        {"painting over a tile", [] { level().SetTile(5, 3, 4, 1); }},
        {"an entity placed", [] { PlaceEntity(100.5f, 260.25f); }},
        {"another type placed", [] { g_LevelEditor.selectedType = 1; PlaceEntity(640, 64); }},
        {"an entity named", [] { entity(0)->name = "E_Player"; }},
        {"an entity removed", [] { g_LevelEditor.entities->Remove(entity(0)); }},
        {"New Level of another size", newLevel(30, 25)},
        {"a tile on the new level", [] { level().SetTile(29, 24, 1, 1); }},
        {"New Level of the same size", newLevel(30, 25)},
    };
    std::vector<std::string> states {Saved()};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int depth = g_LevelEditor.history.UndoDepth();
        Act(c.action);
        const std::string after = Saved();
        EXPECT_NE(after, states.back());
        EXPECT_EQ(g_LevelEditor.history.UndoDepth(), depth + 1);
        ASSERT_TRUE(g_LevelEditor.history.Undo());
        EXPECT_EQ(Saved(), states.back());
        EXPECT_TRUE(g_LevelEditor.history.CanRedo());
        ASSERT_TRUE(g_LevelEditor.history.Redo());
        EXPECT_EQ(Saved(), after);
        EXPECT_FALSE(g_LevelEditor.history.CanRedo());
        states.push_back(after);
    }
    // All the way back and forth again; a save at every step is what it was.
    for (size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(g_LevelEditor.history.Undo());
        EXPECT_EQ(Saved(), states[i - 1]) << "undone to " << i - 1;
    }
    EXPECT_FALSE(g_LevelEditor.history.Undo());
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(g_LevelEditor.history.Redo());
        EXPECT_EQ(Saved(), states[i]) << "redone to " << i;
    }
    EXPECT_FALSE(g_LevelEditor.history.Redo());
}

TEST_F(LevelHistoryTest, StepsAreWholeActions)
{
    LevelHistory& history = g_LevelEditor.history;
    // Nested actions belong to the outermost: one step.
    history.Begin();
    level().SetTile(1, 1, 2, 1);
    Act([] { level().SetTile(2, 1, 2, 1); });
    history.Commit();
    EXPECT_EQ(history.UndoDepth(), 1);
    // An action that changes nothing, or paints a tile over itself, is no step.
    Act([] {});
    Act([] { level().SetTile(1, 1, 2, 1); });
    EXPECT_EQ(history.UndoDepth(), 1);
    // An edit between actions (none of the editor's) joins the next step rather than being lost.
    level().SetTile(9, 9, 1, 1);
    Act([] { level().SetTile(10, 9, 1, 1); });
    EXPECT_EQ(history.UndoDepth(), 2);
    history.Undo();
    EXPECT_EQ(level().GetTile(9, 9, 1)->tileNumber, 0);
    EXPECT_EQ(level().GetTile(10, 9, 1)->tileNumber, 0);
    EXPECT_EQ(level().GetTile(2, 1, 1)->tileNumber, 2);
    // A new action forgets what was undone.
    Act([] { PlaceEntity(5, 5); });
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoDepth(), 2);
    // Undo inside an action (the key pressed while the map has the click) records nothing more.
    Act([&] { history.Undo(); });
    EXPECT_EQ(history.UndoDepth(), 1);
    EXPECT_TRUE(history.CanRedo());
    EXPECT_EQ(g_LevelEditor.entities->Size(), 0);
    // Loading forgets every step, and the load itself is none.
    Act([&] {
        g_LevelEditor.level = std::make_unique<Level>(40, 40);
        g_LevelEditor.NewEntityList();
        history.Clear();
    });
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Bytes(), 0u);
    // The loaded level is where the history starts.
    Act([] { level().SetTile(39, 39, 3, 2); });
    history.Undo();
    EXPECT_EQ(level().Width(), 40);
    EXPECT_EQ(level().GetTile(39, 39, 2)->tileNumber, 0);
}

TEST_F(LevelHistoryTest, TwoHundredStrokesOnTheLargestLevelStayBounded)
{
    g_LevelEditor.level = std::make_unique<Level>(300, 300);
    LevelHistory& history = g_LevelEditor.history;
    // Each stroke paints a whole row and a whole column: 599 cells.
    constexpr int kStrokes = 260;
    for (int s = 0; s < kStrokes; ++s)
        Act([s] {
            for (int i = 0; i < 300; ++i) {
                level().SetTile(i, s % 300, 1 + s % 4, 1);
                level().SetTile(s % 300, i, 1 + s % 4, 1);
            }
        });
    EXPECT_GE(history.UndoDepth(), 200);
    EXPECT_LT(history.UndoDepth(), kStrokes);
    const size_t bytes = history.Bytes();
    std::printf("history of %d strokes of 599 cells on a 300 x 300 level: %.2f MB\n", history.UndoDepth(),
                static_cast<double>(bytes) / (1 << 20));
    EXPECT_LT(bytes, size_t {64} << 20);
    EXPECT_GT(bytes, size_t {200} * 400 * 2 * sizeof(LevelHistory::Cell));   // a quarter of the cells repaint their own tile
    // Strokes covering the whole level each: the oldest go so the bytes stay within bounds.
    for (int s = 0; s < 16; ++s)
        Act([s] {
            for (int x = 0; x < 300; ++x)
                for (int y = 0; y < 300; ++y)
                    level().SetTile(x, y, 1 + (s + x) % 4, 2);
        });
    EXPECT_LT(history.Bytes(), size_t {64} << 20);
    EXPECT_GE(history.UndoDepth(), 1);
    EXPECT_LT(history.UndoDepth(), 200);
    // The newest of them undoes exactly.
    history.Undo();
    EXPECT_EQ(level().GetTile(299, 299, 2)->tileNumber, 1 + (14 + 299) % 4);
}

} // namespace
