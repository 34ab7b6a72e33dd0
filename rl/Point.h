#pragma once
// A single point, drawn as a dot of the line width.

#include "rl/Shape.h"

namespace rl {

class Point : public Shape {
public:
    explicit Point(const Vector& position, float lineWidth = 1) : Shape(lineWidth), position(position) {}
    Point(float x, float y, float lineWidth = 1) : Point(Vector(x, y), lineWidth) {}

    void MoveBy(const Vector& offset) override { position += offset; }
    void MoveTo(const Vector& to) override { position = to; }
    // A point has no angle.
    void RotateBy(float) override {}
    void TransformBy(const Placement& placement) override { position = placement.Apply(position); }
    // "Point: Pos: ( x, y )"
    std::string ToString() const override { return "Point: Pos: " + position.ToString(); }
    void ExecDraw() const override;
    void ExecDrawOutline() const override { ExecDraw(); }

    Vector position;
};

} // namespace rl
