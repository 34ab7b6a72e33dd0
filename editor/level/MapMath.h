#pragma once
// The level editor's arithmetic, apart from any screen: where a mouse point lies on the map, which
// tile the palette selection names, the sizes the New Level dialog takes, the zoom slider, the
// scroll bars' range and the cells a drag crosses.

#include <utility>
#include <vector>

struct MapPoint {
    float x = 0, y = 0;
};
struct MapCell {
    int x = 0, y = 0;
    bool operator==(const MapCell& other) const { return x == other.x && y == other.y; }
};

// The world point under the screen point (mx, my) of a view whose corner is (vx, vy).
MapPoint WorldPointAt(int mx, int my, int vx, int vy, float zoom, int scrollX, int scrollY);
// The cell under the screen point, relative to the view (add the scroll for the level's cell).
MapCell ViewCellAt(int mx, int my, int vx, int vy, float zoom);

// The palette has 11 tiles a row.
constexpr int kPaletteColumns = 11;
// The tile number the palette selection names.
int PaletteTileNumber(int firstRow, int selectionX, int selectionY);
// The palette rows a tileset of tileCount tiles needs (at least 1).
int PaletteRows(int tileCount);

// A size typed into the New Level dialog: the text's integer value (0 when it is none), raised to
// 20 and lowered to 9999.
int NewLevelSize(const char* text);

// The zoom slider: its value snaps to 50 within 5 of it; the zoom is value / 50, at least 0.2.
constexpr int kZoomSliderMiddle = 50;
int SnapZoomValue(int value);
float ZoomForValue(int value);

// A map scroll bar's maximum for a level of `size` cells of which `shown` show at zoom 1: never
// below 0, so a small level leaves nothing to scroll.
int ScrollMaximum(int size, int shown);

// The cells on the straight way from one cell to the next, without the first and with the last,
// each neighbouring the one before: the cells a drag crossed between two looks at the mouse.
std::vector<MapCell> CellsBetween(MapCell from, MapCell to);
