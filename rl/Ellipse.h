#pragma once
// Ellipses and circles (a circle is an ellipse with equal radii): joints, particles and markers.

#include <vector>

#include "rl/Shape.h"

namespace rl {

class Ellipse : public Shape {
public:
    Ellipse(float x, float y, float radiusX, float radiusY, float lineWidth = 1, float accuracy = CurveAccuracy());

    void MoveBy(const Vector& offset) override;
    // Places the centre.
    void MoveTo(const Vector& position) override;
    void RotateBy(float angle) override;
    // Moves the centre through the placement, stretches the radii, adds the rotation.
    void TransformBy(const Placement& placement) override;
    // "Circle: Pos: ( x, y ) Radius: ( rx, ry ) Angle: a"
    std::string ToString() const override;
    // A fan of triangles from the centre.
    void ExecDraw() const override;
    // A closed line of the line width through the vertices; a wider line than 1 is drawn as a ring
    // inside the ellipse instead, lineWidth deep.
    void ExecDrawOutline() const override;

    // The angle between neighbouring vertices, from the larger radius.
    double Step() const;
    // The vertices on screen for the given radii, every Step() from angle 0 (pointing right) round
    // to just before a full turn, turned by the ellipse's angle about the centre.
    std::vector<Vector> Vertices(float radiusX, float radiusY) const;
    std::vector<Vector> Vertices() const { return Vertices(radiusX, radiusY); }

    Vector centre;
    float radiusX, radiusY;
    float accuracy;
    float angle = 0;   // radians
};

class Circle : public Ellipse {
public:
    Circle(float x, float y, float radius, float lineWidth = 1, float accuracy = CurveAccuracy())
        : Ellipse(x, y, radius, radius, lineWidth, accuracy)
    {
    }
};

} // namespace rl
