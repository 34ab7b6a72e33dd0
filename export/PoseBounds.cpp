#include "export/PoseBounds.h"

#include <cmath>

#include "graphics/AnyGraphics.h"
#include "graphics/Frame.h"
#include "rl/Bitmap.h"
#include "skeleton/Skeleton.h"

namespace {

constexpr double kDegreesToRadians = 3.141592653589793 / 180;

} // namespace

void PixelBox::Add(float x, float y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const int x1 = static_cast<int>(std::ceil(x)), y1 = static_cast<int>(std::ceil(y));
    if (x0 < left)
        left = x0;
    if (y0 < top)
        top = y0;
    if (x1 > right)
        right = x1;
    if (y1 > bottom)
        bottom = y1;
}

bool AddSkinBounds(const Skeleton& skeleton, float scale, PixelBox& box)
{
    bool drawn = false;
    for (const auto& owned : skeleton.BoneList()) {
        const Bone& bone = *owned;
        const AnyGraphics* graphics = bone.skin.Graphics();
        if (!bone.skinVisible || !graphics)
            continue;
        const Animation& animation = bone.skin.animation;
        const Frame* frame = graphics->GetFrame(animation.frameSet, animation.frame);
        if (!frame || !frame->bitmap)
            continue;
        const float endX = scale * bone.endX, endY = scale * bone.endY;
        if (!(std::fabs(endX) < 1e9f) || !(std::fabs(endY) < 1e9f))
            continue;
        // Pinned where the drawing pins it: the bone's end and the skin's offsets in whole pixels.
        const float pinX = std::floor(endX), pinY = std::floor(endY);
        const float offsetX = std::trunc(bone.skinOffsetX), offsetY = std::trunc(bone.skinOffsetY);
        const float w = frame->bitmap->Width() * scale, h = frame->bitmap->Height() * scale;
        const float pivotX = (frame->bitmap->Width() + offsetX) * scale, pivotY = offsetY * scale;
        const double angle = bone.absoluteAngle * kDegreesToRadians;
        const float c = static_cast<float>(std::cos(angle)), s = static_cast<float>(std::sin(angle));
        const float corners[4][2] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
        for (const auto& corner : corners) {
            const float x = corner[0] - pivotX, y = corner[1] - pivotY;
            box.Add(pinX + x * c - y * s, pinY + x * s + y * c);
        }
        box.Add(pinX, pinY);
        drawn = true;
    }
    return drawn;
}

void AddBoneBounds(const Skeleton& skeleton, float scale, PixelBox& box)
{
    for (const auto& bone : skeleton.BoneList()) {
        box.Add(scale * bone->startX, scale * bone->startY);
        box.Add(scale * bone->endX, scale * bone->endY);
    }
}
