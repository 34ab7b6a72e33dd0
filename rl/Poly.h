#pragma once
// A polygon: a list of vertices in its own coordinates and the placement that puts them on the
// screen. It may be concave; the fill is triangulated at draw time.

#include <vector>

#include "rl/Shape.h"

namespace rl {

class Poly : public Shape {
public:
    explicit Poly(std::vector<Vector> vertices = {}, float lineWidth = 1);

    // Moving and turning change the placement; the vertices stay as given.
    void MoveBy(const Vector& offset) override;
    void MoveTo(const Vector& position) override;
    void RotateBy(float angle) override;
    // Moves every vertex (as drawn) through the placement and makes that the polygon's own
    // geometry; the placement becomes the default one. (Two placements with stretch and rotation
    // need not combine into one placement.)
    void TransformBy(const Placement& placement) override;
    // "Polygon: Placement: <placement> Vertices: ( x, y ) ( x, y ) ..."
    std::string ToString() const override;
    void ExecDraw() const override;
    // A closed line of the line width through the vertices.
    void ExecDrawOutline() const override;

    int VertexCount() const { return static_cast<int>(vertices_.size()); }
    // An index outside the list logs "Invalid vertex index: ..." and gives (0, 0) / changes nothing.
    Vector Vertex(int index) const;
    bool SetVertex(int index, const Vector& vertex);
    void AddVertex(const Vector& vertex) { vertices_.push_back(vertex); }
    // The vertices on screen.
    std::vector<Vector> PlacedVertices() const;

    Placement placement;

private:
    bool CheckIndex(int index) const;

    std::vector<Vector> vertices_;
};

} // namespace rl
