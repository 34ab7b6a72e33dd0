// The line batch: every segment lands where a Line of its own would, in one colour, moved by the
// origin; the description counts the segments.

#include <gtest/gtest.h>

#include "rl/Canvas.h"
#include "rl/Colour.h"
#include "rl/Layer.h"
#include "rl/LineSet.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

using LineSetTest = ScreenTest;

TEST_F(LineSetTest, DrawsEverySegmentMovedByTheOrigin)
{
    rl::SetAntiAliasing(false);
    rl::LineSet lines(1);
    lines.Add({10.5f, 0}, {10.5f, 50});     // a column at x 10
    lines.Add({0, 20.5f}, {60, 20.5f});     // a row at y 20
    lines.Add({40.5f, 30}, {40.5f, 40});    // a short column at x 40, y 30 .. 39
    lines.MoveTo({100, 100});
    EXPECT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines.ToString(), "LineSet: Segments: 3 Origin: ( 100, 100 )");
    lines.Draw(rl::Colour(1, 0, 0, 1));
    struct Probe {
        int x, y;
        bool red;
    };
    for (const Probe p : {Probe {110, 105, true}, Probe {110, 149, true}, Probe {111, 105, false},
                          Probe {130, 120, true}, Probe {158, 120, true}, Probe {130, 121, false},
                          Probe {140, 135, true}, Probe {140, 128, false}, Probe {140, 141, false},
                          Probe {10, 5, false}})
        EXPECT_EQ(ColourName(rl::Canvas::ReadPixel(p.x, p.y)), p.red ? "#FF0000" : "#000000")
            << p.x << ", " << p.y;
}

TEST(LineSet, TurnsAndPlacesItsEnds)
{
    rl::LineSet lines;
    lines.Add({1, 0}, {2, 0});
    lines.RotateBy(3.14159265f / 2);
    EXPECT_NEAR(lines.ends[0].x, 0, 1e-5);
    EXPECT_NEAR(lines.ends[0].y, 1, 1e-5);
    EXPECT_NEAR(lines.ends[1].y, 2, 1e-5);
    rl::Placement twice;
    twice.stretch = {2, 2};
    lines.TransformBy(twice);
    EXPECT_NEAR(lines.ends[1].y, 4, 1e-5);
    rl::LineSet empty;
    EXPECT_EQ(empty.Count(), 0);
    empty.Draw(rl::Colour(1, 1, 1, 1));   // nothing to draw, nothing drawn
}

} // namespace
