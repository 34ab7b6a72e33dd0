#include "rl/Ellipse.h"

#include <algorithm>
#include <cmath>

#include "rl/ShapeInternal.h"

namespace rl {

namespace {

constexpr double kFullTurn = 6.283185307179586;
// Line widths up to this are drawn as a line; wider ones as a ring.
constexpr double kThinLine = 1.0000009999999975;

} // namespace

Ellipse::Ellipse(float x, float y, float radiusX, float radiusY, float lineWidth, float accuracy)
    : Shape(lineWidth), centre(x, y), radiusX(radiusX), radiusY(radiusY), accuracy(accuracy)
{
}

void Ellipse::MoveBy(const Vector& offset) { centre += offset; }
void Ellipse::MoveTo(const Vector& position) { centre = position; }
void Ellipse::RotateBy(float a) { angle += a; }

void Ellipse::TransformBy(const Placement& placement)
{
    centre = placement.Apply(centre);
    radiusX *= placement.stretch.x;
    radiusY *= placement.stretch.y;
    angle += placement.rotation;
}

std::string Ellipse::ToString() const
{
    return "Circle: Pos: " + centre.ToString() + " Radius: " + Vector(radiusX, radiusY).ToString() +
           " Angle: " + NumberText(angle);
}

double Ellipse::Step() const { return CurveStep(std::max(radiusX, radiusY), accuracy); }

std::vector<Vector> Ellipse::Vertices(float rx, float ry) const
{
    const double step = Step();
    // Vertex i sits at i steps; the tolerance keeps a turn that is an exact multiple of the step
    // from repeating the first vertex at 2 pi.
    const int count = static_cast<int>(std::ceil(kFullTurn / step - 1e-6));
    std::vector<Vector> vertices;
    vertices.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double a = i * step;
        const Vector local(static_cast<float>(rx * std::cos(a)), static_cast<float>(ry * std::sin(a)));
        vertices.push_back(centre + (angle != 0 ? local.Rotated(angle) : local));
    }
    return vertices;
}

void Ellipse::ExecDraw() const { detail::DrawFan(centre, Vertices()); }

void Ellipse::ExecDrawOutline() const
{
    if (lineWidth > kThinLine)
        detail::DrawBand(Vertices(std::max(0.0f, radiusX - lineWidth), std::max(0.0f, radiusY - lineWidth)), Vertices());
    else
        detail::DrawLineLoop(Vertices(), lineWidth);
}

} // namespace rl
