// The level editor's arithmetic: mouse points on the map, the palette's tile numbers, the New
// Level sizes, the zoom slider, the scroll bars and the cells a drag crosses.

#include "editor/level/MapMath.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

TEST(LevelEditorMath, MousePointsOnTheMap)
{
    struct Case {
        int mx, my;
        float zoom;
        int scrollX, scrollY;
        MapCell view;        // relative to the view
        MapPoint world;
    } cases[] = {
        {20, 30, 1, 0, 0, {0, 0}, {0, 0}},
        {83, 93, 1, 0, 0, {0, 0}, {63, 63}},
        {84, 94, 1, 0, 0, {1, 1}, {64, 64}},
        {150, 30, 2, 3, 0, {1, 0}, {65 + 192, 0}},          // 130 right of the edge at zoom 2, scroll 3: column 4
        {20 + 704, 30 + 512, 0.2f, 10, 5, {55, 40}, {3520 + 640, 2560 + 320}},
        {10, 20, 1, 0, 0, {-1, -1}, {-10, -10}},            // left of and above the view
        {20 + 63, 30, 0.5f, 1, 2, {1, 0}, {126 + 64, 128}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mx) + ", " + std::to_string(c.my) + " at zoom " + std::to_string(c.zoom));
        const MapCell view = ViewCellAt(c.mx, c.my, 20, 30, c.zoom);
        EXPECT_EQ(view.x, c.view.x);
        EXPECT_EQ(view.y, c.view.y);
        const MapPoint world = WorldPointAt(c.mx, c.my, 20, 30, c.zoom, c.scrollX, c.scrollY);
        EXPECT_FLOAT_EQ(world.x, c.world.x);
        EXPECT_FLOAT_EQ(world.y, c.world.y);
    }
    // The level cell of the case at zoom 2: the view's column plus the scroll.
    EXPECT_EQ(ViewCellAt(150, 30, 20, 30, 2).x + 3, 4);
}

TEST(LevelEditorMath, PaletteSizesZoomAndScrollBars)
{
    // Palette: 11 a row; the third row of 25 tiles is 22, 23, 24, then nothing.
    EXPECT_EQ(PaletteTileNumber(0, 0, 0), 0);
    EXPECT_EQ(PaletteTileNumber(0, 10, 1), 21);
    EXPECT_EQ(PaletteTileNumber(1, 0, 1), 22);
    EXPECT_EQ(PaletteTileNumber(2, 2, 0), 24);
    const int rows[][2] = {{0, 1}, {1, 1}, {11, 1}, {12, 2}, {25, 3}, {38, 4}};
    for (const auto& r : rows)
        EXPECT_EQ(PaletteRows(r[0]), r[1]) << r[0] << " tiles";

    struct Size {
        const char* text;
        int size;
    } sizes[] = {{"100", 100}, {"5", 20}, {"abc", 20}, {"", 20}, {"-40", 20}, {"20", 20}, {"300", 300},
                 {"400", 400}, {"99999", 9999}, {"12x", 20}, {"250x", 250}, {" 150", 150}, {nullptr, 20}};
    for (const Size& s : sizes)
        EXPECT_EQ(NewLevelSize(s.text), s.size) << (s.text ? s.text : "null");

    const int zoom[][2] = {{50, 50}, {46, 50}, {54, 50}, {45, 45}, {55, 55}, {0, 0}, {100, 100}};
    for (const auto& z : zoom)
        EXPECT_EQ(SnapZoomValue(z[0]), z[1]) << z[0];
    EXPECT_FLOAT_EQ(ZoomForValue(50), 1.0f);
    EXPECT_FLOAT_EQ(ZoomForValue(100), 2.0f);
    EXPECT_FLOAT_EQ(ZoomForValue(0), 0.2f);
    EXPECT_FLOAT_EQ(ZoomForValue(9), 0.2f);
    EXPECT_FLOAT_EQ(ZoomForValue(25), 0.5f);

    const int scroll[][3] = {{100, 8, 92}, {8, 8, 0}, {5, 8, 0}, {0, 11, 0}, {300, 11, 289}};
    for (const auto& s : scroll)
        EXPECT_EQ(ScrollMaximum(s[0], s[1]), s[2]) << s[0];
}

TEST(LevelEditorMath, DragsCrossEveryCellOnTheWay)
{
    struct Case {
        MapCell from, to;
    } cases[] = {
        {{0, 0}, {0, 0}}, {{0, 0}, {5, 0}}, {{3, 3}, {3, -2}}, {{0, 0}, {4, 4}},
        {{0, 0}, {7, 2}}, {{10, 1}, {-3, 6}}, {{-2, -2}, {1, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.to.x) + ", " + std::to_string(c.to.y));
        const std::vector<MapCell> cells = CellsBetween(c.from, c.to);
        const int steps = std::abs(c.to.x - c.from.x) + std::abs(c.to.y - c.from.y);
        ASSERT_EQ(static_cast<int>(cells.size()), steps);
        MapCell at = c.from;
        for (const MapCell& cell : cells) {
            // Each one step from the last, towards the end, never straying a cell off the line.
            EXPECT_EQ(std::abs(cell.x - at.x) + std::abs(cell.y - at.y), 1);
            const long cross = static_cast<long>(cell.x - c.from.x) * (c.to.y - c.from.y) -
                               static_cast<long>(cell.y - c.from.y) * (c.to.x - c.from.x);
            EXPECT_LE(std::labs(cross), std::abs(c.to.x - c.from.x) + std::abs(c.to.y - c.from.y));
            at = cell;
        }
        EXPECT_TRUE(at == c.to);
    }
}

} // namespace
