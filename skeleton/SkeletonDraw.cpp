// Drawing a posed skeleton: its skins, unscaled and scaled, plain or mirrored, and the editor's
// overlay of joints and bone lines. Positions come from the last UpdatePositions; this is the only
// part of the skeleton that needs the screen.
#include "skeleton/Skeleton.h"

#include <cmath>

#include "core/Clock.h"
#include "graphics/AnyGraphics.h"
#include "rl/Colour.h"
#include "rl/Ellipse.h"
#include "rl/Line.h"

namespace {

// Truncated toward zero, as skins are drawn at whole pixels; false for a place no pixel has
// (a pose read from a damaged file may hold infinities or NaNs).
bool WholePixel(float value, int& pixel)
{
    if (!(std::fabs(value) < 1e9f))
        return false;
    pixel = static_cast<int>(value);
    return true;
}

// Advances the skin's animation on the clock and hands back its pictures, or null when the bone
// draws no skin.
AnyGraphics* SkinToDraw(Bone& bone)
{
    if (!bone.skinVisible)
        return nullptr;
    if (TimerTicked)
        bone.skin.animation.Update();
    return bone.skin.Graphics();
}

} // namespace

void Skeleton::DrawSkins(float x, float y, int mirrored)
{
    for (auto& owned : boneList_) {
        Bone& bone = *owned;
        AnyGraphics* graphics = SkinToDraw(bone);
        if (!graphics)
            continue;
        const bool flip = mirrored % 2 != 0;
        int px, py, offsetX, offsetY;
        if (!WholePixel(mirrored ? x - bone.endX + 40 : x + bone.endX, px) || !WholePixel(y + bone.endY, py) ||
            !WholePixel(bone.skinOffsetX, offsetX) || !WholePixel(bone.skinOffsetY, offsetY))
            continue;
        const Animation& animation = bone.skin.animation;
        if (mirrored)
            graphics->DrawFrameRotated(animation.frameSet, animation.frame, px, py, offsetX, offsetY,
                                       180 - bone.absoluteAngle, flip);
        else
            graphics->DrawFrameRotated(animation.frameSet, animation.frame, px, py, offsetX, offsetY,
                                       bone.absoluteAngle, false);
    }
}

void Skeleton::DrawSkinsScaled(float x, float y, float scale, int mirrored)
{
    for (auto& owned : boneList_) {
        Bone& bone = *owned;
        AnyGraphics* graphics = SkinToDraw(bone);
        if (!graphics)
            continue;
        // Mirrored, the bone's flip mode says how: 1 top to bottom, 2 left to right, else not at all.
        int flipType = 0;
        if (mirrored) {
            if (bone.mirrorFlipMode != 1 && bone.mirrorFlipMode != 2)
                continue;
            flipType = bone.mirrorFlipMode;
        }
        int px, py, offsetX, offsetY;
        if (!WholePixel(mirrored ? x - scale * bone.endX : x + scale * bone.endX, px) ||
            !WholePixel(y + scale * bone.endY, py) || !WholePixel(bone.skinOffsetX, offsetX) ||
            !WholePixel(bone.skinOffsetY, offsetY))
            continue;
        const Animation& animation = bone.skin.animation;
        graphics->DrawFrameRotatedScaled(animation.frameSet, animation.frame, px, py, scale,
                                         mirrored ? 180 - bone.absoluteAngle : bone.absoluteAngle, offsetX,
                                         offsetY, flipType);
    }
}

void Skeleton::DrawOverlay(float zoom, float originX, float originY, const Bone* selected) const
{
    if (!root_ || boneList_.empty())
        return;
    // Joints and lines shrink with the view below full size, and keep their size above it.
    const float radius = zoom < 1 ? 10 * zoom : 10;
    const float width = zoom < 1 ? 3 * zoom : 3;
    const auto screenX = [&](float x) { return zoom * x + originX; };
    const auto screenY = [&](float y) { return zoom * y + originY; };

    const Bone& first = *boneList_.front();
    rl::Circle(screenX(first.startX), screenY(first.startY), radius).Draw(rl::Colour(1, 1, 1, 150 / 255.0f));

    for (const auto& owned : boneList_) {
        const Bone& bone = *owned;
        const rl::Circle end(screenX(bone.endX), screenY(bone.endY), radius);
        const rl::Line line(screenX(bone.startX), screenY(bone.startY), screenX(bone.endX), screenY(bone.endY), width);
        if (&bone == selected) {
            end.Draw(bone.skinVisible ? rl::Colour(1, 1, 0, 1) : rl::Colour(1, 206 / 255.0f, 149 / 255.0f, 1));
            line.Draw(rl::Colour(0, 1, 160 / 255.0f, 1));
        } else {
            end.Draw(bone.skinVisible ? rl::Colour(1, 0, 0, 150 / 255.0f) : rl::Colour(1, 138 / 255.0f, 0, 150 / 255.0f));
            line.Draw(rl::Colour(0, 1, 0, 150 / 255.0f));
        }
    }
}
