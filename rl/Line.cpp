#include "rl/Line.h"

#include "rl/ShapeInternal.h"

namespace rl {

Line::Line(float x1, float y1, float x2, float y2, float lineWidth) : Shape(lineWidth), start(x1, y1), end(x2, y2) {}

void Line::MoveBy(const Vector& offset) { origin += offset; }
void Line::MoveTo(const Vector& position) { origin = position; }

void Line::RotateBy(float angle)
{
    start = start.Rotated(angle);
    end = end.Rotated(angle);
}

void Line::TransformBy(const Placement& placement)
{
    start = placement.Apply(origin + start) - origin;
    end = placement.Apply(origin + end) - origin;
}

std::string Line::ToString() const
{
    return "Line: Start: " + start.ToString() + " End: " + end.ToString() + " Origin: " + origin.ToString();
}

void Line::ExecDraw() const { detail::DrawLineStrip({origin + start, origin + end}, lineWidth); }
void Line::ExecDrawOutline() const { ExecDraw(); }

} // namespace rl
