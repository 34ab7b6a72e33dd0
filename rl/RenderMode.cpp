#include "rl/RenderMode.h"

#include <algorithm>
#include <utility>

#include "rl/Layer.h"

namespace rl {

void FlippedMode::Prepare(TexturePatch& patch, float, float, float, float) const
{
    switch (mode) {
    case 0: std::swap(patch.u0, patch.u1); break;
    case 1: std::swap(patch.v0, patch.v1); break;
    case 2:
        std::swap(patch.u0, patch.u1);
        std::swap(patch.v0, patch.v1);
        break;
    default: LayerError("Unknown enumeration in FlippedMode::Select!");
    }
}

void ClippedMode::Prepare(TexturePatch& patch, float imageWidth, float imageHeight, float uMax, float vMax) const
{
    if (imageWidth <= 0 || imageHeight <= 0)
        return;
    const float left = std::clamp(x, 0.0f, imageWidth), top = std::clamp(y, 0.0f, imageHeight);
    const float right = std::clamp(x + width, left, imageWidth);
    const float bottom = std::clamp(y + height, top, imageHeight);
    patch.u0 = left / imageWidth * uMax;
    patch.u1 = right / imageWidth * uMax;
    patch.v0 = top / imageHeight * vMax;
    patch.v1 = bottom / imageHeight * vMax;
    patch.width = right - left;
    patch.height = bottom - top;
}

} // namespace rl
