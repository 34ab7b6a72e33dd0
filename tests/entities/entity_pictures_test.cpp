// The entity classes on the real screen with the shipped game data: explosion discs shrinking as
// they age, snow flakes, the player's sprite, the bullet mirrored when it flies left, the enemies
// and the boss group drawn from their skeletons; and the shooting sound heard on SDL's disk driver.
// MARL_SCREENSHOT_DIR, when set, receives the pictures as PNG files to look at.

#include <allegro.h>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "core/Clock.h"
#include "entities/E_Bullet.h"
#include "entities/E_CactusMan.h"
#include "entities/E_Player.h"
#include "entities/E_SmallRobot.h"
#include "entities/E_Snowman.h"
#include "entities/E_SnowmanTank.h"
#include "entities/E_Soldier.h"
#include "entities/EntityList.h"
#include "entities/ScreenPainter.h"
#include "particles/ParticleTree.h"
#include "resources/RLBMPPlugin.h"
#include "resources/ResourceManager.h"
#include "resources/SoundPlugin.h"
#include "rl/Canvas.h"
#include "tests/sound/SoundTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

struct EntityPictures : ScreenTest {
    RLBMPPlugin png;
    SoundPlugin wav;
    std::unique_ptr<ResourceManager> manager;
    EntityList list;

    void SetUp() override
    {
        ScreenTest::SetUp();
        std::filesystem::create_directory("bin");
        std::filesystem::create_directory_symlink(SourceDir() + "/Game Data", "Game Data");
        ASSERT_EQ(chdir("bin"), 0);
        manager = std::make_unique<ResourceManager>();
        manager->AddPlugin("PNG", &png);
        manager->AddPlugin("WAV", &wav);
        g_ResourceManager = manager.get();
        UseScreenPainter();
        SetCurrentGameList(&list);
        TimerTicked = 0;   // pictures hold still
        ElapsedMs = 10000;
    }
    void TearDown() override
    {
        SetCurrentGameList(nullptr);
        while (list.Size() > 0)
            list.Remove(list.GetEntity(0));
        manager.reset();
        g_ResourceManager = nullptr;
    }
    static int Lit(int x, int y, int width, int height)
    {
        int lit = 0;
        for (uint32_t pixel : rl::Canvas::ReadPixels(x, y, width, height))
            lit += (pixel & 0xffffff) != 0;
        return lit;
    }
    static void Keep(const char* name)
    {
        const char* dir = std::getenv("MARL_SCREENSHOT_DIR");
        if (!dir)
            return;
        const std::vector<uint32_t> pixels = rl::Canvas::ReadPixels(0, 0, 800, 600);
        WritePng(std::string(dir) + "/" + name, 800, 600, [&](int x, int y) { return pixels[size_t(y) * 800 + size_t(x)] | 0xff000000u; });
    }
};

TEST_F(EntityPictures, DiscsShrinkWithAgeAndSnowIsPaleGrey)
{
    exploPT burst(200, 200, "Explosion", 1);
    burst.SetColours(Rgba {1, 0, 0, 1}, Rgba {1, 0, 0, 1});
    burst.particles[0].velX = burst.particles[0].velY = 0;
    burst.particles[0].gravity = 0;
    struct Case {
        int thinks;
        int radius;   // life / 5 + 1
    } const cases[] = {{0, 5}, {1, 4}, {6, 3}, {11, 2}, {16, 1}};
    int thought = 0;
    for (const Case& c : cases) {
        for (; thought < c.thinks; ++thought)
            burst.Think();
        rl::Canvas::Fill(0, 0, 0, 1);
        burst.Draw(0, 0, 1);
        const int reach = c.radius - 1;
        EXPECT_TRUE(Near(rl::Canvas::ReadPixel(200 + reach, 200), Rgb(255, 0, 0), 40)) << c.thinks;
        EXPECT_EQ(ColourName(rl::Canvas::ReadPixel(200 + c.radius + 1, 200)), "#000000") << c.thinks;
    }
    snowPT snow(0, 0, "Snow Fall - Front");
    snow.particles[0].state = snowParticle::kFalling;
    snow.particles[0].x = 400;
    snow.particles[0].y = 300;
    snow.particles[0].timer = 450;   // radius 4 + 2
    rl::Canvas::Fill(0, 0, 0, 1);
    snow.Draw(0, 0, 1);
    EXPECT_TRUE(Near(rl::Canvas::ReadPixel(400, 300), Rgb(115, 115, 115), 6)) << ColourName(rl::Canvas::ReadPixel(400, 300));
    EXPECT_TRUE(Near(rl::Canvas::ReadPixel(405, 300), Rgb(115, 115, 115), 6));
    EXPECT_EQ(ColourName(rl::Canvas::ReadPixel(408, 300)), "#000000");
}

