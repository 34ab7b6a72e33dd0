#include "editor/level/MapMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kCell = 64;

} // namespace

MapPoint WorldPointAt(int mx, int my, int vx, int vy, float zoom, int scrollX, int scrollY)
{
    return {static_cast<float>(mx - vx) / zoom + static_cast<float>(kCell * scrollX),
            static_cast<float>(my - vy) / zoom + static_cast<float>(kCell * scrollY)};
}

MapCell ViewCellAt(int mx, int my, int vx, int vy, float zoom)
{
    return {static_cast<int>(std::floor(static_cast<float>(mx - vx) / zoom / kCell)),
            static_cast<int>(std::floor(static_cast<float>(my - vy) / zoom / kCell))};
}

int PaletteTileNumber(int firstRow, int selectionX, int selectionY)
{
    return (firstRow + selectionY) * kPaletteColumns + selectionX;
}

int PaletteRows(int tileCount) { return std::max(1, (tileCount + kPaletteColumns - 1) / kPaletteColumns); }

int NewLevelSize(const char* text)
{
    const long value = text ? std::strtol(text, nullptr, 10) : 0;
    return static_cast<int>(std::clamp(value, 20L, 9999L));
}

int SnapZoomValue(int value) { return std::abs(value - kZoomSliderMiddle) < 5 ? kZoomSliderMiddle : value; }

float ZoomForValue(int value)
{
    const float zoom = static_cast<float>(value) / kZoomSliderMiddle;
    return zoom < 0.2f ? 0.2f : zoom;
}

int ScrollMaximum(int size, int shown) { return std::max(0, size - shown); }

std::vector<MapCell> CellsBetween(MapCell from, MapCell to)
{
    // Steps of one cell along x or y (never both at once), so the way has no diagonal gaps.
    std::vector<MapCell> cells;
    const int dx = std::abs(to.x - from.x), dy = std::abs(to.y - from.y);
    const int sx = to.x > from.x ? 1 : -1, sy = to.y > from.y ? 1 : -1;
    MapCell at = from;
    long error = 0;   // dy * (steps along x) - dx * (steps along y): 0 on the line
    for (int step = 0; step < dx + dy; ++step) {
        const bool alongX = at.y == to.y || (at.x != to.x && std::labs(error + dy) <= std::labs(error - dx));
        if (alongX) {
            at.x += sx;
            error += dy;
        } else {
            at.y += sy;
            error -= dx;
        }
        cells.push_back(at);
    }
    return cells;
}
