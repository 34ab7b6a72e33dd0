// The game loop: the order of a tick, collisions both ways, removal with links cleared, spawning
// during a tick, and the bounded catch-up after a stall; where the view looks.

#include "game/GameLoop.h"

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/Random.h"
#include "entities/EntityList.h"
#include "game/CameraView.h"
#include "game/PlaySession.h"
#include "level/TileGrid.h"

namespace {

using Calls = std::vector<std::string>;

// An entity that writes what happens to it into a shared journal.
class Probe : public Entity {
public:
    Probe(Calls& journal, const std::string& name, float x = 0, float y = 0, int half = 10)
        : Entity(x, y, name), journal_(journal)
    {
        boxLeft = boxTop = -half;
        boxRight = boxBottom = half;
        entityCollision = true;
    }
    void Think() override
    {
        journal_.push_back(name + ".think");
        if (onThink)
            onThink(*this);
    }
    void Update(float dt, const TileGrid* level) override
    {
        journal_.push_back(name + ".update(" + std::to_string(static_cast<int>(dt)) + (level ? ",level)" : ")"));
    }
    void OnCollide(Entity* other) override { journal_.push_back(name + ".hits(" + other->name + ")"); }
    std::function<void(Probe&)> onThink;

private:
    Calls& journal_;
};

struct GameLoopTest : ::testing::Test {
    Calls journal;
    EntityList list;
    TileGrid level;
    GameLoop loop {list, &level};

    void SetUp() override { SetCurrentGameList(&list); }
    void TearDown() override { SetCurrentGameList(nullptr); }

