#include "rl/LineSet.h"

#include "rl/GL.h"

namespace rl {

void LineSet::Add(const Vector& from, const Vector& to)
{
    ends.push_back(from);
    ends.push_back(to);
}

void LineSet::MoveBy(const Vector& offset) { origin += offset; }
void LineSet::MoveTo(const Vector& position) { origin = position; }

void LineSet::RotateBy(float angle)
{
    for (Vector& end : ends)
        end = end.Rotated(angle);
}

void LineSet::TransformBy(const Placement& placement)
{
    for (Vector& end : ends)
        end = placement.Apply(origin + end) - origin;
}

std::string LineSet::ToString() const
{
    return "LineSet: Segments: " + std::to_string(Count()) + " Origin: " + origin.ToString();
}

void LineSet::ExecDraw() const
{
    if (ends.size() < 2)
        return;
    glLineWidth(lineWidth);
    glBegin(GL_LINES);
    for (size_t i = 0; i + 1 < ends.size(); i += 2) {
        glVertex2f(origin.x + ends[i].x, origin.y + ends[i].y);
        glVertex2f(origin.x + ends[i + 1].x, origin.y + ends[i + 1].y);
    }
    glEnd();
    glLineWidth(1);
}

void LineSet::ExecDrawOutline() const { ExecDraw(); }

} // namespace rl
