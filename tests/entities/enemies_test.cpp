// The skeleton-driven enemies on their shipped skeletons, stepped tick by tick as the game loop
// steps them (Think, Update, Draw on a 10 ms clock): the cactus man's walls, pause and wounds, the
// robot's shooting, animation states and landing, the soldier standing still, and an enemy
// without its skeleton living on inert. Pure logic without a screen.

#include "entities/E_CactusMan.h"

#include <set>

#include "entities/BuiltInEntities.h"
#include "entities/E_Bullet.h"
#include "entities/E_SmallRobot.h"
#include "entities/E_Soldier.h"
#include "entities/EntityRegistry.h"
#include "particles/ParticleTree.h"
#include "tests/entities/ShippedData.h"

using namespace entitytest;

namespace {

struct Enemies : ShippedData {
    // Think, Update and Draw on everything, then the clock moves on.
    void Step(int ms = 10)
    {
        std::vector<Entity*> now;
        list.Collect(now);
        for (Entity* e : now)
            e->Think();
        for (Entity* e : now)
            e->Update(1, &grid);
        for (Entity* e : now)
            e->Draw(0, 0, 1);
        ElapsedMs += ms;
    }
    static std::unique_ptr<E_Bullet> Bullet(float x, float y, float velX, Entity* owner = nullptr)
    {
        auto bullet = std::make_unique<E_Bullet>(x, y, "E_Bullet");
        bullet->velX = velX;
        bullet->owner = owner;
        return bullet;
    }
};

TEST_F(Enemies, ACactusManTurnsInMidAirButPausesFivePassesOnTheGround)
{
    // In mid-air against the wall: it only turns about.
    auto* flyer = Place<E_CactusMan>(1255, 300);
    ASSERT_FALSE(flyer->inert);
    flyer->velX = 10;
    flyer->flags |= ENT_AIRBORNE;
    flyer->Update(1, &grid);
    EXPECT_EQ(flyer->facing, -1);
    EXPECT_EQ(flyer->flags, ENT_ALIVE | ENT_WALKING | ENT_AIRBORNE);
    Clear();

    // On the ground (box bottom 78 on the floor at 512), walking right into the wall.
    auto* walker = Place<E_CactusMan>(1000, 433);
    int32_t pauseStart = -1, turned = -1;
    for (int t = 0; t < 2000 && turned < 0; ++t) {
        Step();
        if (pauseStart < 0 && (walker->flags & ENT_IDLE)) {
            pauseStart = ElapsedMs;
            EXPECT_EQ(walker->facing, 1);
        }
        if (pauseStart >= 0 && turned < 0) {
            if (walker->flags & ENT_WALKING) {
                turned = ElapsedMs;
                EXPECT_EQ(walker->loops, 5);
                EXPECT_EQ(walker->frameSet, 1);
            } else if (walker->frameSet == 1) {
                EXPECT_LE(walker->loops, 5);
            }
        }
    }
    ASSERT_GE(pauseStart, 0);
    ASSERT_GE(turned, 0);
    EXPECT_EQ(walker->facing, -1);
    EXPECT_EQ(walker->nextFrameSet, 0);
    // Five passes of the four frames of set 1 (the fifth ends as its last frame begins), a quarter
    // second each on a 10 ms clock, after the blend into the set.
    EXPECT_GE(turned - pauseStart, 19 * 250);
    EXPECT_LE(turned - pauseStart, 21 * 260);
    for (int t = 0; t < 100; ++t)
        Step();
    EXPECT_LT(walker->velX, 0);   // walking away from the wall
}

TEST_F(Enemies, BulletsKnockAndWoundACactusManUntilItBursts)
{
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        SeedRandom(seed);
        EntityList game;
        SetCurrentGameList(&game);
        auto* cactus = static_cast<E_CactusMan*>(game.Add(std::make_unique<E_CactusMan>(500, 300, "CactusMan")));
        int hits = 0;
        while (cactus->flags != ENT_DEAD && hits < 20) {
            const bool fromLeft = hits % 2 == 0;
            Entity* bullet = game.Add(Bullet(fromLeft ? 460 : 540, 310, fromLeft ? 28.0f : -28.0f));
            const int health = cactus->health;
            const int before = game.Size();
            cactus->OnCollide(bullet);
            cactus->OnCollide(bullet);   // a spent bullet does no more
            ++hits;
            EXPECT_EQ(bullet->flags, ENT_DEAD);
            EXPECT_FLOAT_EQ(cactus->velX, fromLeft ? 15 : -15);
            EXPECT_GE(health - cactus->health, 10);
            EXPECT_LE(health - cactus->health, 24);
            ASSERT_EQ(game.Size(), before + 2);
            auto* blood = dynamic_cast<exploPT*>(game.GetEntity(before));
            auto* skin = dynamic_cast<exploPT*>(game.GetEntity(before + 1));
            ASSERT_TRUE(blood && skin);
            EXPECT_EQ(blood->count, 7);
            EXPECT_EQ(skin->count, 4);
            EXPECT_FLOAT_EQ(blood->x, fromLeft ? 460 + 50 : 540 + 40);
            EXPECT_EQ(blood->owner, cactus);
            cactus->Think();
        }
        EXPECT_GE(hits, 5) << seed;
        EXPECT_LE(hits, 10) << seed;
        // Not a bullet: nothing happens. Deleting it leaves two bursts where it stood.
        Entity notBullet(0, 0, "E_Bullets");
        cactus->OnCollide(&notBullet);
        const int before = game.Size();
        game.Remove(cactus);
        ASSERT_EQ(game.Size(), before - 1 + 2);
        auto* last = dynamic_cast<exploPT*>(game.GetEntity(game.Size() - 1));
        ASSERT_TRUE(last);
        EXPECT_EQ(last->count, 12);
        EXPECT_EQ(last->owner, nullptr);
        EXPECT_FLOAT_EQ(last->x, 500);
        // Its hit bursts outlive it without a dangling owner.
        for (int i = 0; i < game.Size(); ++i)
            EXPECT_EQ(game.GetEntity(i)->owner, nullptr);
        SetCurrentGameList(&list);
    }
}

