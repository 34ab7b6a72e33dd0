#include "game/CameraView.h"

#include <algorithm>

#include "level/TileGrid.h"

void CameraView::FocusOn(float x, float y, const TileGrid& level)
{
    const float levelWidth = static_cast<float>(level.Width() * TileGrid::kCellSize) * zoom;
    const float levelHeight = static_cast<float>(level.Height() * TileGrid::kCellSize) * zoom;
    camX = std::clamp(zoom * x - static_cast<float>(width) / 2, 0.0f,
                      std::max(0.0f, levelWidth - static_cast<float>(width)));
    camY = std::clamp(zoom * y - static_cast<float>(height) / 2, 0.0f,
                      std::max(0.0f, levelHeight - static_cast<float>(height)));
}
