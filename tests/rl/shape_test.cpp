#include "rl/Shape.h"

#include <cmath>

#include "rl/Canvas.h"
#include "rl/Colour.h"
#include "rl/Ellipse.h"
#include "rl/Layer.h"
#include "rl/Line.h"
#include "rl/Point.h"
#include "rl/Poly.h"
#include "rl/Rect.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

constexpr double kPi = 3.141592653589793;
const rl::Colour kWhite(1, 1, 1, 1);

class ShapeTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        rl::SetAntiAliasing(false);   // exact coverage for line widths
    }
    bool Lit(int x, int y) { return (rl::Canvas::ReadPixel(x, y) & 0xFFFFFF) != 0; }
    int LitCount(int x, int y, int w, int h)
    {
        int n = 0;
        for (uint32_t p : rl::Canvas::ReadPixels(x, y, w, h))
            n += (p & 0xFFFFFF) != 0;
        return n;
    }
};

} // namespace

TEST(CurveStep, FollowsTheRadiusAndAccuracyWithinItsLimits)
{
    const double nan = std::nan("");
    const struct {
        double radius, accuracy, step;
    } cases[] = {
        {10, 1, 2 * std::asin(0.1)},
        {10, 0.5, 4 * std::asin(0.1)},
        {100, 2, std::asin(0.01)},
        {1, 1, rl::kMaxCurveStep},      // 2 asin(1) = pi: capped
        {2, 0.5, rl::kMaxCurveStep},
        // No step of their own: the largest, so a curve still ends.
        {0.5, 1, rl::kMaxCurveStep},
        {0, 1, rl::kMaxCurveStep},
        {-4, 1, rl::kMaxCurveStep},
        {10, 0, rl::kMaxCurveStep},
        {10, -1, rl::kMaxCurveStep},
        {nan, 1, rl::kMaxCurveStep},
        {10, nan, rl::kMaxCurveStep},
        // Far too fine: held at the smallest step.
        {1e9, 1, rl::kMinCurveStep},
        {10, 1e12, rl::kMinCurveStep},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(rl::CurveStep(c.radius, c.accuracy), c.step) << "r " << c.radius << " accuracy " << c.accuracy;
    EXPECT_DOUBLE_EQ(rl::kMaxCurveStep, 0.35 * kPi);
}

TEST(CurveStep, VertexCountsOfCircles)
{
    const struct {
        float radius, accuracy;
        size_t vertices;
    } cases[] = {
        {1, 1, 6},         // the largest step: six vertices
        {0, 1, 6},
        {0.5f, 0, 6},
        {10, 1, static_cast<size_t>(std::ceil(2 * kPi / (2 * std::asin(0.1))))},
        {10, 0.5f, static_cast<size_t>(std::ceil(2 * kPi / (4 * std::asin(0.1))))},
        {1e7f, 1, 8192},
    };
    for (const auto& c : cases) {
        const rl::Circle circle(100, 50, c.radius, 1, c.accuracy);
        const std::vector<rl::Vector> vertices = circle.Vertices();
        EXPECT_EQ(vertices.size(), c.vertices) << "r " << c.radius << " accuracy " << c.accuracy;
        ASSERT_FALSE(vertices.empty());
        // The first vertex points right; all lie on the circle.
        EXPECT_FLOAT_EQ(vertices[0].x, 100 + c.radius);
        EXPECT_FLOAT_EQ(vertices[0].y, 50);
        for (const rl::Vector& v : vertices)
            EXPECT_NEAR(std::hypot(v.x - 100, v.y - 50), c.radius, c.radius * 1e-5 + 1e-5);
    }
}

TEST(CurveStep, GlobalAccuracyStartsAtOneHalfAndIsWhatShapesDefaultTo)
{
    EXPECT_FLOAT_EQ(rl::CurveAccuracy(), 0.5f);
    EXPECT_FLOAT_EQ(rl::Rect(0, 0, 10, 10).accuracy, 0.5f);
    rl::SetCurveAccuracy(2);
    EXPECT_FLOAT_EQ(rl::Rect(0, 0, 10, 10, 1, 3).accuracy, 2);
    EXPECT_FLOAT_EQ(rl::Circle(0, 0, 10).accuracy, 2);
    rl::SetCurveAccuracy(0.5f);
}

TEST(Shapes, DescribeThemselves)
{
    rl::Rect rect(10, 20, 30, 40, 1, 5);
    rect.RotateBy(0.5f);
    rl::Ellipse ellipse(1.5f, -2, 8, 4);
    rl::Line line(1, 2, 3, 4, 2);
    line.MoveTo({5, 6});
    rl::Poly poly({{0, 0}, {10, 0}, {5, 8}});
    poly.MoveBy({100, 200});
    const struct {
        const rl::Shape& shape;
        const char* text;
    } cases[] = {
        {rect, "Rect: Pos: ( 10, 20 ) Size: ( 30, 40 ) Roundness: 5 Rotation angle: 0.5"},
        {rl::Circle(100, 50, 7), "Circle: Pos: ( 100, 50 ) Radius: ( 7, 7 ) Angle: 0"},
        {ellipse, "Circle: Pos: ( 1.5, -2 ) Radius: ( 8, 4 ) Angle: 0"},
        {line, "Line: Start: ( 1, 2 ) End: ( 3, 4 ) Origin: ( 5, 6 )"},
        {poly, "Polygon: Placement: Pos: ( 100, 200 ) Rotation: 0 Stretch: ( 1, 1 ) Pivot: ( 0, 0 ) Vertices: "
               "( 0, 0 ) ( 10, 0 ) ( 5, 8 )"},
        {rl::Point(3, 4), "Point: Pos: ( 3, 4 )"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shape.ToString(), c.text);
}

TEST(Shapes, MoveRotateAndTransform)
{
    rl::Placement turnAboutOrigin;
    turnAboutOrigin.rotation = static_cast<float>(kPi / 2);
    rl::Placement stretchAboutPivot;
    stretchAboutPivot.stretch = {2, 3};
    stretchAboutPivot.pivot = {10, 10};
    stretchAboutPivot.position = {1, 1};
    const struct {
        rl::Placement placement;
        rl::Vector in, out;
    } applies[] = {
        {rl::Placement(), {3, 4}, {3, 4}},
        {turnAboutOrigin, {10, 0}, {0, 10}},     // clockwise on screen: right turns to down
        {stretchAboutPivot, {12, 11}, {15, 14}},
        {stretchAboutPivot, {10, 10}, {11, 11}},
    };
    for (const auto& a : applies) {
        const rl::Vector out = a.placement.Apply(a.in);
        EXPECT_NEAR(out.x, a.out.x, 1e-4) << a.in.ToString();
        EXPECT_NEAR(out.y, a.out.y, 1e-4) << a.in.ToString();
    }

    rl::Rect rect(0, 0, 10, 20);
    rect.MoveBy({5, 5});
    rect.TransformBy(stretchAboutPivot);   // centre (10, 15) -> (11, 26); size 20 x 60
    EXPECT_FLOAT_EQ(rect.x, 1);
    EXPECT_FLOAT_EQ(rect.y, -4);
    EXPECT_FLOAT_EQ(rect.width, 20);
    EXPECT_FLOAT_EQ(rect.height, 60);

    rl::Circle circle(10, 0, 5);
    circle.TransformBy(turnAboutOrigin);
    EXPECT_NEAR(circle.centre.x, 0, 1e-4);
    EXPECT_NEAR(circle.centre.y, 10, 1e-4);
    EXPECT_FLOAT_EQ(circle.angle, static_cast<float>(kPi / 2));
    circle.MoveTo({1, 2});
    EXPECT_EQ(circle.centre, rl::Vector(1, 2));

    rl::Line line(10, 0, 20, 0);
    line.RotateBy(static_cast<float>(kPi / 2));
    EXPECT_NEAR(line.start.y, 10, 1e-4);
    EXPECT_NEAR(line.end.y, 20, 1e-4);

    // A polygon's placement moves its vertices on screen; transforming bakes it in.
    rl::Poly poly({{0, 0}, {10, 0}});
    poly.MoveBy({5, 0});
    poly.RotateBy(static_cast<float>(kPi / 2));
    EXPECT_NEAR(poly.PlacedVertices()[1].x, 5, 1e-4);
    EXPECT_NEAR(poly.PlacedVertices()[1].y, 10, 1e-4);
    poly.TransformBy(rl::Placement());
    EXPECT_NEAR(poly.Vertex(1).x, 5, 1e-4);
    EXPECT_NEAR(poly.Vertex(1).y, 10, 1e-4);
    EXPECT_FLOAT_EQ(poly.placement.rotation, 0);
}

TEST(Shapes, PolygonRefusesVertexIndicesOutsideItsList)
{
    TempFolder folder;
    rl::Poly poly({{1, 1}, {2, 2}, {3, 3}});
    EXPECT_EQ(poly.Vertex(2), rl::Vector(3, 3));
    EXPECT_TRUE(poly.SetVertex(0, {9, 9}));
    for (int index : {3, -1, 1000}) {
        EXPECT_EQ(poly.Vertex(index), rl::Vector());
        EXPECT_FALSE(poly.SetVertex(index, {5, 5}));
    }
    EXPECT_EQ(poly.PlacedVertices().size(), 3u);
    const std::string log = ReadFile("renderlayer.log");
    EXPECT_NE(log.find("ERROR: Invalid vertex index: 3 ( Number of vertices: 3 )\n"), std::string::npos);
    EXPECT_NE(log.find("ERROR: Invalid vertex index: -1 ( Number of vertices: 3 )\n"), std::string::npos);
}

TEST(Shapes, RectangleContours)
{
    // Square corners: the four corners, clockwise from the top left; a negative size counts from
    // the other edge.
    for (const rl::Rect& rect : {rl::Rect(10, 20, 30, 40), rl::Rect(40, 60, -30, -40)}) {
        const std::vector<rl::Vector> corners = rect.Contour(0, 1);
        ASSERT_EQ(corners.size(), 4u);
        EXPECT_EQ(corners[0], rl::Vector(10, 20));
        EXPECT_EQ(corners[1], rl::Vector(40, 20));
        EXPECT_EQ(corners[2], rl::Vector(40, 60));
        EXPECT_EQ(corners[3], rl::Vector(10, 60));
        EXPECT_EQ(rect.Contour(2, 1)[0], rl::Vector(8, 18));
    }

    // Rounded: each corner an arc about a centre set in by the roundness, which is at most half
    // the shorter side.
    rl::Rect rounded(0, 0, 40, 20, 1, 5, 1);
    EXPECT_FLOAT_EQ(rounded.CornerRadius(), 5);
    EXPECT_FLOAT_EQ(rl::Rect(0, 0, 40, 20, 1, 50).CornerRadius(), 10);
    EXPECT_FLOAT_EQ(rl::Rect(0, 0, 40, 20, 1, 0.000001f).CornerRadius(), 0);
    const int segments = rounded.CornerSegments(5);
    EXPECT_EQ(segments, static_cast<int>(std::ceil(kPi / 2 / (2 * std::asin(0.2)))));
    const std::vector<rl::Vector> contour = rounded.Contour(0, segments);
    ASSERT_EQ(contour.size(), 4u * (segments + 1));
    EXPECT_NEAR(contour.front().x, 0, 1e-4);   // leftmost point of the top-left arc
    EXPECT_NEAR(contour.front().y, 5, 1e-4);
    EXPECT_NEAR(contour[segments].x, 5, 1e-4);  // topmost point
    EXPECT_NEAR(contour[segments].y, 0, 1e-4);
    for (const rl::Vector& v : contour) {
        EXPECT_GE(v.x, -1e-4);
        EXPECT_LE(v.x, 40 + 1e-4);
        EXPECT_GE(v.y, -1e-4);
        EXPECT_LE(v.y, 20 + 1e-4);
    }

    // Turned about its centre.
    rl::Rect turned(0, 0, 40, 20);
    turned.RotateBy(static_cast<float>(kPi / 2));
    const std::vector<rl::Vector> corners = turned.Contour(0, 1);
    EXPECT_NEAR(corners[0].x, 30, 1e-4);
    EXPECT_NEAR(corners[0].y, -10, 1e-4);
    EXPECT_NEAR(corners[2].x, 10, 1e-4);
    EXPECT_NEAR(corners[2].y, 30, 1e-4);
}

TEST_F(ShapeTest, FilledRectangleCoversItsPixelsExactly)
{
    rl::Rect(100, 50, 30, 20).Draw(kWhite);
    EXPECT_EQ(LitCount(90, 40, 50, 40), 30 * 20);
    EXPECT_TRUE(Lit(100, 50));
    EXPECT_TRUE(Lit(129, 69));
    EXPECT_FALSE(Lit(99, 50));
    EXPECT_FALSE(Lit(130, 50));
    EXPECT_FALSE(Lit(100, 70));

    // The layer's channel multipliers tint shapes as they tint everything.
    rl::Canvas::Fill(0, 0, 0, 1);
    rl::SetChannelMultipliers(1, 0, 0, 1);
    rl::Rect(10, 10, 5, 5).Draw(kWhite);
    rl::ResetChannelMultipliers();
    EXPECT_EQ(rl::Canvas::ReadPixel(12, 12) | 0xFF000000u, Rgb(255, 0, 0));
}

TEST_F(ShapeTest, RectangleOutlineIsABandOutsideTheRectangle)
{
    rl::Rect(100, 50, 30, 20, 2).DrawOutline(kWhite);
    // The frame: 2 pixels outside every edge, corners included; the inside untouched.
    EXPECT_EQ(LitCount(90, 40, 60, 50), 34 * 24 - 30 * 20);
    EXPECT_EQ(LitCount(100, 50, 30, 20), 0);
    for (auto [x, y] : {std::pair {98, 48}, {99, 49}, {131, 71}, {115, 48}, {98, 60}, {131, 60}, {115, 71}})
        EXPECT_TRUE(Lit(x, y)) << x << ", " << y;
    for (auto [x, y] : {std::pair {97, 47}, {132, 72}, {100, 50}, {129, 69}})
        EXPECT_FALSE(Lit(x, y)) << x << ", " << y;

    // Rounded: the band follows the corners; the corner pixel of the bounding box stays clear.
    rl::Canvas::Fill(0, 0, 0, 1);
    rl::Rect(300, 100, 60, 40, 3, 10, 1).DrawOutline(kWhite);
    EXPECT_EQ(LitCount(310, 100, 40, 40), 0) << "nothing inside";
    EXPECT_EQ(LitCount(300, 110, 60, 20), 0) << "nothing inside";
    EXPECT_TRUE(Lit(330, 98));
    EXPECT_TRUE(Lit(298, 120));
    EXPECT_FALSE(Lit(297, 97));
    EXPECT_FALSE(Lit(362, 142));
}

TEST_F(ShapeTest, RoundedAndTurnedRectangles)
{
    rl::Rect(100, 100, 60, 40, 1, 10, 1).Draw(kWhite);
    EXPECT_FALSE(Lit(100, 100)) << "the corner is cut";
    EXPECT_FALSE(Lit(159, 139));
    EXPECT_TRUE(Lit(130, 100)) << "the edges are straight between the corners";
    EXPECT_TRUE(Lit(100, 120));
    EXPECT_TRUE(Lit(103, 103));
    // Area: the rectangle less four corners of (1 - pi/4) r^2, within the polygon's shortfall.
    const double area = 60 * 40 - 4 * (1 - kPi / 4) * 100;
    EXPECT_NEAR(LitCount(95, 95, 70, 50), area, area * 0.03);

    // A quarter turn about the centre stands a 40 x 20 rectangle up as 20 x 40.
    rl::Canvas::Fill(0, 0, 0, 1);
    rl::Rect turned(300, 300, 40, 20);
    turned.RotateBy(static_cast<float>(kPi / 2));
    turned.Draw(kWhite);
    EXPECT_NEAR(LitCount(280, 280, 80, 60), 800, 40);
    EXPECT_TRUE(Lit(320, 291));
    EXPECT_TRUE(Lit(320, 328));
    EXPECT_FALSE(Lit(320, 288));
    EXPECT_FALSE(Lit(320, 331));
    EXPECT_FALSE(Lit(302, 310));
    EXPECT_FALSE(Lit(337, 310));
}

TEST_F(ShapeTest, CirclesFilledAndOutlined)
{
    const float r = 20;
    rl::Circle(200, 200, r, 1, 2).Draw(kWhite);
    EXPECT_NEAR(LitCount(170, 170, 60, 60), kPi * r * r, kPi * r * r * 0.03);
    EXPECT_TRUE(Lit(200, 200));
    EXPECT_TRUE(Lit(200 + 17, 200));
    EXPECT_FALSE(Lit(200 + 22, 200));
    EXPECT_FALSE(Lit(200 + 15, 200 + 15));

    // A line width of 1 draws a thin closed line; the middle stays empty.
    rl::Canvas::Fill(0, 0, 0, 1);
    rl::Circle(200, 200, r, 1, 2).DrawOutline(kWhite);
    EXPECT_FALSE(Lit(200, 200));
    EXPECT_EQ(LitCount(188, 188, 24, 24), 0);
    EXPECT_NEAR(LitCount(170, 170, 60, 60), 2 * kPi * r, 2 * kPi * r * 0.25);

    // Wider: a ring inside the circle, line width deep.
    rl::Canvas::Fill(0, 0, 0, 1);
    rl::Circle(200, 200, r, 6, 2).DrawOutline(kWhite);
    EXPECT_FALSE(Lit(200, 200));
    EXPECT_TRUE(Lit(200 + 17, 200));
    EXPECT_TRUE(Lit(200, 200 - 17));
    EXPECT_FALSE(Lit(200 + 12, 200));
    EXPECT_FALSE(Lit(200 + 22, 200));
    const double ring = kPi * (r * r - (r - 6) * (r - 6));
    EXPECT_NEAR(LitCount(170, 170, 60, 60), ring, ring * 0.06);

    // A turned ellipse: its long axis follows the angle.
    rl::Canvas::Fill(0, 0, 0, 1);
    rl::Ellipse ellipse(400, 300, 40, 10, 1, 1);
    ellipse.RotateBy(static_cast<float>(kPi / 2));
    ellipse.Draw(kWhite);
    EXPECT_TRUE(Lit(400, 300 + 35));
    EXPECT_FALSE(Lit(400 + 35, 300));
}

TEST_F(ShapeTest, LinesPointsAndPolygons)
{
    // A horizontal line of width 2 on y = 100 fills the rows on either side of it.
    rl::Line(50, 100, 150, 100, 2).Draw(kWhite);
    EXPECT_TRUE(Lit(100, 99));
    EXPECT_TRUE(Lit(100, 100));
    EXPECT_FALSE(Lit(100, 98));
    EXPECT_FALSE(Lit(100, 101));
    EXPECT_NEAR(LitCount(40, 90, 120, 20), 200, 4);

    // Drawn from its origin.
    rl::Canvas::Fill(0, 0, 0, 1);
    rl::Line moved(0, 0.5f, 10, 0.5f, 1);
    moved.MoveTo({300, 300});
    moved.Draw(kWhite);
    EXPECT_TRUE(Lit(305, 300));
    EXPECT_EQ(LitCount(290, 290, 40, 20), 10);

    rl::Canvas::Fill(0, 0, 0, 1);
    rl::Point(400.5f, 400.5f, 1).Draw(kWhite);
    EXPECT_TRUE(Lit(400, 400));
    EXPECT_EQ(LitCount(390, 390, 20, 20), 1);

    // A concave polygon: the notch stays empty.
    rl::Canvas::Fill(0, 0, 0, 1);
    rl::Poly notched({{100, 200}, {200, 200}, {150, 250}, {200, 300}, {100, 300}});
    notched.Draw(kWhite);
    EXPECT_TRUE(Lit(120, 250));
    EXPECT_TRUE(Lit(190, 205));
    EXPECT_FALSE(Lit(190, 250)) << "inside the notch";
    EXPECT_NEAR(LitCount(90, 190, 120, 120), 100 * 100 - 50 * 100 / 2, 150);

    // Its outline stays on the edges.
    rl::Canvas::Fill(0, 0, 0, 1);
    notched.DrawOutline(kWhite);
    EXPECT_FALSE(Lit(120, 250));
    EXPECT_GT(LitCount(90, 190, 120, 120), 300);
}
