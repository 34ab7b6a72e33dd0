// The camera's chase and the BossCam trigger, and the cupcake pickup: stepped as the game loop
// steps them. Pure logic; a recording painter shows which drawing path the cupcake takes.

#include "entities/E_Camera.h"

#include "entities/E_Cupcake.h"
#include "particles/ParticleTree.h"
#include "tests/entities/EntityTestSupport.h"
#include "tests/resources/TestPlugins.h"

using namespace entitytest;

namespace {

using CameraTest = GameTest;

TEST_F(CameraTest, ChasesAFifthOfTheGapCappedAtThirty)
{
    struct Case {
        float gapX, gapY;
        std::vector<float> movesX;
        float firstMoveY;
    } const cases[] = {
        {300, 0, {30, 30, 30, 30, 30, 30}, 0},
        {50, -200, {10, 8, 6.4f, 5.12f}, -30},
        {-400, 20, {-30, -30}, 4},
    };
    for (const Case& c : cases) {
        Entity target(1000 + c.gapX, 500 + c.gapY, "E_Player");
        E_Camera camera(1000, 500, "Main Camera");
        camera.owner = &target;
        float firstY = 0;
        for (size_t t = 0; t < c.movesX.size(); ++t) {
            const float x = camera.x, y = camera.y;
            camera.Think();
            camera.Update(1, nullptr);
            EXPECT_NEAR(camera.x - x, c.movesX[t], 1e-3) << c.gapX << " tick " << t;
            if (t == 0)
                firstY = camera.y - y;
        }
        EXPECT_NEAR(firstY, c.firstMoveY, 1e-3) << c.gapX;
    }
    // Without a target it drifts on its last speed, clamped.
    E_Camera loose(0, 0, "Main Camera");
    loose.velX = 100;
    loose.velY = -45;
    loose.Think();
    loose.Update(1, nullptr);
    EXPECT_FLOAT_EQ(loose.x, 30);
    EXPECT_FLOAT_EQ(loose.y, -30);
}

TEST_F(CameraTest, TheBossCamTakesTheViewAndStartsTheSnowOnce)
{
    struct Case {
        const char* camera;
        const char* toucher;
        bool mainCamera;
        bool fires;
    } const cases[] = {
        {"BossCam", "E_Player", true, true},   {"BossCam", "E_Player", false, true},
        {"BossCam", "CactusMan", true, false}, {"Main Camera", "E_Player", true, false},
        {"bosscam", "E_Player", true, false},
    };
    for (const Case& c : cases) {
        EntityList game;
        SetCurrentGameList(&game);
        auto* main = static_cast<E_Camera*>(game.Add(std::make_unique<E_Camera>(0, 0, "Main Camera")));
        auto* player = game.Add(std::make_unique<Entity>(10, 10, c.toucher));
        main->owner = player;
        SetMainCamera(c.mainCamera ? main : nullptr);
        auto* boss = static_cast<E_Camera*>(game.Add(std::make_unique<E_Camera>(500, 300, "x")));
        boss->name = c.camera;   // as its record names it after construction
        boss->Think();
        EXPECT_EQ(boss->entityCollision, std::string(c.camera) == "BossCam") << c.camera;
        for (int contact = 0; contact < 3; ++contact) {
            if (boss->entityCollision || contact == 0)
                boss->OnCollide(player);
            boss->Think();
        }
        SCOPED_TRACE(testing::Message() << c.camera << " touched by " << c.toucher);
        ASSERT_EQ(game.Size(), c.fires ? 5 : 3);
        EXPECT_EQ(main->owner, c.fires && c.mainCamera ? static_cast<Entity*>(boss) : player);
        EXPECT_FALSE(boss->entityCollision && c.fires);
        if (!c.fires)
            continue;
        EXPECT_EQ(game.GetName(0), "Snow Fall - Front");
        EXPECT_EQ(game.GetName(4), "Snow Fall - Back");
        EXPECT_TRUE(dynamic_cast<snowPT*>(game.GetEntity(0)));
        EXPECT_EQ(boss->boxLeft, -10);
        EXPECT_EQ(boss->boxBottom, 10);
        SetMainCamera(nullptr);
        SetCurrentGameList(&list);
    }
}

using CupcakeTest = PaintedGameTest;

TEST_F(CupcakeTest, ThePlayerPopsItOnceIntoTenParticles)
{
    testplugins::LogCapture log;
    auto* cupcake = static_cast<E_Cupcake*>(list.Add(std::make_unique<E_Cupcake>(200, 100, "Cupcake 1")));
    Entity player(190, 90, "E_Player");
    Entity other(190, 90, "E_Bullet");
    for (int t = 0; t < 10; ++t)
        Tick(nullptr);
    EXPECT_FLOAT_EQ(cupcake->x, 200);   // it hangs where it was placed
    EXPECT_FLOAT_EQ(cupcake->y, 100);
    cupcake->OnCollide(&other);
    EXPECT_EQ(list.Size(), 1);
    log.Mark();
    cupcake->OnCollide(&player);
    cupcake->OnCollide(&player);
    ASSERT_EQ(list.Size(), 2);
    EXPECT_FALSE(cupcake->flags & ENT_ALIVE);
    auto* burst = dynamic_cast<exploPT*>(list.GetEntity(1));
    ASSERT_TRUE(burst);
    EXPECT_EQ(burst->count, 10);
    EXPECT_EQ(burst->owner, cupcake);
    EXPECT_FLOAT_EQ(burst->x, 225);
    EXPECT_FLOAT_EQ(burst->y, 125);
    for (int i = 0; i < burst->count; ++i) {
        EXPECT_GE(burst->particles[i].velX, -10);
        EXPECT_LE(burst->particles[i].velX, 9);
        EXPECT_GE(burst->particles[i].velY, -15);
        EXPECT_LE(burst->particles[i].velY, 4);
        EXPECT_FLOAT_EQ(burst->particles[i].endColour.b, 0.3f);
    }
    std::vector<std::string> popped;
    for (const std::string& line : log.SinceMark())
        if (line == "Cupcake Ent collided with Player")
            popped.push_back(line);
    EXPECT_EQ(popped.size(), 1u);
}

TEST_F(CupcakeTest, StartsOnARandomFrameAndDrawsOnlyWithPictures)
{
    std::vector<int> frames;
    for (int i = 0; i < 40; ++i)
        frames.push_back(E_Cupcake(0, 0, "c").frame);
    EXPECT_EQ(*std::min_element(frames.begin(), frames.end()), 0);
    EXPECT_EQ(*std::max_element(frames.begin(), frames.end()), 3);
    // No pictures here: nothing is drawn but the box, and that only while B is held.
    E_Cupcake cupcake(100, 50, "c");
    EXPECT_EQ(cupcake.gfx, nullptr);
    cupcake.Draw(10, 20, 1);
    cupcake.Draw(10, 20, 0.5f);
    EXPECT_TRUE(painter.painted.empty());
    key[KEY_B] = 1;
    cupcake.Draw(10, 20, 0.5f);
    ASSERT_EQ(painter.painted.size(), 1u);
    EXPECT_EQ(painter.painted[0].kind, 'R');
    EXPECT_FLOAT_EQ(painter.painted[0].x, 100 - 10 + 10);
    EXPECT_FLOAT_EQ(painter.painted[0].size, 31);
}

} // namespace
