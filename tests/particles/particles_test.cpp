// Particle trees stepped as the game loop steps them: explosions that fade, shrink and finish,
// their velocity spreads, snow flakes against walls and floors and around the view, and the
// point-move test they use. Pure logic: a recording painter stands in for the screen.

#include "particles/ParticleTree.h"

#include <cmath>
#include <set>

#include "level/TileGrid.h"
#include "tests/entities/EntityTestSupport.h"

using namespace entitytest;

namespace {

using Particles = PaintedGameTest;

TEST_F(Particles, AnExplosionFadesShrinksAndFinishesOnTheTwentyFirstThink)
{
    for (int n : {0, 1, 10, 100}) {
        exploPT tree(100, 50, "Explosion", n);
        tree.SetColours(Rgba {1, 0, 0, 1}, Rgba {0, 1, 0, 0.5f});
        ASSERT_EQ(tree.count, n);
        for (int t = 1; t <= 21; ++t) {
            tree.Think();
            tree.Update(1, nullptr);
            SCOPED_TRACE(testing::Message() << n << " particles, think " << t);
            EXPECT_EQ(tree.flags, t == 21 || n == 0 ? ENT_DEAD : ENT_ALIVE);
            EXPECT_EQ(tree.aliveCount, t == 21 ? 0 : n);
            painter.painted.clear();
            tree.Draw(20, 10, 2);
            ASSERT_EQ(painter.painted.size(), t == 21 ? 0u : static_cast<size_t>(n));
            if (n == 0 || t == 21)
                continue;
            const exploParticle& p = tree.particles[0];
            const Painted& disc = painter.painted[0];
            const int life = 20 - t;
            EXPECT_FLOAT_EQ(disc.size, static_cast<float>(life / 5) * 2 + 1);   // 9 down to 1
            EXPECT_FLOAT_EQ(disc.x, 2 * p.x - 20);
            EXPECT_FLOAT_EQ(disc.y, 2 * p.y - 10);
            const float k = 1 - life / 20.0f;
            EXPECT_FLOAT_EQ(disc.colour.r, 1 - k);
            EXPECT_FLOAT_EQ(disc.colour.g, k);
            EXPECT_FLOAT_EQ(disc.colour.a, 1 - 0.5f * k);
        }
    }
}

TEST_F(Particles, AParticleFallsFreelyAndStopsMovingOnceDead)
{
    exploPT tree(0, 0, "Explosion", 1);
    exploParticle& p = tree.particles[0];
    p.velX = 3;
    p.velY = -5;
    float x = 0, y = 0, velY = -5;
    for (int t = 1; t <= 25; ++t) {
        tree.Think();
        tree.Update(1, nullptr);
        if (t <= 20) {
            velY += 0.98f;   // drag 0: the whole of gravity
            x += 3;
            y += velY;
        }
        EXPECT_NEAR(p.x, x, 1e-3) << t;
        EXPECT_NEAR(p.y, y, 1e-3) << t;
    }
}

TEST_F(Particles, SpreadsGiveEveryWholeOffsetOnceCentred)
{
    struct Case {
        float centreX, centreY, spreadY, spreadX;
        float minX, maxX, minY, maxY;
        size_t distinctX, distinctY;
    } const cases[] = {
        {0, 0, 20, 10, -5, 4, -10, 9, 10, 20},
        {-10, -3, 20, 10, -15, -6, -13, 6, 10, 20},   // a bullet's burst
        {0, -10, 20, 20, -10, 9, -20, -1, 20, 20},
        {4, 2, 0.5f, 0, 4, 4, 1.75f, 1.75f, 1, 1},     // spreads below 1: no random part
        {0, 0, -3, 1, 0 - 0.5f, -0.5f, 1.5f, 1.5f, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "spreadY " << c.spreadY << " spreadX " << c.spreadX);
        exploPT tree(0, 0, "Explosion", 2000);
        tree.SetVelocities(c.centreX, c.centreY, c.spreadY, c.spreadX);
        std::set<float> xs, ys;
        for (int i = 0; i < tree.count; ++i) {
            xs.insert(tree.particles[i].velX);
            ys.insert(tree.particles[i].velY);
        }
        EXPECT_EQ(xs.size(), c.distinctX);
        EXPECT_EQ(ys.size(), c.distinctY);
        EXPECT_FLOAT_EQ(*xs.begin(), c.minX);
        EXPECT_FLOAT_EQ(*xs.rbegin(), c.maxX);
        EXPECT_FLOAT_EQ(*ys.begin(), c.minY);
        EXPECT_FLOAT_EQ(*ys.rbegin(), c.maxY);
    }
}

TEST_F(Particles, PolarVelocitiesPointDownAtZeroAndRightAtNinety)
{
    struct Case {
        float angle, speed, angleSpread, speedSpread;
        float wantX, wantY, tolerance;
    } const cases[] = {
        {0, 10, 0, 0, 0, 10, 1e-4f},
        {90, 10, 0, 0, 10, 0, 1e-4f},
        {180, 4, 0, 0, 0, -4, 1e-4f},
        {-90, 15, 0, 0, -15, 0, 1e-4f},
        // Spread over 15 degrees and 5 of speed: within 7.5 degrees and 2.5 of the centre.
        {90, 15, 15, 5, 15, 0, 17.5f * 0.1309f + 2.5f},
    };
    for (const Case& c : cases) {
        exploPT tree(0, 0, "Explosion", 200);
        tree.SetPolarVelocities(c.angle, c.speed, c.angleSpread, c.speedSpread);
        for (int i = 0; i < tree.count; ++i) {
            EXPECT_NEAR(tree.particles[i].velX, c.wantX, c.tolerance) << c.angle;
            EXPECT_NEAR(tree.particles[i].velY, c.wantY, c.tolerance) << c.angle;
            const float speed = std::hypot(tree.particles[i].velX, tree.particles[i].velY);
            EXPECT_LE(std::fabs(speed - c.speed), c.speedSpread / 2 + 1e-3f);
        }
    }
}

// A 10 x 10 grid: a solid column 4 (x 256 ... 319) and a solid floor row 8 (y 512 ... 575).
struct SnowRoom : Particles {
    TileGrid grid;
    void SetUp() override
    {
        Particles::SetUp();
        grid.Build(10, 10);
        for (int i = 0; i < 10; ++i) {
            grid.SetFlags(4, i, 1);
            grid.SetFlags(i, 8, 1);
        }
    }
};

TEST_F(SnowRoom, FlakesBounceOffWallsSettleOnFloorsAndRespawnAroundTheView)
{
    struct Case {
        float x, y, velX, velY;
        int camY;
        float wantX, wantY, wantVelX, wantVelY;
        int wantState, wantTimer;   // wantTimer -1: unchanged
    } const cases[] = {
        {250, 100, 8, 0, 0, 254, 100, -0.8f, 0, snowParticle::kFalling, -1},      // wall on the right
        {330, 100, -16, 0, 0, 322, 100, 1.6f, 0, snowParticle::kFalling, -1},     // wall on the left
        {100, 500, 2, 20, 0, 102, 510, 1, -10, snowParticle::kSettled, -1},       // onto the floor
        {100, 100, 1, 3, 0, 101, 103, 1, 3, snowParticle::kFalling, -1},          // free fall
        {100, 590, 0, 20, 0, 100, 610, 0, 20, snowParticle::kHidden, 0},          // below the view
        {100, 340, 0, -20, 400, 100, 320, 0, -20, snowParticle::kHidden, 0},      // 64 above it
        {100, 345, 0, -5, 400, 100, 340, 0, -5, snowParticle::kFalling, -1},      // inside the band
    };
    for (const Case& c : cases) {
        snowPT tree(0, 0, "Snow Fall - Front");
        snowParticle& p = tree.particles[0];
        p.state = snowParticle::kFalling;
        p.x = c.x;
        p.y = c.y;
        p.velX = c.velX;
        p.velY = c.velY;
        p.timer = 77;
        p.camY = c.camY;
        p.Update(1, &grid);
        SCOPED_TRACE(testing::Message() << "flake at " << c.x << "," << c.y);
        EXPECT_FLOAT_EQ(p.x, c.wantX);
        EXPECT_FLOAT_EQ(p.y, c.wantY);
        EXPECT_FLOAT_EQ(p.velX, c.wantVelX);
        EXPECT_FLOAT_EQ(p.velY, c.wantVelY);
        EXPECT_EQ(p.state, c.wantState);
        EXPECT_EQ(p.timer, c.wantTimer < 0 ? 77 : c.wantTimer);
        if (c.wantState != snowParticle::kHidden)
            continue;
        // The next tick brings it back 50 pixels above the camera of the last Draw.
        tree.Draw(300, static_cast<float>(c.camY), 1);
        p.Think();
        EXPECT_EQ(p.state, snowParticle::kFalling);
        EXPECT_FLOAT_EQ(p.y, static_cast<float>(c.camY - 50));
        EXPECT_GE(p.x, 300);
        EXPECT_LT(p.x, 1100);
        EXPECT_GE(p.timer, 300);
        EXPECT_LT(p.timer, 500);
    }
}

TEST_F(SnowRoom, SnowFallsOneFlakeAtATimeAndNeverFinishes)
{
    snowPT tree(0, 0, "Snow Fall - Back");
    ASSERT_EQ(tree.count, 100);
    size_t mostShown = 0;
    for (int t = 1; t <= 1200; ++t) {
        tree.Think();
        tree.Update(1, &grid);
        painter.painted.clear();
        tree.Draw(0, 0, 1);
        size_t visible = 0;
        for (int i = 0; i < tree.count; ++i)
            visible += tree.particles[i].state != snowParticle::kHidden;
        ASSERT_EQ(painter.painted.size(), visible) << t;   // hidden flakes are not drawn
        if (t == 1) {
            EXPECT_LE(visible, 2u);
        }
        mostShown = std::max(mostShown, visible);
        for (const Painted& d : painter.painted) {
            EXPECT_FLOAT_EQ(d.colour.r, 0.9f);
            EXPECT_FLOAT_EQ(d.colour.a, 0.5f);
            EXPECT_GE(d.size, 2);
            EXPECT_LE(d.size, 6);
            EXPECT_LT(d.y, 512);   // nothing sinks into the floor
        }
        ASSERT_EQ(tree.flags, ENT_ALIVE);
    }
    EXPECT_GT(mostShown, 50u);
}

TEST(PointMove, ReportsTheSidesThroughWhichABlockingCellWasEntered)
{
    TileGrid grid;
    grid.Build(4, 4);
    grid.SetFlags(1, 1, 1);   // the cell x 64 ... 127, y 64 ... 127
    grid.GetTile(2, 2, TileGrid::kBackLayer)->tileNumber = -1;
    struct Case {
        float x0, y0, x1, y1;
        int want;
    } const cases[] = {
        {70, 70, 80, 80, 0},                          // inside one blocking cell
        {60, 70, 70, 70, kBlockedRight},
        {130, 70, 120, 70, kBlockedLeft},
        {70, 60, 70, 70, kBlockedBelow},
        {70, 130, 70, 120, kBlockedAbove},
        {60, 60, 70, 70, kBlockedRight | kBlockedBelow},
        {10, 10, 30, 30, 0},                          // free cell
        {100, 100, 140, 140, kBlockedRight | kBlockedBelow},   // the -1 tile blocks
        {10, 10, -5, 10, kBlockedLeft},               // outside the grid
        {200, 200, 260, 200, kBlockedRight},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TestPointMove(&grid, c.x0, c.y0, c.x1, c.y1), c.want) << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
    EXPECT_EQ(TestPointMove(nullptr, 0, 0, 100, 100), 0);
}

} // namespace
