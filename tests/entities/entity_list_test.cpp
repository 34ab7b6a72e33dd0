// Entity lists: ownership, order, the lookups and their log lines, links to removed entities and
// the current game list. No screen.

#include "entities/EntityList.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "tests/resources/TestPlugins.h"
#include "tests/support/TestSupport.h"

using testplugins::LogCapture;

namespace {

// Records what happens to it in a shared journal.
struct Journal {
    std::vector<std::string> events;
};

class Probe : public Entity {
public:
    Probe(const std::string& name, Journal& journal, float px = 0, float py = 0) : Entity(px, py, name), journal_(journal) {}
    ~Probe() override
    {
        journal_.events.push_back("deleted " + name);
        if (spawnOnDeath)
            spawned = SpawnIntoGame(std::make_unique<Probe>(name + "'s ghost", journal_));
        if (spawnedOut)
            *spawnedOut = spawned;
    }
    void Draw(float camX, float camY, float zoom) override
    {
        journal_.events.push_back("draw " + name + " " + std::to_string(int(camX)) + " " + std::to_string(int(camY)) +
                                  " " + std::to_string(zoom).substr(0, 3));
    }

    bool spawnOnDeath = false;
    Entity* spawned = nullptr;
    Entity** spawnedOut = nullptr;

private:
    Journal& journal_;
};

struct EntityListTest : ::testing::Test {
    testsupport::TempFolder folder;
    LogCapture log;
    Journal journal;

    std::unique_ptr<Probe> Make(const std::string& name, float x = 0, float y = 0)
    {
        return std::make_unique<Probe>(name, journal, x, y);
    }
    void TearDown() override { SetCurrentGameList(nullptr); }
};

std::vector<std::string> Names(const EntityList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.Size(); ++i)
        names.push_back(list.GetName(i));
    return names;
}

TEST_F(EntityListTest, AddAppendsAddFrontInsertsAndDrawAllFollowsTheOrder)
{
    EntityList list;
    EXPECT_EQ(list.Size(), 0);
    list.Add(Make("b"));
    list.Add(Make("c"));
    list.AddFront(Make("a"));
    EXPECT_EQ(list.Add(nullptr), nullptr);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"a", "b", "c"}));

    list.DrawAll(64, -20, 0.5f);
    EXPECT_EQ(journal.events, (std::vector<std::string>{"draw a 64 -20 0.5", "draw b 64 -20 0.5", "draw c 64 -20 0.5"}));
}

TEST_F(EntityListTest, LookupsByNameAndIndex)
{
    EntityList list;
    Entity* first = list.Add(Make("Twin"));
    Entity* second = list.Add(Make("Twin"));
    Entity* other = list.Add(Make("twin"));
    EXPECT_EQ(list.GetEntity("Twin"), first);   // the first of equal names
    EXPECT_EQ(list.GetEntity("twin"), other);   // case matters
    EXPECT_EQ(list.GetEntity(1), second);
    EXPECT_EQ(list.GetEntity(2), other);
    EXPECT_EQ(list.GetName(2), "twin");
}

TEST_F(EntityListTest, FailedLookupsLogAndReturnNothing)
{
    EntityList list;
    list.Add(Make("one"));
    list.Add(Make("two"));
    struct Case {
        int index;
    } const badIndices[] = {{-1}, {2}, {1000}};
    for (const Case& c : badIndices) {
        log.Mark();
        EXPECT_EQ(list.GetName(c.index), "invalid index");
        EXPECT_EQ(log.SinceMark(), (std::vector<std::string>{"ENTITYLIST::GETNAME - Invalid index number -  " +
                                                             std::to_string(c.index)}));
        log.Mark();
        EXPECT_EQ(list.GetEntity(c.index), nullptr);
        EXPECT_EQ(log.SinceMark(),
                  (std::vector<std::string>{"ENTITYLIST::GETENTITY BY INDEX - Couldn't find entity at index -  " +
                                            std::to_string(c.index)}));
    }
    log.Mark();
    EXPECT_EQ(list.GetEntity("three"), nullptr);
    EXPECT_EQ(log.SinceMark(),
              (std::vector<std::string>{"ENTITYLIST::GETENTITY - Couldn't find entity named - ", "three"}));
    // All at priority 4.
    EXPECT_EQ(log.Messages(4).size(), 2u * 3 + 2);
}

