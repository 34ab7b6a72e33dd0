#pragma once
// The base of the layer's vector shapes (rectangles, circles and ellipses, lines, polygons, points)
// with the small geometry they share: a 2D vector, a placement, and the angle step that decides how
// many vertices a curve gets.
//
// A shape is a plain value owned by whoever made it, usually for one draw call. Its geometry is pure
// arithmetic (the vertex functions of each shape need no screen); only Draw and DrawOutline touch
// OpenGL.

#include <string>

namespace rl {

struct Colour;

struct Vector {
    float x = 0, y = 0;

    Vector() = default;
    Vector(float vx, float vy) : x(vx), y(vy) {}

    Vector operator+(const Vector& o) const { return {x + o.x, y + o.y}; }
    Vector operator-(const Vector& o) const { return {x - o.x, y - o.y}; }
    Vector& operator+=(const Vector& o)
    {
        x += o.x;
        y += o.y;
        return *this;
    }
    bool operator==(const Vector& o) const { return x == o.x && y == o.y; }

    // Turned by angle radians (clockwise on screen, where y points down) about the origin.
    Vector Rotated(float angle) const;
    // "( x, y )"
    std::string ToString() const;
};

// Where a shape's own coordinates land: stretched and turned about the pivot, then moved by the
// position offset. The default placement changes nothing.
struct Placement {
    Vector position;          // offset added last
    float rotation = 0;       // radians
    Vector stretch {1, 1};
    Vector pivot;             // the point that stretch and rotation keep in place

    Vector Apply(const Vector& point) const;
    // "Pos: ( x, y ) Rotation: a Stretch: ( sx, sy ) Pivot: ( px, py )"
    std::string ToString() const;
};

// The largest angle between two neighbouring vertices of a curve (0.35 pi): even a tiny circle
// keeps six vertices.
constexpr double kMaxCurveStep = 1.0995574287564276;
// The smallest: a circle never has more than 8192 vertices, however large or accurate.
constexpr double kMinCurveStep = 6.283185307179586 / 8192;

// The angle step of a curve of radius r drawn at the given accuracy: 2 asin(1 / r) / accuracy,
// limited to the range above. Radii below 1, and accuracies that are not positive, have no such
// step; they use the largest one, so a curve always ends.
double CurveStep(double radius, double accuracy);

// The accuracy shapes are made with when the caller does not say (0.5 at start). The GUI's
// rectangles use it.
float CurveAccuracy();
void SetCurveAccuracy(float accuracy);

// Text of a number as the shapes' descriptions show it: "10", "0.5", "-3.25".
std::string NumberText(float value);

class Shape {
public:
    explicit Shape(float lineWidth = 1) : lineWidth(lineWidth) {}
    virtual ~Shape() = default;

    virtual void MoveBy(const Vector& offset) = 0;
    virtual void MoveTo(const Vector& position) = 0;
    // Adds the angle (radians) to the shape's own angle.
    virtual void RotateBy(float angle) = 0;
    virtual void TransformBy(const Placement& placement) = 0;
    virtual std::string ToString() const = 0;
    // Filled, and outlined with the line width, in the colour selected before.
    virtual void ExecDraw() const = 0;
    virtual void ExecDrawOutline() const = 0;

    // Selects the colour (with the layer's channel multipliers) and fills / outlines the shape.
    // Texturing is switched off first: shapes are never textured.
    void Draw(const Colour& colour) const;
    void DrawOutline(const Colour& colour) const;

    float lineWidth;
};

} // namespace rl