TEST_F(Enemies, TheFlowerBurstFollowsTheFacing)
{
    auto* cactus = Place<E_CactusMan>(500, 300);
    cactus->Update(1, &grid);
    const Bone* flower = cactus->skeleton->FindBoneByName("Flower");
    ASSERT_TRUE(flower);
    key[KEY_M] = 1;
    for (int facing : {1, -1}) {
        cactus->facing = facing;
        const int before = list.Size();
        cactus->Think();
        ASSERT_EQ(list.Size(), before + 1);
        auto* burst = dynamic_cast<exploPT*>(list.GetEntity(before));
        ASSERT_TRUE(burst);
        EXPECT_EQ(burst->name, "Flower Explosion");
        EXPECT_EQ(burst->count, 20);
        EXPECT_FLOAT_EQ(burst->x, cactus->x + static_cast<float>(facing) * flower->startX);
        EXPECT_FLOAT_EQ(burst->particles[0].startColour.r, 1);
    }
}

TEST_F(Enemies, ARobotShootsEvery210MsHoldsItsShootingSetAndIgnoresItsOwnBullets)
{
    auto* robot = Place<E_SmallRobot>(500, 451);   // box bottom 60 on the floor
    for (int t = 0; t < 20; ++t)
        Step();
    key[KEY_LCONTROL] = 1;
    std::vector<int32_t> shots;
    for (int t = 0; t < 100; ++t) {
        const int32_t now = ElapsedMs;
        const size_t before = All<E_Bullet>().size();
        Step();
        if (All<E_Bullet>().size() > before) {
            shots.push_back(now);
            ASSERT_TRUE(dynamic_cast<E_Bullet*>(list.GetEntity(0)));   // put in front
        }
        EXPECT_EQ(robot->nextFrameSet, 3) << t;
        EXPECT_TRUE(robot->flags & ENT_SHOOTING);
    }
    ASSERT_EQ(shots.size(), 5u);
    for (size_t i = 1; i < shots.size(); ++i)
        EXPECT_EQ(shots[i] - shots[i - 1], 210);
    key[KEY_LCONTROL] = 0;
    const int32_t lastShot = robot->lastShot;
    while (robot->flags & ENT_SHOOTING)
        Step();
    EXPECT_EQ(ElapsedMs - 10 - lastShot, 410);
    EXPECT_EQ(robot->nextFrameSet, 0);
    EXPECT_TRUE(robot->flags & ENT_IDLE);

    for (E_Bullet* own : All<E_Bullet>()) {
        EXPECT_EQ(own->owner, robot);
        robot->OnCollide(own);
    }
    EXPECT_EQ(robot->health, 100);
    Entity* other = list.Add(Bullet(400, 460, 28, nullptr));
    robot->OnCollide(other);
    EXPECT_GE(robot->health, 76);
    EXPECT_LE(robot->health, 90);
    EXPECT_FLOAT_EQ(robot->velX, 15);
    EXPECT_EQ(other->flags, ENT_DEAD);
}