TEST_F(EntityListTest, GetEntityAtTestsThePointOnePixelLower)
{
    EntityList list;
    auto box = Make("box", 100, 200);
    box->boxLeft = 0;
    box->boxTop = 0;
    box->boxRight = 31;
    box->boxBottom = 47;
    Entity* hit = list.Add(std::move(box));
    auto offset = Make("offset", 400, 400);
    offset->boxLeft = -10;
    offset->boxTop = -20;
    offset->boxRight = 10;
    offset->boxBottom = 0;
    Entity* offsetHit = list.Add(std::move(offset));
    struct Case {
        float px, py;
        Entity* found;
    } const cases[] = {
        {115, 247, nullptr},   // the box's bottom row misses
        {115, 246, hit},       // one row above hits
        {115, 199, hit},       // one row above the box's top hits
        {115, 198, nullptr},
        {100, 220, hit},       {131, 220, hit},   // left and right columns are inside
        {99, 220, nullptr},    {132, 220, nullptr},
        {115.5f, 246.5f, nullptr},                // 247.5 is past the bottom
        {390, 379, offsetHit}, {410, 399, offsetHit}, {410, 400, nullptr}, {389, 390, nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(list.GetEntityAt(c.px, c.py), c.found) << c.px << "," << c.py;

    // Overlapping boxes: the first in list order.
    auto cover = Make("cover", 0, 0);
    cover->boxRight = 1000;
    cover->boxBottom = 1000;
    list.AddFront(std::move(cover));
    EXPECT_EQ(list.GetEntityAt(115, 220)->name, "cover");
}

TEST_F(EntityListTest, RemoveDeletesOnlyTheGivenEntityAndClearsLinksToIt)
{
    EntityList list;
    Entity* shooter = list.Add(Make("shooter"));
    Entity* bullet = list.Add(Make("bullet"));
    Entity* camera = list.Add(Make("camera"));
    bullet->owner = shooter;
    camera->owner = shooter;
    shooter->owner = camera;

    Probe stranger("stranger", journal);
    list.Remove(&stranger);   // not in the list: nothing happens
    list.Remove(nullptr);
    EXPECT_EQ(list.Size(), 3);
    EXPECT_TRUE(journal.events.empty());

    log.Mark();
    list.Remove(shooter);
    EXPECT_EQ(journal.events, (std::vector<std::string>{"deleted shooter"}));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"bullet", "camera"}));
    EXPECT_EQ(bullet->owner, nullptr);
    EXPECT_EQ(camera->owner, nullptr);
    EXPECT_EQ(log.SinceMark(), (std::vector<std::string>{"Entity Deconstructed, called shooter"}));

    // Links from the current game list are cleared too, when removing from another list.
    EntityList game;
    SetCurrentGameList(&game);
    Entity* follower = game.Add(Make("follower"));
    follower->owner = camera;
    list.Remove(camera);
    EXPECT_EQ(follower->owner, nullptr);
}

TEST_F(EntityListTest, DestructorLogsAndDeletesInOrder)
{
    auto list = std::make_unique<EntityList>();
    list->Add(Make("first"));
    list->Add(Make("second"));
    log.Mark();
    list.reset();
    EXPECT_EQ(journal.events, (std::vector<std::string>{"deleted first", "deleted second"}));
    EXPECT_EQ(log.SinceMark(),
              (std::vector<std::string>{"", "Entity List deconstructing", "", "Trying to delete from Ent List:  first",
                                        "Entity Deconstructed, called first", "",
                                        "Trying to delete from Ent List:  second",
                                        "Entity Deconstructed, called second", "Entity List deconstructed"}));
    EXPECT_EQ(log.Messages(3).size(), 4u);
}

TEST_F(EntityListTest, SpawnsGoToTheCurrentGameList)
{
    EntityList game;
    EXPECT_EQ(CurrentGameList(), nullptr);
    // Without a current game list a spawn has nowhere to live.
    EXPECT_EQ(SpawnIntoGame(Make("orphan")), nullptr);
    EXPECT_EQ(journal.events, (std::vector<std::string>{"deleted orphan"}));

    SetCurrentGameList(&game);
    EXPECT_EQ(CurrentGameList(), &game);
    Entity* back = SpawnIntoGame(Make("snowfall back"));
    Entity* front = SpawnIntoGameFront(Make("snowfall front"));
    ASSERT_NE(back, nullptr);
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(Names(game), (std::vector<std::string>{"snowfall front", "snowfall back"}));
}

TEST_F(EntityListTest, ADestroyedListStopsBeingTheCurrentGameList)
{
    auto game = std::make_unique<EntityList>();
    SetCurrentGameList(game.get());
    // An entity that spawns as it dies (as a cactus man leaves explosions) must not spawn into the
    // list that is deleting it.
    auto dying = Make("cactus");
    dying->spawnOnDeath = true;
    Entity* spawned = reinterpret_cast<Entity*>(1);
    dying->spawnedOut = &spawned;
    game->Add(std::move(dying));
    game.reset();
    EXPECT_EQ(CurrentGameList(), nullptr);
    EXPECT_EQ(spawned, nullptr);
    EXPECT_EQ(journal.events, (std::vector<std::string>{"deleted cactus", "deleted cactus's ghost"}));

    // Removed from a list that is not the current one, its spawn lands in the current list.
    EntityList level;
    EntityList other;
    SetCurrentGameList(&level);
    auto second = Make("robot");
    second->spawnOnDeath = true;
    Entity* robot = other.Add(std::move(second));
    other.Remove(robot);
    EXPECT_EQ(Names(level), (std::vector<std::string>{"robot's ghost"}));
}

} // namespace
