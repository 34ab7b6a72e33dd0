// Entities on the real screen, through the screen painter: the collision box drawn while B is held,
// and the skeleton editor's entity drawing where it is told.

#include "entities/Entity.h"

#include <allegro.h>
#include <memory>

#include "core/Clock.h"
#include "entities/E_EditorEnt.h"
#include "entities/ScreenPainter.h"
#include "resources/RLBMPPlugin.h"
#include "resources/ResourceManager.h"
#include "rl/Canvas.h"
#include "skeleton/Skeleton.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

struct DebugBox : ScreenTest {
    void SetUp() override
    {
        ScreenTest::SetUp();
        UseScreenPainter();
    }
};

TEST_F(DebugBox, DrawsTheBoxUnscaledOnlyWhileBIsHeld)
{
    Entity e(100, 50, "boxed");
    e.boxLeft = -10;
    e.boxTop = -20;
    e.boxRight = 9;
    e.boxBottom = 19;
    const uint32_t red = Rgb(102, 0, 0);   // 40% red over black

    key[KEY_B] = 0;
    e.DrawDebugBox(20, 10);
    EXPECT_EQ(ColourName(rl::Canvas::ReadPixel(80, 40)), "#000000");

    key[KEY_B] = 1;
    e.DrawDebugBox(20, 10);
    key[KEY_B] = 0;
    // (100 - 20 - 10, 50 - 10 - 20) = (70, 20), 20 x 40 pixels.
    struct Case {
        int x, y;
        bool inside;
    } const cases[] = {{70, 20, true}, {89, 59, true}, {80, 40, true}, {69, 40, false},
                       {90, 40, false}, {80, 19, false}, {80, 60, false}};
    for (const Case& c : cases) {
        const uint32_t pixel = rl::Canvas::ReadPixel(c.x, c.y);
        EXPECT_TRUE(Near(pixel, c.inside ? red : Rgb(0, 0, 0), 2)) << c.x << "," << c.y << " " << ColourName(pixel);
    }
}

// Drawing with a 20 x 10 skin on the trunk: red top left, blue top right, green bottom left,
// white bottom right.
struct EditorEntityDrawing : ScreenTest {
    RLBMPPlugin png;
    ResourceManager manager;

    void SetUp() override
    {
        ScreenTest::SetUp();
        UseScreenPainter();
        manager.AddPlugin("PNG", &png);
        g_ResourceManager = &manager;
        TimerTicked = 0;
        ASSERT_TRUE(WritePng("skin.png", 20, 10, [](int x, int y) {
            if (y < 5)
                return x < 10 ? Rgb(255, 0, 0) : Rgb(0, 0, 255);
            return x < 10 ? Rgb(0, 255, 0) : Rgb(255, 255, 255);
        }));
    }
    void TearDown() override { g_ResourceManager = nullptr; }

    void ExpectPixels(const std::vector<std::pair<std::pair<int, int>, uint32_t>>& probes, const char* what)
    {
        for (const auto& [at, colour] : probes) {
            const uint32_t got = rl::Canvas::ReadPixel(at.first, at.second);
            EXPECT_TRUE(Near(got, colour, 3))
                << what << " at " << at.first << "," << at.second << ": " << ColourName(got);
        }
    }
};

TEST_F(EditorEntityDrawing, DrawsAtTheGivenPositionScaledAndMirroredWhenFacingLeft)
{
    const uint32_t red = Rgb(255, 0, 0), blue = Rgb(0, 0, 255), black = Rgb(0, 0, 0);
    {
        E_EditorEnt e(500, 400, "Edit Skeleton");   // its own position plays no part
        e.skeleton = std::make_unique<Skeleton>();
        Bone* trunk = e.skeleton->GetBoneByIndex(0);
        trunk->skinPath = "skin.png";
        trunk->LoadSkin();
        e.skeleton->UpdatePositions();

        // Twice the size, from (100, 100) along the trunk to (140, 100), hanging below it.
        e.Draw(100, 100, 2);
        ExpectPixels({{{103, 103}, red}, {{137, 103}, blue}, {{142, 103}, black}, {{98, 103}, black}}, "zoom 2");

        // Facing left the skeleton is mirrored: the picture reversed left to right.
        e.facing = -1;
        rl::Canvas::Fill(0, 0, 0, 1);
        e.Draw(100, 100, 1);
        ExpectPixels({{{82, 102}, blue}, {{97, 102}, red}}, "facing left");

        // Any other facing is drawn as it is.
        e.facing = 0;
        rl::Canvas::Fill(0, 0, 0, 1);
        e.Draw(100, 100, 1);
        ExpectPixels({{{102, 102}, red}, {{117, 102}, blue}}, "facing 0");
    }
}

} // namespace