TEST_F(EntityPictures, ThePlayerAndItsBulletMirroredWhenFlyingLeft)
{
    E_Player player(100, 100, "E_Player");
    ASSERT_TRUE(player.gfx);
    player.Draw(0, 0, 1);
    EXPECT_GT(Lit(100, 100, 64, 64), 1000);
    EXPECT_EQ(Lit(170, 100, 20, 64), 0);
    player.Draw(-300, 0, 2);   // twice the size at (2 * 100 + 300, 200)
    EXPECT_GT(Lit(500, 200, 128, 128), 4000);

    E_Bullet bullet(300, 300, "E_Bullet");
    ASSERT_TRUE(bullet.gfx);
    rl::Canvas::Fill(0, 0, 0, 1);
    bullet.velX = 28;
    bullet.Draw(0, 0, 1);
    const std::vector<uint32_t> right = rl::Canvas::ReadPixels(300, 300, 60, 30);
    bullet.velX = -28;
    rl::Canvas::Fill(0, 0, 0, 1);
    bullet.Draw(0, 0, 1);
    const std::vector<uint32_t> left = rl::Canvas::ReadPixels(300, 300, 60, 30);
    int differ = 0, lit = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const uint32_t a = right[size_t(y * 60 + x)], b = left[size_t(y * 60 + 59 - x)];
            lit += (a & 0xffffff) != 0;
            differ += !Near(a, b, 8);
        }
    EXPECT_GT(lit, 200);
    EXPECT_LT(differ, 10);
    EXPECT_GT(Lit(0, 0, 800, 600), 0);
    Keep("player-and-bullet.png");
}

TEST_F(EntityPictures, TheEnemiesAndTheBossGroupFromTheirSkeletons)
{
    TimerTicked = 1;
    auto* cactus = static_cast<E_CactusMan*>(list.Add(std::make_unique<E_CactusMan>(120, 200, "CactusMan")));
    auto* robot = static_cast<E_SmallRobot*>(list.Add(std::make_unique<E_SmallRobot>(300, 200, "robot")));
    auto* soldier = static_cast<E_Soldier*>(list.Add(std::make_unique<E_Soldier>(450, 200, "soldier")));
    auto* tank = static_cast<E_SnowmanTank*>(list.Add(std::make_unique<E_SnowmanTank>(1000, 700, "SNOWMAN TANK")));
    tank->type = "SNOWMAN TANK";
    auto* snowman = static_cast<E_Snowman*>(list.Add(std::make_unique<E_Snowman>(0, 0, "Snowman")));
    list.Add(std::make_unique<Entity>(0, 0, "E_Player"));
    for (const SkeletonCharacter* e : {static_cast<SkeletonCharacter*>(cactus), static_cast<SkeletonCharacter*>(robot),
                                       static_cast<SkeletonCharacter*>(soldier), static_cast<SkeletonCharacter*>(tank),
                                       static_cast<SkeletonCharacter*>(snowman)})
        ASSERT_FALSE(e->inert) << e->name;
    for (int t = 0; t < 3; ++t) {
        std::vector<Entity*> all;
        list.Collect(all);
        for (Entity* e : all)
            e->Think();
        for (Entity* e : all)
            e->Update(1, nullptr);
        ElapsedMs += 100;
    }
    ASSERT_EQ(snowman->host, tank);
    rl::Canvas::Fill(0, 0, 0, 1);
    cactus->Draw(0, 0, 1);
    robot->Draw(0, 0, 1);
    soldier->Draw(0, 0, 1);
    // The boss group at half size, the tank's origin at screen (420, 320).
    tank->Draw(80, 30, 0.5f);
    snowman->Draw(80, 30, 0.5f);
    Keep("enemies.png");
    EXPECT_GT(Lit(cactus->x - 60, 200 - 80, 120, 180), 800) << "cactus man";
    EXPECT_GT(Lit(robot->x - 60, 200 - 80, 120, 180), 800) << "small robot";
    EXPECT_GT(Lit(soldier->x - 100, 200 - 100, 200, 200), 800) << "soldier";
    EXPECT_GT(Lit(420, 320, 300, 200), 3000) << "tank";
}

TEST_F(EntityPictures, FiringIsHeardOnTheDiskDriver)
{
    using namespace soundtest;
    const std::string output = UseDiskOutput(folder.Path());
    E_Player player(100, 100, "E_Player");
    player.active = true;
    ASSERT_TRUE(WaitForOutput(output, size_t(FramesFor(200))));
    const size_t before = OutputFrames(output);
    EXPECT_EQ(SoundingFrames(ReadOutput(output)), 0u);
    key[KEY_LCONTROL] = 1;
    player.Think();
    key[KEY_LCONTROL] = 0;
    ASSERT_EQ(list.Size(), 1);
    ASSERT_TRUE(WaitForMore(output, size_t(FramesFor(400))));
    EXPECT_GT(SoundingFrames(ReadOutput(output), before), size_t(FramesFor(50)));
}

} // namespace
