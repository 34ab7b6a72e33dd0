// The collision box drawn while B is held, on the real screen.

#include "entities/Entity.h"

#include <allegro.h>

#include "rl/Canvas.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

using DebugBox = ScreenTest;

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

} // namespace
