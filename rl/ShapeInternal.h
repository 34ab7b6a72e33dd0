#pragma once
// The OpenGL primitives the shapes are drawn with; not for use outside rl/. Each draws in the
// colour selected before, untextured.

#include <vector>

#include "rl/Shape.h"

namespace rl::detail {

// Triangles from the centre through every vertex, closed back to the first.
void DrawFan(const Vector& centre, const std::vector<Vector>& rim);
// The band between two closed contours with the same number of vertices.
void DrawBand(const std::vector<Vector>& inner, const std::vector<Vector>& outer);
// A closed line through the vertices, or an open one.
void DrawLineLoop(const std::vector<Vector>& vertices, float width);
void DrawLineStrip(const std::vector<Vector>& vertices, float width);
void DrawPoint(const Vector& position, float size);

} // namespace rl::detail
