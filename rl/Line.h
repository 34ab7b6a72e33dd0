#pragma once
// A straight line segment of the line width: bone lines, separators, grid lines.

#include "rl/Shape.h"

namespace rl {

class Line : public Shape {
public:
    Line(float x1, float y1, float x2, float y2, float lineWidth = 1);

    // Moving and turning work on the origin, the point the line's ends are given from.
    void MoveBy(const Vector& offset) override;
    void MoveTo(const Vector& position) override;
    // Turns both ends about the origin.
    void RotateBy(float angle) override;
    // Moves both ends (as drawn) through the placement; the origin is kept.
    void TransformBy(const Placement& placement) override;
    // "Line: Start: ( x1, y1 ) End: ( x2, y2 ) Origin: ( x, y )"
    std::string ToString() const override;
    // Both draw the segment from origin + start to origin + end.
    void ExecDraw() const override;
    void ExecDrawOutline() const override;

    Vector start, end;
    Vector origin;
};

} // namespace rl
