// The snowman boss group on its shipped skeletons: the tank's trigger zone, drive-in, guns and
// pipes; the snowman riding the tank, its hit set, and what it does without a tank; the snowball's
// bursts; and nothing left pointing at a removed tank. Pure logic without a screen.

#include "entities/E_SnowmanTank.h"

#include "entities/E_Bullet.h"
#include "entities/E_Snowball.h"
#include "entities/E_Snowman.h"
#include "particles/ParticleTree.h"
#include "tests/entities/ShippedData.h"

using namespace entitytest;

namespace {

using Boss = ShippedData;

TEST_F(Boss, TheTankStartsOnTheFirstTouchDrivesInAndStopsAtTheArena)
{
    auto* player = list.Add(std::make_unique<Entity>(400, 300, "E_Player"));
    auto* tank = Place<E_SnowmanTank>(1200, 260, "SNOWMAN TANK");
    ASSERT_FALSE(tank->inert);
    EXPECT_EQ(tank->boxLeft, -1000);
    tank->OnCollide(player);
    EXPECT_TRUE(tank->triggered);
    EXPECT_EQ(tank->boxLeft, 100);
    EXPECT_TRUE(tank->flags & ENT_WALKING);
    EXPECT_FLOAT_EQ(player->velX, 0);
    for (int touch = 0; touch < 3; ++touch) {
        player->velX = 5;
        tank->OnCollide(player);
        EXPECT_FLOAT_EQ(player->velX, -10);
    }
    std::vector<float> speeds;
    while ((tank->flags & ENT_WALKING) && speeds.size() < 100) {
        tank->Think();
        tank->Update(1, &grid);
        speeds.push_back(tank->velX);
    }
    ASSERT_GE(speeds.size(), 4u);
    EXPECT_FLOAT_EQ(speeds[0], -2);
    EXPECT_FLOAT_EQ(speeds[1], -4);
    EXPECT_FLOAT_EQ(speeds[2], -6);   // the test comes before the change: one step past -5
    EXPECT_FLOAT_EQ(speeds[3], -6);
    EXPECT_LE(tank->x, E_SnowmanTank::kStopX);
    EXPECT_GT(tank->x, E_SnowmanTank::kStopX - 6);
    EXPECT_FLOAT_EQ(tank->velX, 0);
    EXPECT_TRUE(tank->flags & ENT_IDLE);
    EXPECT_EQ(tank->nextFrameSet, 1);
    EXPECT_EQ(tank->owner, player);
}

TEST_F(Boss, TheGunsShareOneClockAndThePipesReachForTheTarget)
{
    auto* player = list.Add(std::make_unique<Entity>(100, 300, "E_Player"));
    auto* tank = Place<E_SnowmanTank>(1100, 260, "SNOWMAN TANK");
    tank->flags = ENT_ALIVE | ENT_IDLE;
    tank->Think();
    ASSERT_EQ(tank->owner, player);
    std::vector<std::pair<int32_t, int>> shots;   // (ms since the last shot, gun)
    int32_t last = tank->lastShot;
    for (int t = 0; t < 3000; ++t) {
        ElapsedMs += 10;
        const size_t before = All<E_Snowball>().size();
        tank->Think();
        if (All<E_Snowball>().size() > before) {
            auto* ball = dynamic_cast<E_Snowball*>(list.GetEntity(0));   // in front, after its burst
            ASSERT_TRUE(ball);
            shots.push_back({ElapsedMs - last, ball->variant});
            EXPECT_EQ(ball->owner, tank);
            EXPECT_FLOAT_EQ(ball->velX, ball->variant == 1 ? 0 : -15);
            EXPECT_FLOAT_EQ(ball->velY, ball->variant == 1 ? 10 : 0);
            EXPECT_EQ(ball->boxRight, ball->variant == 1 ? 59 : 31);
            auto* burst = dynamic_cast<exploPT*>(list.GetEntity(1));
            ASSERT_TRUE(burst);
            EXPECT_EQ(burst->count, 30);
            last = ElapsedMs;
        }
    }
    ASSERT_GE(shots.size(), 5u);
    bool firstGunSeen = false, secondGunSeen = false;
    for (const auto& [gap, gun] : shots) {
        EXPECT_GT(gap, gun == 1 ? 1500 : 1000) << gun;
        (gun == 1 ? firstGunSeen : secondGunSeen) = true;
    }
    EXPECT_TRUE(firstGunSeen && secondGunSeen);

    struct Case {
        float targetX;
        float pipe4, pipe3;
    } const cases[] = {{100, 265, 185}, {1100, 80, 0}, {1000, 130, 50}, {2000, 67.5f, -12.5f}};
    for (const Case& c : cases) {
        player->x = c.targetX;
        tank->Update(1, &grid);
        EXPECT_FLOAT_EQ(tank->pipe4->length, c.pipe4) << c.targetX;
        EXPECT_FLOAT_EQ(tank->pipe3->length, c.pipe3) << c.targetX;
    }
}

TEST_F(Boss, TheSnowmanRidesItsTankAndBulletsOnlyMakeItFlinch)
{
    // A snowman without a tank, or beside an impostor of another type, alerts and stays put.
    auto* snowman = Place<E_Snowman>(700, 200, "Snowman");
    list.Add(std::make_unique<E_Bullet>(0, 0, "SNOWMAN TANK"));
    for (int t = 0; t < 5; ++t)
        snowman->Think();
    EXPECT_EQ(snowman->host, nullptr);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(RecordedAlerts()[0].lines[0], "Could not find snowman tank!");
    snowman->Draw(0, 0, 1);
    EXPECT_FLOAT_EQ(snowman->x, 700);

    auto* tank = Place<E_SnowmanTank>(1100, 260, "SNOWMAN TANK");
    tank->type = "SNOWMAN TANK";
    list.Remove(list.GetEntity(1));   // the impostor goes; the real tank is found next
    tank->Update(1, &grid);
    snowman->Think();
    ASSERT_EQ(snowman->host, tank);
    snowman->Draw(0, 0, 1);
    const Bone* seat = tank->skeleton->FindBoneByName("Snowman");
    EXPECT_FLOAT_EQ(snowman->x, seat->startX + 1100 - 130);
    EXPECT_FLOAT_EQ(snowman->y, seat->startY + 260 - 25);

    for (int hit = 0; hit < 30; ++hit) {
        Entity* bullet = list.Add(std::make_unique<E_Bullet>(snowman->x - 60, snowman->y, "E_Bullet"));
        snowman->OnCollide(bullet);
        EXPECT_EQ(bullet->flags, ENT_DEAD);
        EXPECT_EQ(snowman->nextFrameSet, 2);
        snowman->Think();
    }
    EXPECT_EQ(snowman->health, 1000);
    EXPECT_EQ(snowman->flags & ENT_ALIVE, ENT_ALIVE);
    // The hit set plays out, then set 1 follows.
    for (int t = 0; t < 400 && snowman->frameSet != 1; ++t) {
        ElapsedMs += 10;
        snowman->Draw(0, 0, 1);
    }
    EXPECT_EQ(snowman->frameSet, 1);

    // Removing the tank leaves nothing pointing at it.
    list.Remove(tank);
    EXPECT_EQ(snowman->host, nullptr);
    EXPECT_EQ(snowman->mountBone, nullptr);
    for (int i = 0; i < list.Size(); ++i)
        EXPECT_NE(list.GetEntity(i)->owner, static_cast<Entity*>(tank));
    snowman->Think();
    snowman->Draw(0, 0, 1);
}

TEST_F(Boss, ASnowballBurstsOnceOnTheLevelOrOnThePlayer)
{
    struct Case {
        int variant;
        float velX, velY;
        bool hitsPlayer;
        float burstVelXMin;
    } const cases[] = {{1, 0, 10, false, -10}, {2, -15, 0, false, -10}, {1, 0, 0, true, -10}, {2, 0, 0, true, 0}};
    for (const Case& c : cases) {
        EntityList game;
        SetCurrentGameList(&game);
        auto* ball = static_cast<E_Snowball*>(game.Add(std::make_unique<E_Snowball>(300, 300, "Snowball")));
        ball->variant = c.variant;
        ball->velX = c.velX;
        ball->velY = c.velY;
        ball->friction = 0;
        Entity player(300, 300, "E_Player");
        for (int t = 0; t < 40; ++t) {
            if (c.hitsPlayer)
                ball->OnCollide(&player);
            ball->Think();
            ball->Update(1, &grid);
        }
        SCOPED_TRACE(testing::Message() << "variant " << c.variant << (c.hitsPlayer ? " on the player" : " on the level"));
        ASSERT_EQ(game.Size(), 2);
        EXPECT_FALSE(ball->flags & ENT_ALIVE);
        auto* burst = dynamic_cast<exploPT*>(game.GetEntity(c.hitsPlayer ? 0 : 1));
        ASSERT_TRUE(burst);
        EXPECT_EQ(burst->count, 20);
        EXPECT_FLOAT_EQ(burst->x, ball->x + 45);
        EXPECT_FLOAT_EQ(burst->y, ball->y + 20);
        EXPECT_EQ(burst->owner, c.hitsPlayer ? nullptr : ball);
        for (int i = 0; i < burst->count; ++i)
            EXPECT_GE(burst->particles[i].velX, c.burstVelXMin);
        SetCurrentGameList(&list);
    }
}

TEST_F(Boss, ATankWithoutItsBonesOrPlayerNeverEndsTheGame)
{
    auto* tank = Place<E_SnowmanTank>(1100, 260, "SNOWMAN TANK");
    tank->flags = ENT_ALIVE | ENT_IDLE;
    for (int t = 0; t < 10; ++t) {
        ElapsedMs += 1000;
        tank->Think();
        tank->Update(1, &grid);
    }
    EXPECT_EQ(tank->owner, nullptr);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(RecordedAlerts()[0].lines[0], "Could not find player!");
    // The boss skeleton without "Pipe 4" still fights; without "Gun 2" it is inert.
    tank->skeleton->FindBoneByName("Pipe 4")->name = "Pipe 4 gone";
    tank->pipe4 = nullptr;
    tank->owner = tank;
    tank->Update(1, &grid);
    EXPECT_FALSE(tank->inert);
}

} // namespace