    Probe* Add(const std::string& name, float x = 0, float y = 0, int half = 10)
    {
        return static_cast<Probe*>(list.Add(std::make_unique<Probe>(journal, name, x, y, half)));
    }
};

TEST_F(GameLoopTest, ATickThinksThenUpdatesThenCollidesBothWays)
{
    Add("a", 0, 0);
    Add("b", 15, 0);       // overlaps a
    Add("c", 500, 500);    // alone
    loop.Tick();
    EXPECT_EQ(journal, (Calls {"a.think", "b.think", "c.think", "a.update(1,level)", "b.update(1,level)",
                               "c.update(1,level)", "a.hits(b)", "b.hits(a)"}));
    EXPECT_EQ(loop.TicksRun(), 1);
}

TEST_F(GameLoopTest, PairsMeetWhenTheirBoxesOverlapAndOnlyTheListeningSideHears)
{
    struct Case {
        float bx, by;
        bool aListens, bListens;
        Calls hits;
    } const cases[] = {
        {20, 0, true, true, {"a.hits(b)", "b.hits(a)"}},   // edges touch: boxes are inclusive
        {21, 0, true, true, {}},                           // one pixel apart
        {0, 20, true, true, {"a.hits(b)", "b.hits(a)"}},
        {0, -21, true, true, {}},
        {5, 5, false, true, {"b.hits(a)"}},
        {5, 5, true, false, {"a.hits(b)"}},
        {5, 5, false, false, {}},
        {-20, -20, true, true, {"b.hits(a)", "a.hits(b)"}},   // b's left edge comes first
    };
    for (const Case& c : cases) {
        EntityList pairList;
        GameLoop pairLoop(pairList, nullptr);
        auto* a = static_cast<Probe*>(pairList.Add(std::make_unique<Probe>(journal, "a")));
        auto* b = static_cast<Probe*>(pairList.Add(std::make_unique<Probe>(journal, "b", c.bx, c.by)));
        a->entityCollision = c.aListens;
        b->entityCollision = c.bListens;
        pairLoop.Tick();
        Calls hits;
        for (const std::string& call : journal)
            if (call.find(".hits(") != std::string::npos)
                hits.push_back(call);
        EXPECT_EQ(hits, c.hits) << c.bx << "," << c.by << " " << c.aListens << c.bListens;
        journal.clear();
    }
}

TEST_F(GameLoopTest, FinishedEntitiesLeaveAfterTheTickWithEveryLinkToThemCleared)
{
    Probe* bullet = Add("bullet", 0, 0);
    Probe* wall = Add("wall", 5, 0);
    Probe* shot = Add("shot", 400, 0);
    Probe* follower = Add("follower", 900, 0);
    follower->owner = bullet;
    shot->owner = wall;
    // The bullet hits the level in its update and the wall finishes as it is hit: neither hears of
    // the other any more, and both go.
    bullet->onThink = [](Probe& p) { p.flags &= ~ENT_ALIVE; };
    wall->onThink = [](Probe& p) { p.flags = ENT_DEAD; };
    std::vector<std::string> removed;
    loop.onRemove = [&](const Entity* e) { removed.push_back(e->name); };
    loop.Tick();
    EXPECT_EQ(removed, (std::vector<std::string> {"bullet", "wall"}));
    EXPECT_EQ(list.Size(), 2);
    EXPECT_EQ(list.GetEntity(0), shot);
    EXPECT_EQ(follower->owner, nullptr);
    EXPECT_EQ(shot->owner, nullptr);
    EXPECT_EQ(std::count_if(journal.begin(), journal.end(),
                            [](const std::string& s) { return s.find(".hits(") != std::string::npos; }),
              0);
    // Alive with ENT_DEAD beside it is not finished.
    shot->flags = ENT_ALIVE | ENT_DEAD;
    loop.Tick();
    EXPECT_EQ(list.Size(), 2);
}

TEST_F(GameLoopTest, SpawnsJoinAtOnceButThinkFirstOnTheNextTick)
{
    Probe* gun = Add("gun", 0, 0);
    int shots = 0;
    gun->onThink = [&](Probe&) {
        ++shots;
        SpawnIntoGame(std::make_unique<Probe>(journal, "back" + std::to_string(shots), 1000, 0));
        SpawnIntoGameFront(std::make_unique<Probe>(journal, "front" + std::to_string(shots), -1000, 0));
    };
    loop.Tick();
    EXPECT_EQ(journal, (Calls {"gun.think", "gun.update(1,level)"}));
    EXPECT_EQ(list.Size(), 3);
    journal.clear();
    loop.Tick();
    EXPECT_EQ(journal, (Calls {"front1.think", "gun.think", "back1.think", "front1.update(1,level)",
                               "gun.update(1,level)", "back1.update(1,level)"}));
    EXPECT_EQ(list.Size(), 5);
}

TEST_F(GameLoopTest, TicksRunThirtyASecondAndCatchUpAtMostFourAfterAStall)
{
    Add("a");
    loop.Start(1000);
    struct Step {
        int32_t now;
        int ticks;
    } const steps[] = {
        {1000, 0}, {1030, 0}, {1040, 1}, {1060, 0}, {1070, 1}, {1100, 1},   // 3 ticks in 100 ms
        {2000, 4},                                                         // 27 due: 4 run
        {2030, 0}, {2040, 1},                                              // the schedule restarted at 2000
        {2340, 4}, {2350, 0}, {2380, 1},                                   // 9 due: 4 run, again from 2340
        {1000, 0},                                                         // a clock behind: nothing
    };
    for (const Step& s : steps)
        EXPECT_EQ(loop.RunDueTicks(s.now), s.ticks) << s.now;
    EXPECT_EQ(loop.TicksRun(), 13);
}

// The sweep finds exactly the pairs that comparing every two boxes finds.
TEST_F(GameLoopTest, TheSweepFindsTheSamePairsAsComparingEveryTwoBoxes)
{
    SeedRandom(42);
    std::vector<Probe*> probes;
    for (int i = 0; i < 300; ++i)
        probes.push_back(Add("e" + std::to_string(i), static_cast<float>(RandomInt() % 2000),
                             static_cast<float>(RandomInt() % 600), 2 + RandomInt() % 40));
    std::set<std::string> expected;
    for (Probe* a : probes)
        for (Probe* b : probes) {
            if (a == b)
                continue;
            const bool overlap = a->x + a->boxLeft <= b->x + b->boxRight && b->x + b->boxLeft <= a->x + a->boxRight &&
                                 a->y + a->boxTop <= b->y + b->boxBottom && b->y + b->boxTop <= a->y + a->boxBottom;
            if (overlap)
                expected.insert(a->name + ".hits(" + b->name + ")");
        }
    loop.Tick();
    std::set<std::string> found;
    for (const std::string& call : journal) {
        if (call.find(".hits(") != std::string::npos) {
            EXPECT_TRUE(found.insert(call).second) << "twice: " << call;
        }
    }
    EXPECT_GT(expected.size(), 50u);
    EXPECT_EQ(found, expected);
}

} // namespace

