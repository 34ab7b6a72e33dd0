#include "rl/Poly.h"

#include <array>
#include <cmath>
#include <deque>

#include "rl/GL.h"
#include "rl/Layer.h"
#include "rl/ShapeInternal.h"

namespace rl {

namespace {

// GLU's tessellator cuts any simple or self-crossing polygon into triangles and hands them out
// through callbacks. Points it invents where edges cross live in `added` until the polygon ends.
struct Tessellation {
    std::vector<std::array<GLdouble, 3>> points;
    std::deque<std::array<GLdouble, 3>> added;
};

void GLAPIENTRY TessBegin(GLenum mode) { glBegin(mode); }
void GLAPIENTRY TessEnd() { glEnd(); }
void GLAPIENTRY TessVertex(void* vertex)
{
    const auto* p = static_cast<const GLdouble*>(vertex);
    glVertex2d(p[0], p[1]);
}
void GLAPIENTRY TessCombine(GLdouble coords[3], void*[4], GLfloat[4], void** out, void* data)
{
    auto& added = static_cast<Tessellation*>(data)->added;
    added.push_back({coords[0], coords[1], coords[2]});
    *out = added.back().data();
}
void GLAPIENTRY TessError(GLenum) {}

using TessCallback = void(GLAPIENTRY*)();

void FillPolygon(const std::vector<Vector>& vertices)
{
    if (vertices.size() < 3)
        return;
    for (const Vector& v : vertices)
        if (!std::isfinite(v.x) || !std::isfinite(v.y))
            return;
    if (vertices.size() == 3) {
        glBegin(GL_TRIANGLES);
        for (const Vector& v : vertices)
            glVertex2f(v.x, v.y);
        glEnd();
        return;
    }
    GLUtesselator* tess = gluNewTess();
    if (!tess)
        return;
    Tessellation work;
    work.points.reserve(vertices.size());
    for (const Vector& v : vertices)
        work.points.push_back({v.x, v.y, 0});
    gluTessCallback(tess, GLU_TESS_BEGIN, reinterpret_cast<TessCallback>(TessBegin));
    gluTessCallback(tess, GLU_TESS_END, reinterpret_cast<TessCallback>(TessEnd));
    gluTessCallback(tess, GLU_TESS_VERTEX, reinterpret_cast<TessCallback>(TessVertex));
    gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<TessCallback>(TessCombine));
    gluTessCallback(tess, GLU_TESS_ERROR, reinterpret_cast<TessCallback>(TessError));
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_ODD);
    gluTessNormal(tess, 0, 0, 1);
    gluTessBeginPolygon(tess, &work);
    gluTessBeginContour(tess);
    for (auto& p : work.points)
        gluTessVertex(tess, p.data(), p.data());
    gluTessEndContour(tess);
    gluTessEndPolygon(tess);
    gluDeleteTess(tess);
}

} // namespace

Poly::Poly(std::vector<Vector> vertices, float lineWidth) : Shape(lineWidth), vertices_(std::move(vertices)) {}

void Poly::MoveBy(const Vector& offset) { placement.position += offset; }
void Poly::MoveTo(const Vector& position) { placement.position = position; }
void Poly::RotateBy(float angle) { placement.rotation += angle; }

void Poly::TransformBy(const Placement& by)
{
    std::vector<Vector> moved = PlacedVertices();
    for (Vector& v : moved)
        v = by.Apply(v);
    vertices_ = std::move(moved);
    placement = Placement();
}

std::string Poly::ToString() const
{
    std::string text = "Polygon: Placement: " + placement.ToString() + " Vertices:";
    for (const Vector& v : vertices_)
        text += " " + v.ToString();
    return text;
}

bool Poly::CheckIndex(int index) const
{
    if (index >= 0 && index < VertexCount())
        return true;
    LayerError("Invalid vertex index: " + std::to_string(index) + " ( Number of vertices: " +
               std::to_string(VertexCount()) + " )");
    return false;
}

Vector Poly::Vertex(int index) const { return CheckIndex(index) ? vertices_[index] : Vector(); }

bool Poly::SetVertex(int index, const Vector& vertex)
{
    if (!CheckIndex(index))
        return false;
    vertices_[index] = vertex;
    return true;
}

std::vector<Vector> Poly::PlacedVertices() const
{
    std::vector<Vector> placed;
    placed.reserve(vertices_.size());
    for (const Vector& v : vertices_)
        placed.push_back(placement.Apply(v));
    return placed;
}

void Poly::ExecDraw() const { FillPolygon(PlacedVertices()); }
void Poly::ExecDrawOutline() const { detail::DrawLineLoop(PlacedVertices(), lineWidth); }

} // namespace rl
