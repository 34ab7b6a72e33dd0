#include "entities/ScreenPainter.h"

#include "graphics/Animation.h"
#include "rl/Colour.h"
#include "rl/Ellipse.h"
#include "rl/Rect.h"
#include "skeleton/Skeleton.h"

namespace {

rl::Colour ToColour(const PaintColour& c) { return rl::Colour(c.r, c.g, c.b, c.a); }

} // namespace

void ScreenPainter::Sprite(Animation& animation, float x, float y, float scale, int mirror)
{
    animation.DrawScaled(static_cast<int>(x), static_cast<int>(y), mirror, scale);
}

void ScreenPainter::SkeletonSkins(Skeleton& skeleton, float x, float y, float scale, int mirrored)
{
    skeleton.DrawSkinsScaled(x, y, scale, mirrored);
}

void ScreenPainter::FilledRect(float x, float y, float width, float height, const PaintColour& colour)
{
    rl::Rect(x, y, width, height).Draw(ToColour(colour));
}

void ScreenPainter::Disc(float x, float y, float radius, const PaintColour& colour)
{
    rl::Circle(x, y, radius).Draw(ToColour(colour));
}

void UseScreenPainter()
{
    static ScreenPainter painter;
    SetEntityPainter(&painter);
}
