#include "rl/Shape.h"

#include <cmath>
#include <sstream>

#include "rl/Colour.h"
#include "rl/GL.h"
#include "rl/LayerInternal.h"
#include "rl/ShapeInternal.h"

namespace rl {

namespace {
float g_curveAccuracy = 0.5f;
}

Vector Vector::Rotated(float angle) const
{
    const float c = std::cos(angle), s = std::sin(angle);
    return {x * c - y * s, x * s + y * c};
}

std::string Vector::ToString() const { return "( " + NumberText(x) + ", " + NumberText(y) + " )"; }

Vector Placement::Apply(const Vector& point) const
{
    const Vector local = point - pivot;
    const Vector stretched {local.x * stretch.x, local.y * stretch.y};
    return pivot + stretched.Rotated(rotation) + position;
}

std::string Placement::ToString() const
{
    return "Pos: " + position.ToString() + " Rotation: " + NumberText(rotation) + " Stretch: " +
           stretch.ToString() + " Pivot: " + pivot.ToString();
}

double CurveStep(double radius, double accuracy)
{
    // asin is NaN for radii below 1 and the quotient is negative or infinite for accuracies at or
    // below 0; any such step would keep a vertex loop from ever reaching a full turn.
    const double step = 2.0 * std::asin(1.0 / radius) / accuracy;
    if (!std::isfinite(step) || step <= 0 || step > kMaxCurveStep)
        return kMaxCurveStep;
    return step < kMinCurveStep ? kMinCurveStep : step;
}

float CurveAccuracy() { return g_curveAccuracy; }
void SetCurveAccuracy(float accuracy) { g_curveAccuracy = accuracy; }

std::string NumberText(float value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

void Shape::Draw(const Colour& colour) const
{
    detail::BindTexture(0);
    colour.Select();
    ExecDraw();
}

void Shape::DrawOutline(const Colour& colour) const
{
    detail::BindTexture(0);
    colour.Select();
    ExecDrawOutline();
}

} // namespace rl

namespace rl::detail {

void DrawFan(const Vector& centre, const std::vector<Vector>& rim)
{
    if (rim.size() < 2)
        return;
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(centre.x, centre.y);
    for (const Vector& v : rim)
        glVertex2f(v.x, v.y);
    glVertex2f(rim.front().x, rim.front().y);
    glEnd();
}

void DrawBand(const std::vector<Vector>& inner, const std::vector<Vector>& outer)
{
    if (inner.size() != outer.size() || inner.size() < 2)
        return;
    glBegin(GL_TRIANGLE_STRIP);
    for (size_t i = 0; i <= inner.size(); ++i) {
        const size_t k = i % inner.size();
        glVertex2f(inner[k].x, inner[k].y);
        glVertex2f(outer[k].x, outer[k].y);
    }
    glEnd();
}

namespace {

void DrawLines(GLenum mode, const std::vector<Vector>& vertices, float width)
{
    if (vertices.size() < 2)
        return;
    glLineWidth(width);
    glBegin(mode);
    for (const Vector& v : vertices)
        glVertex2f(v.x, v.y);
    glEnd();
    glLineWidth(1);
}

} // namespace

void DrawLineLoop(const std::vector<Vector>& vertices, float width) { DrawLines(GL_LINE_LOOP, vertices, width); }
void DrawLineStrip(const std::vector<Vector>& vertices, float width) { DrawLines(GL_LINE_STRIP, vertices, width); }

void DrawPoint(const Vector& position, float size)
{
    glPointSize(size);
    glBegin(GL_POINTS);
    glVertex2f(position.x, position.y);
    glEnd();
    glPointSize(1);
}

} // namespace rl::detail
