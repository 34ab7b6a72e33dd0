#pragma once
// An axis-aligned rectangle, optionally with rounded corners and turned about its centre: the
// GUI's boxes, bars and frames and the editors' selection boxes.

#include <vector>

#include "rl/Shape.h"

namespace rl {

class Rect : public Shape {
public:
    // Roundness is the corners' radius (0: square corners); accuracy decides their vertex count.
    Rect(float x, float y, float width, float height, float lineWidth = 1, float roundness = 0,
         float accuracy = CurveAccuracy());

    void MoveBy(const Vector& offset) override;
    // Places the top-left corner.
    void MoveTo(const Vector& position) override;
    void RotateBy(float angle) override;
    // Moves the centre through the placement, stretches the size, adds the rotation.
    void TransformBy(const Placement& placement) override;
    // "Rect: Pos: ( x, y ) Size: ( w, h ) Roundness: r Rotation angle: a"
    std::string ToString() const override;
    void ExecDraw() const override;
    // A frame lineWidth thick just outside the rectangle.
    void ExecDrawOutline() const override;

    bool IsRounded() const;
    // The corner radius used for drawing: the roundness, at most half the shorter side.
    float CornerRadius() const;
    // The outline of the rectangle grown by `grow` on every side, on screen, clockwise from the
    // top-left corner: four corners, or for a rounded rectangle an arc of `segments` steps per
    // corner (radius CornerRadius() + grow). A negative size counts from the other edge.
    std::vector<Vector> Contour(float grow, int segments) const;
    // Segments per corner arc of the given radius at this rectangle's accuracy.
    int CornerSegments(float radius) const;
    Vector Centre() const;

    float x, y, width, height;
    float roundness;
    float accuracy;
    float angle = 0;   // radians, about the centre
};

} // namespace rl
