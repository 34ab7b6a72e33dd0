// The player and its bullets, stepped tick by tick as the game loop steps them: running, jumping,
// the Down-held bounce, firing and its rate, the bullet's burst on the level, and the cactus man's
// push. Pure logic without a screen.

#include "entities/E_Player.h"

#include <cmath>

#include "entities/E_Bullet.h"
#include "entities/SkeleEnt.h"
#include "level/TileGrid.h"
#include "particles/ParticleTree.h"
#include "tests/entities/EntityTestSupport.h"

using namespace entitytest;

namespace {

// A 20 x 10 grid with a solid floor in row 8 (y 512 ... 575) and a wall in column 15 (x 960 ...).
struct Field : GameTest {
    TileGrid grid;
    void SetUp() override
    {
        GameTest::SetUp();
        grid.Build(20, 10);
        for (int i = 0; i < 20; ++i)
            grid.SetFlags(i, 8, 1);
        for (int i = 0; i < 10; ++i)
            grid.SetFlags(15, i, 1);
    }
    // A player standing on the floor (box bottom 53: y + 53 = 511), steered.
    E_Player* StandingPlayer(float x = 100)
    {
        auto* player = static_cast<E_Player*>(list.Add(std::make_unique<E_Player>(x, 458, "E_Player")));
        player->active = true;
        return player;
    }
};

TEST_F(Field, RunningSettlesNearElevenAndTwoThirdsAndJumpsOnlyFromTheGround)
{
    E_Player* player = StandingPlayer();
    key[KEY_RIGHT] = 1;
    for (int t = 0; t < 40; ++t)
        Tick(&grid);
    EXPECT_NEAR(player->velX, 3.5f / 0.3f, 0.01f);
    EXPECT_FALSE(player->flags & ENT_AIRBORNE);
    key[KEY_RIGHT] = 0;
    for (int t = 0; t < 40; ++t)
        Tick(&grid);
    EXPECT_NEAR(player->velX, 0, 0.01f);

    // Up held: a jump from the ground, then none until it has landed again.
    key[KEY_UP] = 1;
    int jumps = 0;
    for (int t = 0; t < 60; ++t) {
        const bool wasAirborne = player->flags & ENT_AIRBORNE;
        const float velBefore = player->velY;
        Tick(&grid);
        if (player->velY == E_Player::kJumpSpeed) {
            ++jumps;
            EXPECT_FALSE(wasAirborne) << t;
            EXPECT_GE(velBefore, 0) << t;   // never while rising
        }
        if (t == 5) {
            EXPECT_TRUE(player->flags & ENT_AIRBORNE);
        }
    }
    // Each jump lasts about 25 ticks.
    EXPECT_GE(jumps, 2);
    EXPECT_LE(jumps, 3);
}

TEST_F(Field, FastFallAddsTwoPerTickWhileAirborneAndBelowTwentyFive)
{
    struct Case {
        float velY;
        bool airborne, active;
        float want;
    } const cases[] = {
        {0, true, true, 0 + 1.96f + 2}, {22.9f, true, true, 22.9f + 1.96f + 2},
        {23.1f, true, true, 23.1f + 1.96f}, {0, false, true, 1.96f}, {0, true, false, 1.96f},
    };
    key[KEY_DOWN] = 1;
    for (const Case& c : cases) {
        E_Player player(100, 100, "E_Player");
        player.velY = c.velY;
        player.active = c.active;
        player.flags = ENT_ALIVE | (c.airborne ? ENT_AIRBORNE : 0);
        player.Think();
        EXPECT_FLOAT_EQ(player.velY, c.want) << c.velY;
    }
}

TEST_F(Field, DownHeldReboundsEveryLandingAtLeastOneAboveGravity)
{
    struct Case {
        float velY;
        bool down;
        float want;
    } const cases[] = {
        {2.5f, true, 0},          // 2.5 - 1.96 < 1: it stops
        {2.97f, true, -2.97f},    // 1.01 above gravity: a full rebound
        {20, true, -20}, {20, false, 0}, {63, true, -63},
    };
    for (const Case& c : cases) {
        key[KEY_DOWN] = c.down;
        E_Player player(100, 458 - c.velY / 2, "E_Player");
        player.velY = c.velY;
        player.Update(1, &grid);
        SCOPED_TRACE(c.velY);
        EXPECT_FLOAT_EQ(player.velY, c.want);
        EXPECT_FLOAT_EQ(player.bounce, 0);
        EXPECT_FLOAT_EQ(player.y + 53, 511);
    }
}

TEST_F(Field, FireGivesOneBulletPer201MsWithRecoil)
{
    E_Player* player = StandingPlayer();
    key[KEY_LCONTROL] = 1;
    std::vector<int32_t> shots;
    size_t bullets = 0;
    for (int t = 0; t < 100; ++t) {
        const int32_t now = ElapsedMs;
        const float velBefore = player->velX * 0.7f;
        player->Think();
        if (All<E_Bullet>().size() > bullets) {
            ++bullets;
            shots.push_back(now);
            EXPECT_FLOAT_EQ(player->velX, velBefore - 2);
            EXPECT_EQ(player->lastShot, now);
        }
        ElapsedMs += 10;
    }
    // The clock starts at 10000 (lastShot 0): the first shot at once, then every 210 ms on a
    // 10 ms clock.
    ASSERT_EQ(shots.size(), 5u);
    for (size_t i = 1; i < shots.size(); ++i)
        EXPECT_EQ(shots[i] - shots[i - 1], 210);
    for (E_Bullet* bullet : All<E_Bullet>()) {
        EXPECT_FLOAT_EQ(bullet->velX, 28);
        EXPECT_TRUE(bullet->velY == -1 || bullet->velY == 0 || bullet->velY == 1) << bullet->velY;
        EXPECT_FLOAT_EQ(bullet->friction, 0);
        EXPECT_EQ(bullet->owner, player);
        EXPECT_EQ(bullet->name, "E_Bullet");
        EXPECT_FLOAT_EQ(bullet->x, player->x + 20 - 0);   // the player never moved (no Update)
    }
    // Without Control, or inactive, nothing is fired.
    key[KEY_LCONTROL] = 0;
    ElapsedMs += 1000;
    player->Think();
    key[KEY_LCONTROL] = 1;
    player->active = false;
    player->Think();
    EXPECT_EQ(All<E_Bullet>().size(), 5u);
}

TEST_F(Field, ABulletBurstsOnceWhereItHitsAndKeepsFlyingOtherwise)
{
    struct Case {
        float x, velX;
        float wantX;   // where it stops
    } const cases[] = {
        {850, 28, 959 - 50},    // right edge one short of the wall
        {1100, -28, 1024 - 40}, // left edge on the wall's far side
    };
    for (const Case& c : cases) {
        EntityList local;
        SetCurrentGameList(&local);
        auto* bullet = static_cast<E_Bullet*>(local.Add(std::make_unique<E_Bullet>(c.x, 300, "E_Bullet")));
        bullet->velX = c.velX;
        bullet->friction = 0;
        int bursts = 0;
        for (int t = 0; t < 20; ++t) {
            bullet->Think();
            bullet->Update(1, &grid);
            bullet->OnCollide(bullet);   // a bullet ignores what it touches
            bursts = local.Size() - 1;
        }
        SCOPED_TRACE(c.velX);
        ASSERT_EQ(bursts, 1);
        EXPECT_FALSE(bullet->flags & ENT_ALIVE);
        EXPECT_FLOAT_EQ(bullet->x, c.wantX);
        auto* burst = dynamic_cast<exploPT*>(local.GetEntity(1));
        ASSERT_TRUE(burst);
        EXPECT_EQ(burst->name, "Explosion");
        EXPECT_EQ(burst->count, 10);
        EXPECT_EQ(burst->owner, bullet);
        EXPECT_FLOAT_EQ(burst->x, bullet->x + 50 + 5);
        EXPECT_FLOAT_EQ(burst->y, 315);
        for (int i = 0; i < burst->count; ++i) {
            EXPECT_GE(burst->particles[i].velX, -15);
            EXPECT_LE(burst->particles[i].velX, -6);
            EXPECT_GE(burst->particles[i].velY, -13);
            EXPECT_LE(burst->particles[i].velY, 6);
            EXPECT_FLOAT_EQ(burst->particles[i].colour.g, 1);
        }
        // Removing the bullet leaves the burst without an owner.
        local.Remove(bullet);
        EXPECT_EQ(burst->owner, nullptr);
        SetCurrentGameList(&list);
    }
    // A bullet that finished by hitting an enemy (flags ENT_DEAD) never bursts.
    E_Bullet spent(850, 300, "E_Bullet");
    spent.velX = 28;
    spent.flags = ENT_DEAD;
    for (int t = 0; t < 20; ++t)
        spent.Update(1, &grid);
    EXPECT_EQ(list.Size(), 0);
}

TEST_F(Field, OnlyACactusManWalkingTowardsThePlayerPushesIt)
{
    struct Case {
        const char* name;
        float otherX;
        int facing;
        float want;
    } const cases[] = {
        {"CactusMan", 200, -1, 10}, {"CactusMan", 200, 1, 0}, {"CactusMan", 50, 1, 10},
        {"CactusMan", 50, -1, 0}, {"CactusMan", 100, -1, 0}, {"CACTUS MAN", 200, -1, 0},
        {"cactusman", 200, -1, 0},
    };
    for (const Case& c : cases) {
        E_Player player(100, 100, "E_Player");
        SkeleEnt walker(c.otherX, 100, c.name);
        walker.facing = c.facing;
        walker.velX = 5;
        player.OnCollide(&walker);
        EXPECT_FLOAT_EQ(player.velX, c.want) << c.name << " at " << c.otherX;
    }
}

} // namespace