// Who plays: "E_Player" wins over the first PLAYER; a level without one says why in message lines.
TEST_F(GameLoopTest, ThePlayerIsFoundByNameFirstThenByType)
{
    struct Case {
        std::vector<std::pair<std::string, std::string>> entities;   // name, type
        std::string player;                                         // "" = none
        std::string problemStart;
    } const cases[] = {
        {{{"A", "PLAYER"}, {"E_Player", "PLAYER"}}, "E_Player", ""},
        {{{"Hero", "CUPCAKE"}, {"Other", "PLAYER"}, {"Third", "PLAYER"}}, "Other", ""},
        {{{"E_Player", "CAMERA"}}, "E_Player", ""},
        {{{"Cake", "CUPCAKE"}}, "", "This level has no player."},
        {{}, "", "This level has no player."},
        {{{"SNOWMAN TANK", "SNOWMAN TANK"}, {"Snowman", "SNOWMAN"}}, "", "This level has a snowman tank"},
    };
    for (const Case& c : cases) {
        EntityList entities;
        for (const auto& [name, type] : c.entities)
            entities.Add(std::make_unique<Probe>(journal, name))->type = type;
        const Entity* player = FindPlayer(entities);
        EXPECT_EQ(player ? player->name : "", c.player);
        const PlayProblem problem = CheckPlayable(entities);
        EXPECT_EQ(problem.line1, c.problemStart);
        EXPECT_EQ(problem.Any(), !c.problemStart.empty());
        for (const std::string* line : {&problem.line1, &problem.line2, &problem.line3})
            EXPECT_LT(line->size(), 50u) << *line;   // a message box line holds 49 characters
    }
}

// A session steers the player, gives the main camera (not the BossCam) the player to chase, makes
// its list the current game list, forgets a player that leaves, and gives the old list back.
TEST_F(GameLoopTest, ASessionSteersThePlayerAndFollowsItsCamera)
{
    EntityList entities;
    level.Build(100, 20);
    Entity* boss = entities.Add(std::make_unique<Probe>(journal, "BossCam", 3000, 100));
    boss->type = "CAMERA";
    Entity* camera = entities.Add(std::make_unique<Probe>(journal, "Main Camera", 0, 0));
    camera->type = "CAMERA";
    Probe* player = static_cast<Probe*>(entities.Add(std::make_unique<Probe>(journal, "E_Player", 2000, 640)));
    player->type = "PLAYER";
    {
        PlaySession session(entities, &level, 800, 600);
        EXPECT_EQ(CurrentGameList(), &entities);
        EXPECT_TRUE(player->active);
        EXPECT_EQ(session.Camera(), camera);
        EXPECT_EQ(camera->owner, player);
        EXPECT_EQ(boss->owner, nullptr);
        session.Start(0);
        // Probe boxes are -10..10: the view centres on the camera, which starts on the player.
        EXPECT_FLOAT_EQ(session.View().camX, 2000 - 400);
        EXPECT_FLOAT_EQ(session.View().camY, 640 - 300);

        camera->x = 2500;
        EXPECT_EQ(session.Advance(100), 3);
        EXPECT_FLOAT_EQ(session.View().camX, 2500 - 400);

        player->onThink = [](Probe& self) { self.flags = ENT_DEAD; };
        session.Advance(200);
        EXPECT_EQ(session.Player(), nullptr);
        EXPECT_EQ(entities.GetEntity(std::string("E_Player")), nullptr);
        EXPECT_EQ(camera->owner, nullptr);
    }
    EXPECT_EQ(CurrentGameList(), &list);
}

// The view centres on its focus but never shows beyond the level's edges.
TEST(CameraViewTest, CentresOnTheFocusInsideTheLevel)
{
    TileGrid level;
    level.Build(100, 20);   // 6400 x 1280 pixels
    struct Case {
        float x, y, zoom;
        float camX, camY;
    } const cases[] = {
        {1000, 640, 1, 600, 340},      // centred
        {100, 100, 1, 0, 0},           // near the top-left corner
        {6390, 1270, 1, 5600, 680},    // near the bottom-right corner
        {1000, 640, 0.5f, 100, 20},    // half size: 3200 x 640 pixels on screen
        {6000, 100, 0.2f, 480, 0},     // a fifth: 1280 x 256, shorter than the window
    };
    for (const Case& c : cases) {
        CameraView view;
        view.zoom = c.zoom;
        view.FocusOn(c.x, c.y, level);
        EXPECT_FLOAT_EQ(view.camX, c.camX) << c.x << "," << c.y << " x" << c.zoom;
        EXPECT_FLOAT_EQ(view.camY, c.camY) << c.x << "," << c.y << " x" << c.zoom;
    }
}
