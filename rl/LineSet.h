#pragma once
// Many straight segments of one width and colour drawn as one batch: a grid, hatching. Drawing
// each as its own Line costs a driver round trip per segment, which a software renderer feels on
// every frame.

#include <vector>

#include "rl/Shape.h"

namespace rl {

class LineSet : public Shape {
public:
    explicit LineSet(float lineWidth = 1) : Shape(lineWidth) {}

    void Add(const Vector& from, const Vector& to);
    int Count() const { return static_cast<int>(ends.size() / 2); }

    void MoveBy(const Vector& offset) override;
    void MoveTo(const Vector& position) override;
    // Turns every segment about the origin.
    void RotateBy(float angle) override;
    // Moves every end (as drawn) through the placement; the origin is kept.
    void TransformBy(const Placement& placement) override;
    // "LineSet: Segments: n Origin: ( x, y )"
    std::string ToString() const override;
    // Both draw every segment from origin + its start to origin + its end.
    void ExecDraw() const override;
    void ExecDrawOutline() const override;

    std::vector<Vector> ends;   // start, end of the first segment, start, end of the second, ...
    Vector origin;
};

} // namespace rl
