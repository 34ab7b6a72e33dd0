// The entity base: the physics step, the collision of a box with the level's cells, and the entity
// record. Pure logic: no screen.

#include "entities/Entity.h"

#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "level/TileGrid.h"

namespace {

TEST(MPhysicsStep, AppliesFrictionDriveGravityAndTheDownwardClamp)
{
    struct Case {
        float velX, velY, friction, driveX, driveY, gravity;
        float wantVelX, wantVelY, wantDriveY;
    } const cases[] = {
        {10, 0, 0.3f, 0, 0, 0.98f, 7, 0.98f, 0},
        {10, 0, 0.3f, 0.5f, 5, 0.98f, 12, 0.98f, 4},
        {-10, -20, 0.5f, 0, 1, 2, -5, -18, 0.8f},
        {70, 70, 0, 0, 0, 0, 63, 63, 0},                 // down and right are held at 63
        {-70, -70, 0, 0, 0, 0, -70, -70, 0},             // up and left are not limited
        {62.5f, 62.5f, 0, 0, 0, 0.98f, 62.5f, 63, 0},    // gravity first, then the clamp
        {40, 0, 0, 1, 0, 0, 63, 0, 0},                   // the drive pushes past the clamp
    };
    for (const Case& c : cases) {
        MPhysics p;
        p.velX = c.velX;
        p.velY = c.velY;
        p.friction = c.friction;
        p.driveX = c.driveX;
        p.driveY = c.driveY;
        p.gravity = c.gravity;
        p.Step();
        SCOPED_TRACE(testing::Message() << "vel " << c.velX << "," << c.velY);
        EXPECT_FLOAT_EQ(p.velX, c.wantVelX);
        EXPECT_FLOAT_EQ(p.velY, c.wantVelY);
        EXPECT_FLOAT_EQ(p.driveX, 0);
        EXPECT_FLOAT_EQ(p.driveY, c.wantDriveY);
    }
}

// A 10 x 6 grid with a wall in column 5 (rows 0 to 3, by its flag), a block at (8, 4), a floor in
// row 5 and a ceiling cell (2, 0) marked -1.
//   column: 0123456789
//   row 0:  ..X..W....
//   row 1:  .....W....
//   row 2:  .....W....
//   row 3:  .....W....
//   row 4:  ........B.
//   row 5:  FFFFFFFFFF
struct Room {
    Room()
    {
        grid.Build(10, 6);
        for (int row = 0; row < 4; ++row)
            grid.SetFlags(5, row, 1);
        for (int column = 0; column < 10; ++column)
            grid.SetFlags(column, 5, 3);   // bit 0 with another bit
        grid.GetTile(2, 0, 1)->tileNumber = -1;
        grid.SetFlags(8, 4, 1);
    }
    TileGrid grid;
};

struct Move {
    const char* what;
    float x, y;                  // before the move
    int left, top, right, bottom;
    float velX, velY, bounce;
    int32_t flags;               // before
    // expected
    int result;
    float x2, y2, velX2, velY2;
    int32_t flags2;
};

// The movement of the moving classes: remember the ceilings, move by velocity, collide.
int MoveAndCollide(Entity& e, const TileGrid& grid)
{
    const float oldX = std::ceil(e.x), oldY = std::ceil(e.y);
    e.x += e.velX;
    e.y += e.velY;
    return e.CollideWithLevel(&grid, oldX, oldY);
}

void RunMoves(const TileGrid& grid, const std::vector<Move>& moves)
{
    for (const Move& m : moves) {
        SCOPED_TRACE(m.what);
        Entity e(m.x, m.y, "mover");
        e.collidesWithLevel = true;
        e.boxLeft = m.left;
        e.boxTop = m.top;
        e.boxRight = m.right;
        e.boxBottom = m.bottom;
        e.velX = m.velX;
        e.velY = m.velY;
        e.bounce = m.bounce;
        e.flags = m.flags;
        e.driveX = 2;
        e.driveY = 3;
        EXPECT_EQ(MoveAndCollide(e, grid), m.result);
        EXPECT_FLOAT_EQ(e.x, m.x2);
        EXPECT_FLOAT_EQ(e.y, m.y2);
        EXPECT_FLOAT_EQ(e.velX, m.velX2);
        EXPECT_FLOAT_EQ(e.velY, m.velY2);
        EXPECT_EQ(e.flags, m.flags2);
        // A stop clears the drive of its axis; a free move keeps it.
        EXPECT_FLOAT_EQ(e.driveX, (m.result & (kBlockedLeft | kBlockedRight)) ? 0 : 2);
        EXPECT_FLOAT_EQ(e.driveY, (m.result & (kBlockedAbove | kBlockedBelow)) ? 0 : 3);
    }
}

constexpr int32_t A = ENT_ALIVE, AIR = ENT_ALIVE | ENT_AIRBORNE;

TEST(CollideWithLevel, HorizontalMovesStopAtWalls)
{
    Room room;
    RunMoves(room.grid, {
        // what, x, y, box, vel, bounce, flags -> result, x, y, vel, flags
        {"right into the wall: right edge one pixel short", 280, 64, 0, 0, 31, 31, 20, 0, 0, A, 8, 288, 64, 0, 0, A},
        {"right, free", 200, 64, 0, 0, 31, 31, 20, 0, 0, A, 0, 220, 64, 20, 0, A},
        {"right edge exactly on the last free pixel", 268, 64, 0, 0, 31, 31, 20, 0, 0, A, 0, 288, 64, 20, 0, A},
        {"left into the wall: left edge on the boundary", 400, 64, 0, 0, 31, 31, -20, 0, 0, A, 4, 384, 64, 0, 0, A},
        {"left, free", 500, 64, 0, 0, 31, 31, -20, 0, 0, A, 0, 480, 64, -20, 0, A},
        {"offset box: the edges count, not the origin", 310, 64, -20, 0, -1, 31, 20, 0, 0, A, 8, 320, 64, 0, 0, A},
        {"fractional position is taken to its ceiling", 279.5f, 64, 0, 0, 31, 31, 20, 0, 0, A, 8, 288, 64, 0, 0, A},
        // A box 151 pixels tall spans rows 1 to 3, all beside the wall...
        {"tall box, wall beside its upper rows", 280, 100, 0, 0, 31, 150, 20, 0, 0, A, 8, 288, 100, 0, 0, A},
        // ...and a box in rows 4 only passes under the wall.
        {"passes under the wall", 280, 260, 0, 0, 31, 50, 20, 0, 0, A, 0, 300, 260, 20, 0, A},
        // The wall is seen at any row the box spans: its first one, and its last one.
        {"box whose top row is beside the wall", 280, 230, 0, 0, 31, 40, 20, 0, 0, A, 8, 288, 230, 0, 0, A},
        {"box whose bottom row meets the block", 480, 230, 0, 0, 31, 40, 20, 0, 0, A, 8, 480, 230, 0, 0, A},
        {"the same box a row higher passes", 480, 190, 0, 0, 31, 40, 20, 0, 0, A, 0, 500, 190, 20, 0, A},
    });
}

TEST(CollideWithLevel, LandingBouncingAndTheAirborneState)
{
    Room room;
    RunMoves(room.grid, {
        {"slow landing stops dead", 64, 289, 0, 0, 31, 31, 0, 1.5f, 1, AIR, 2, 64, 288, 0, 0, A},
        {"fast landing with bounce 1 reverses exactly", 64, 280, 0, 0, 31, 31, 0, 10, 1, AIR, 2, 64, 288, 0, -10, A},
        {"bounce 0.5 halves", 64, 280, 0, 0, 31, 31, 0, 10, 0.5f, AIR, 2, 64, 288, 0, -5, A},
        {"bounce 0 always stops", 64, 280, 0, 0, 31, 31, 0, 40, 0, AIR, 2, 64, 288, 0, 0, A},
        {"just above the threshold bounces", 64, 289, 0, 0, 31, 31, 0, 1.99f, 1, AIR, 2, 64, 288, 0, -1.99f, A},
        {"falling freely is airborne", 64, 100, 0, 0, 31, 31, 0, 10, 0, A, 0, 64, 110, 0, 10, AIR},
        {"rising freely is airborne", 64, 100, 0, 0, 31, 31, 0, -10, 0, A, 0, 64, 90, 0, -10, AIR},
        {"rising into a -1 cell stops below it, airborne", 140, 70, 0, 0, 31, 31, 0, -10, 0, A, 1, 140, 64, 0, 0, AIR},
        {"velY 0 keeps airborne set", 64, 100, 0, 0, 31, 31, 0, 0, 0, AIR, 0, 64, 100, 0, 0, AIR},
        {"velY 0 keeps airborne clear", 64, 100, 0, 0, 31, 31, 0, 0, 0, A, 0, 64, 100, 0, 0, A},
        // Into a wall and down at once: the vertical test looks at the columns of the old position,
        // so it falls freely beside the wall.
        {"diagonal into the wall", 280, 100, 0, 0, 31, 31, 20, 10, 0, A, 8, 288, 110, 0, 10, AIR},
    });
}

TEST(CollideWithLevel, CellsOutsideTheGridBlockOnEverySide)
{
    TileGrid open;
    open.Build(4, 3);   // 256 x 192 pixels, nothing solid
    RunMoves(open, {
        {"out at the right", 220, 64, 0, 0, 31, 31, 10, 0, 0, A, 8, 224, 64, 0, 0, A},
        {"out at the left", 2, 64, 0, 0, 31, 31, -5, 0, 0, A, 4, 0, 64, 0, 0, A},
        {"far out at the left", 2, 64, 0, 0, 31, 31, -70, 0, 0, A, 4, 0, 64, 0, 0, A},
        {"out at the top", 64, 2, 0, 0, 31, 31, 0, -5, 0, A, 1, 64, 0, 0, 0, AIR},
        {"out at the bottom", 64, 155, 0, 0, 31, 31, 0, 8, 0, AIR, 2, 64, 160, 0, 0, A},
        // Already reaching past the left edge, its columns block below: it is set on the row above.
        {"a box reaching past the left edge cannot fall", 10, 64, -20, 0, 31, 31, 0, 5, 0, AIR, 2, 10, 32, 0, 0, A},
        // Jumping far past an edge in one step still stops at the edge.
        {"far out at the top", 64, 10, 0, 0, 31, 31, 0, -150, 0, A, 1, 64, 0, 0, 0, AIR},
        {"far out at the right", 220, 64, 0, 0, 31, 31, 200, 0, 0, A, 8, 224, 64, 0, 0, A},
        {"inside, free", 100, 64, 0, 0, 31, 31, 10, 5, 0, A, 0, 110, 69, 10, 5, AIR},
    });

    // A level without a grid blocks everything.
    TileGrid none;
    RunMoves(none, {{"no grid", 10, 10, 0, 0, 5, 5, 1, 1, 0, A, 8 | 2, -6, -6, 0, 0, A}});
}

TEST(CollideWithLevel, DoesNothingWhenSwitchedOffOrWithoutALevel)
{
    Room room;
    Entity e(280, 64, "ghost");
    e.boxRight = 31;
    e.boxBottom = 31;
    e.velX = 20;
    e.x = 300;
    EXPECT_EQ(e.CollideWithLevel(&room.grid, 280, 64), 0);
    EXPECT_FLOAT_EQ(e.x, 300);
    EXPECT_FLOAT_EQ(e.velX, 20);
    e.collidesWithLevel = true;
    EXPECT_EQ(e.CollideWithLevel(nullptr, 280, 64), 0);
    EXPECT_EQ(e.CollideWithLevel(&room.grid, 280, 64), 8);
}

TEST(CollideWithLevel, FarAwayAndBrokenPositionsOnlyBlock)
{
    TileGrid open;
    open.Build(4, 3);
    for (float far : {1e12f, -1e12f, std::nanf("")}) {
        Entity e(far, far, "lost");
        e.collidesWithLevel = true;
        e.boxRight = 10;
        e.boxBottom = 1000000;   // a huge box is tested cell range by cell range, not pixel by pixel
        e.velX = 1;
        e.velY = 1;
        EXPECT_EQ(e.CollideWithLevel(&open, far, far), 8 | 2) << far;
        EXPECT_TRUE(std::isfinite(e.x) && std::isfinite(e.y)) << far;
    }
}

TEST(EntityRecord, SavesFourLinesInDefaultFloatFormat)
{
    struct Case {
        float x, y;
        const char* text;
    } const cases[] = {
        {100, 12.5f, "100\n12.5\n"},
        {0, -3, "0\n-3\n"},
        {1234567, 0.000012f, "1.23457e+06\n1.2e-05\n"},
        {64.25f, 1e6f, "64.25\n1e+06\n"},
    };
    for (const Case& c : cases) {
        Entity e(c.x, c.y, "CACTUS MAN");
        e.type = "CACTUS MAN";
        std::ostringstream out;
        EXPECT_TRUE(e.Save(out));
        EXPECT_EQ(out.str(), std::string("CACTUS MAN\nCACTUS MAN\n") + c.text);
    }
    // A stream that fails is reported.
    Entity e(1, 2, "x");
    std::ostringstream broken;
    broken.setstate(std::ios::badbit);
    EXPECT_FALSE(e.Save(broken));
}

TEST(EntityRecord, LoadsNameAndPosition)
{
    struct Case {
        std::string text;
        bool ok;
        std::string name;
        float x, y;
    } const cases[] = {
        {"Big Boss\n100\n12.5\n", true, "Big Boss", 100, 12.5f},
        {"crlf\r\n1.23457e+06\r\n-7\r\n", true, "crlf", 1234570, -7},
        {"lone cr\r5\r6", true, "lone cr", 5, 6},
        {"not numbers\nabc\n12abc\n", true, "not numbers", 0, 12},
        {std::string(300, 'n') + "\n1\n2\n", true, std::string(255, 'n'), 1, 2},   // cut at 255
        {"short\n7\n", false, "short", 7, -1},                                    // y not read
        {"", false, "old", -1, -1},
    };
    for (const Case& c : cases) {
        Entity e(-1, -1, "old");
        std::istringstream in(c.text);
        EXPECT_EQ(e.Load(in), c.ok) << c.name;
        EXPECT_EQ(e.name, c.name);
        EXPECT_FLOAT_EQ(e.x, c.x) << c.name;
        EXPECT_FLOAT_EQ(e.y, c.y) << c.name;
    }
    // What Save writes, Load reads back (after the type line, which the list loader takes).
    Entity saved(640.5f, -32, "Round Trip");
    std::stringstream file;
    saved.Save(file);
    std::string type;
    std::getline(file, type);
    Entity loaded(0, 0, "");
    EXPECT_TRUE(loaded.Load(file));
    EXPECT_EQ(loaded.name, "Round Trip");
    EXPECT_FLOAT_EQ(loaded.x, 640.5f);
    EXPECT_FLOAT_EQ(loaded.y, -32);
}

TEST(EntityState, FinishedWhenNotAliveOrExactlyDead)
{
    Entity e(3, 4, "e");
    EXPECT_FALSE(e.IsFinished());
    const std::pair<int32_t, bool> cases[] = {{ENT_ALIVE | ENT_AIRBORNE, false}, {0, true}, {ENT_DEAD, true},
                                              {ENT_DEAD | ENT_AIRBORNE, true}, {ENT_ALIVE | ENT_DEAD, false}};
    for (const auto& [flags, finished] : cases) {
        e.flags = flags;
        EXPECT_EQ(e.IsFinished(), finished) << flags;
    }
}

} // namespace
