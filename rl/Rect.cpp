#include "rl/Rect.h"

#include <algorithm>
#include <cmath>

#include "rl/ShapeInternal.h"

namespace rl {

namespace {

constexpr float kHalfPi = 1.5707963267948966f;
// Below this a roundness or an angle counts as none.
constexpr float kNegligible = 0.00001f;

} // namespace

Rect::Rect(float x, float y, float width, float height, float lineWidth, float roundness, float accuracy)
    : Shape(lineWidth), x(x), y(y), width(width), height(height), roundness(roundness), accuracy(accuracy)
{
}

void Rect::MoveBy(const Vector& offset)
{
    x += offset.x;
    y += offset.y;
}

void Rect::MoveTo(const Vector& position)
{
    x = position.x;
    y = position.y;
}

void Rect::RotateBy(float a) { angle += a; }

void Rect::TransformBy(const Placement& placement)
{
    const Vector centre = placement.Apply(Centre());
    width *= placement.stretch.x;
    height *= placement.stretch.y;
    x = centre.x - width / 2;
    y = centre.y - height / 2;
    angle += placement.rotation;
}

std::string Rect::ToString() const
{
    return "Rect: Pos: " + Vector(x, y).ToString() + " Size: " + Vector(width, height).ToString() +
           " Roundness: " + NumberText(roundness) + " Rotation angle: " + NumberText(angle);
}

bool Rect::IsRounded() const { return roundness > kNegligible; }

float Rect::CornerRadius() const
{
    if (!IsRounded())
        return 0;
    return std::min(roundness, std::min(std::fabs(width), std::fabs(height)) / 2);
}

Vector Rect::Centre() const { return {x + width / 2, y + height / 2}; }

int Rect::CornerSegments(float radius) const
{
    const double step = CurveStep(radius, accuracy);
    // The tolerance keeps a quarter turn that is an exact multiple of the step from one more
    // segment of zero length.
    return std::max(1, static_cast<int>(std::ceil(kHalfPi / step - 1e-6)));
}

std::vector<Vector> Rect::Contour(float grow, int segments) const
{
    const float halfW = std::fabs(width) / 2 + grow, halfH = std::fabs(height) / 2 + grow;
    const Vector centre = Centre();
    const bool turned = std::fabs(angle) > kNegligible;
    auto place = [&](const Vector& local) { return centre + (turned ? local.Rotated(angle) : local); };

    std::vector<Vector> contour;
    if (!IsRounded()) {
        contour = {place({-halfW, -halfH}), place({halfW, -halfH}), place({halfW, halfH}), place({-halfW, halfH})};
        return contour;
    }
    // Corner arcs about the corner centres, clockwise on screen from the top-left corner's arc,
    // which runs from pointing left (pi) to pointing up (1.5 pi).
    const float inset = CornerRadius();
    const float radius = inset + grow;
    const Vector corners[4] = {{-halfW + radius, -halfH + radius}, {halfW - radius, -halfH + radius},
                               {halfW - radius, halfH - radius}, {-halfW + radius, halfH - radius}};
    segments = std::max(1, segments);
    contour.reserve(4 * (segments + 1));
    for (int corner = 0; corner < 4; ++corner) {
        const float start = (corner + 2) * kHalfPi;
        for (int i = 0; i <= segments; ++i) {
            const float a = start + kHalfPi * i / segments;
            contour.push_back(place(corners[corner] + Vector(radius * std::cos(a), radius * std::sin(a))));
        }
    }
    return contour;
}

void Rect::ExecDraw() const
{
    const int segments = IsRounded() ? CornerSegments(CornerRadius()) : 1;
    detail::DrawFan(Centre(), Contour(0, segments));
}

void Rect::ExecDrawOutline() const
{
    // Both edges of the frame get the vertex count of the outer one, so that the band between
    // them pairs vertex with vertex.
    const int segments = IsRounded() ? CornerSegments(CornerRadius() + lineWidth) : 1;
    detail::DrawBand(Contour(0, segments), Contour(lineWidth, segments));
}

} // namespace rl