TEST_F(Enemies, ARobotLandingFastRunsAndSlowStands)
{
    struct Case {
        float velX;
        int wantSet;
        int32_t wantFlag;
    } const cases[] = {{20, 1, ENT_WALKING}, {-20, 1, ENT_WALKING}, {1.2f, 0, ENT_IDLE}, {0, 0, ENT_IDLE}};
    for (const Case& c : cases) {
        EntityList game;
        SetCurrentGameList(&game);
        auto* robot = static_cast<E_SmallRobot*>(game.Add(std::make_unique<E_SmallRobot>(500, 440, "robot")));
        robot->frameSet = robot->nextFrameSet = 2;
        robot->flags = ENT_ALIVE | ENT_AIRBORNE;
        robot->velX = c.velX;
        robot->velY = 20;
        robot->Update(1, &grid);   // lands
        ASSERT_FALSE(robot->flags & ENT_AIRBORNE);
        robot->Think();
        EXPECT_EQ(robot->nextFrameSet, c.wantSet) << c.velX;
        EXPECT_TRUE(robot->flags & c.wantFlag) << c.velX;
        SetCurrentGameList(&list);
    }
}

TEST_F(Enemies, ASoldierFacesLeftLoopsSetOneAndNeverMoves)
{
    CreateEntityRegistry();
    std::unique_ptr<Entity> made = g_EntityRegistry->Create("SOLDIER", "SOLDIER");
    DestroyEntityRegistry();
    auto* soldier = static_cast<E_Soldier*>(list.Add(std::move(made)));
    soldier->x = 300;
    soldier->y = 200;
    key[KEY_LEFT] = key[KEY_DOWN] = key[KEY_LCONTROL] = 1;
    std::set<int> frames;
    for (int t = 0; t < 300; ++t) {
        Step();
        frames.insert(soldier->frame);
        ASSERT_EQ(soldier->frameSet, 1);
    }
    EXPECT_EQ(soldier->facing, -1);
    EXPECT_FLOAT_EQ(soldier->x, 300);
    EXPECT_FLOAT_EQ(soldier->y, 200);
    EXPECT_EQ(frames.size(), static_cast<size_t>(soldier->skeleton->GetFrameSet(1)->FrameCount()));
    EXPECT_EQ(list.Size(), 1);
}

using InertEnemies = GameTest;   // no game data in reach

TEST_F(InertEnemies, WithoutTheirSkeletonsTheyAlertOnceAndLiveAsTheirBoxes)
{
    RecordingPainter painter;
    EntityPainter* previous = SetEntityPainter(&painter);
    auto* a = static_cast<E_CactusMan*>(list.Add(std::make_unique<E_CactusMan>(100, 100, "a")));
    list.Add(std::make_unique<E_CactusMan>(200, 100, "b"));
    auto* robot = static_cast<E_SmallRobot*>(list.Add(std::make_unique<E_SmallRobot>(300, 100, "r")));
    list.Add(std::make_unique<E_Soldier>(400, 100, "s"));
    EXPECT_TRUE(a->inert && robot->inert);
    EXPECT_EQ(RecordedAlerts().size(), 3u);   // one per missing file
    key[KEY_LCONTROL] = key[KEY_M] = 1;
    for (int t = 0; t < 30; ++t)
        Tick(nullptr);
    Entity bullet(100, 100, "E_Bullet");
    a->OnCollide(&bullet);
    EXPECT_EQ(list.Size(), 4);
    EXPECT_FLOAT_EQ(a->x, 100);
    EXPECT_EQ(a->health, 100);
    list.DrawAll(0, 0, 1);
    ASSERT_EQ(painter.painted.size(), 4u);
    EXPECT_EQ(painter.painted[0].kind, 'R');
    EXPECT_FLOAT_EQ(painter.painted[0].x, 80);
    SetEntityPainter(previous);
}

} // namespace
