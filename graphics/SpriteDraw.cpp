// Drawing sprite pictures and the background through the rendering layer: the only part of the
// sprite graphics that needs the screen.

#include <cmath>

#include "core/Clock.h"
#include "graphics/Animation.h"
#include "graphics/AnyGraphics.h"
#include "graphics/MBackground.h"
#include "rl/Bitmap.h"
#include "rl/RenderMode.h"

namespace {

// At most the screen's worth of the background picture is used per copy.
const rl::ClippedMode kScreenPart(0, 0, 800, 600);

constexpr double kDegreesToRadians = 3.141592653589793 / 180;
constexpr float kOpaque = 1.0f;

// FlippedMode's modes.
constexpr int kMirrorLeftRight = 0;
constexpr int kMirrorTopBottom = 1;

float Radians(float degrees) { return static_cast<float>(degrees * kDegreesToRadians); }

} // namespace

const rl::Bitmap* AnyGraphics::ImageAt(int frameSet, int frame) const
{
    const Frame* shown = GetFrame(frameSet, frame);
    return shown ? shown->bitmap : nullptr;
}

int AnyGraphics::DrawFrame(int frameSet, int frame, int x, int y) const
{
    const rl::Bitmap* image = ImageAt(frameSet, frame);
    if (!image)
        return 1;
    image->Draw(static_cast<float>(x), static_cast<float>(y), kOpaque);
    return 0;
}

int AnyGraphics::DrawFrameScaled(int frameSet, int frame, int x, int y, float scale, int mirror) const
{
    const rl::Bitmap* image = ImageAt(frameSet, frame);
    if (!image)
        return 1;
    // Whole pixels, rounded up, so a scaled sprite never loses its last row or column.
    const float w = std::ceil(image->Width() * scale), h = std::ceil(image->Height() * scale);
    const float left = static_cast<float>(x), top = static_cast<float>(y);
    if (mirror == 0)
        image->DrawStretched(left, top, w, h, kOpaque);
    else if (mirror == 1)
        image->DrawStretched(left, top, w, h, rl::FlippedMode(kMirrorLeftRight), kOpaque);
    return 0;
}

int AnyGraphics::DrawFrameRotated(int frameSet, int frame, int x, int y, int offsetX, int offsetY, float angle,
                                  bool flip) const
{
    const rl::Bitmap* image = ImageAt(frameSet, frame);
    if (!image)
        return 1;
    const float pivotX = static_cast<float>(image->Width() + offsetX);
    const float left = static_cast<float>(x), top = static_cast<float>(y);
    if (flip)
        image->DrawRotated(left, top, pivotX, static_cast<float>(image->Height() - offsetY), Radians(angle),
                           rl::FlippedMode(kMirrorTopBottom), kOpaque);
    else
        image->DrawRotated(left, top, pivotX, static_cast<float>(offsetY), Radians(angle), kOpaque);
    return 0;
}

int AnyGraphics::DrawFrameRotatedScaled(int frameSet, int frame, int x, int y, float scale, float angle, int offsetX,
                                        int offsetY, int flipType) const
{
    const rl::Bitmap* image = ImageAt(frameSet, frame);
    if (!image)
        return 1;
    const float w = static_cast<float>(image->Width()), h = static_cast<float>(image->Height());
    const float pivotX = w + offsetX;
    // The pivot's height per flip type. Type 2 takes it from the scaled height, unlike the other
    // two; stored skeletons are posed against exactly this placement.
    float pivotY = 0;
    switch (flipType) {
    case 0: pivotY = static_cast<float>(offsetY); break;
    case 1: pivotY = h - offsetY; break;
    case 2: pivotY = h * scale - offsetY; break;
    default: return 0;
    }
    const float left = static_cast<float>(x), top = static_cast<float>(y);
    if (flipType == 0)
        image->DrawRotatedStretched(left, top, w * scale, h * scale, pivotX, pivotY, Radians(angle), kOpaque);
    else
        image->DrawRotatedStretched(left, top, w * scale, h * scale, pivotX, pivotY, Radians(angle),
                                    rl::FlippedMode(flipType == 1 ? kMirrorTopBottom : kMirrorLeftRight), kOpaque);
    return 0;
}

int Animation::Draw(int x, int y)
{
    if (TimerTicked)
        Update();
    if (!graphics || frameSet < 0)
        return 1;
    return graphics->DrawFrame(frameSet, frame, x, y);
}

int Animation::DrawScaled(int x, int y, int mirror, float scale)
{
    if (TimerTicked)
        Update();
    if (!graphics)
        return 1;
    return graphics->DrawFrameScaled(frameSet, frame, x, y, scale, mirror);
}

int MBackground::Draw(float scroll)
{
    // A picture without width has no copies to place (and would make the remainder undefined).
    if (!bitmap || bitmap->Width() <= 0)
        return 0;
    const float width = static_cast<float>(bitmap->Width());
    const float offset = std::fmod(scroll * 0.5f, width);
    bitmap->Draw(-offset, 0, kScreenPart, 1.0f);
    bitmap->Draw(width - offset, 0, kScreenPart, 1.0f);
    return 0;
}

int MBackground::DrawClipped(float x, float y, int width, int height)
{
    if (!bitmap)
        return 0;
    bitmap->Draw(x, y, rl::ClippedMode(0, 0, static_cast<float>(width), static_cast<float>(height)), 1.0f);
    return 0;
}
