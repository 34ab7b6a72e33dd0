// The level's cells and the view arithmetic of its drawing: pure logic, no screen.

#include "level/TileGrid.h"
#include "level/VisibleCells.h"

#include <gtest/gtest.h>

namespace {

TEST(TileGrid, BuildsEmptyColumnsAndClears)
{
    TileGrid grid;
    EXPECT_FALSE(grid.HasGrid());
    EXPECT_EQ(grid.GetTile(0, 0, 1), nullptr);

    grid.Build(4, 3);
    ASSERT_TRUE(grid.HasGrid());
    EXPECT_EQ(grid.Width(), 4);
    EXPECT_EQ(grid.Height(), 3);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 3; ++y)
            for (int layer : {1, 2}) {
                const Tile* tile = grid.GetTile(x, y, layer);
                ASSERT_NE(tile, nullptr);
                EXPECT_EQ(tile->tileNumber, 0);
                EXPECT_EQ(tile->flags, 0);
            }
    // The two layers are separate tiles.
    EXPECT_NE(grid.GetTile(1, 1, 1), grid.GetTile(1, 1, 2));

    grid.Clear();
    EXPECT_FALSE(grid.HasGrid());
    EXPECT_EQ(grid.Width(), 0);
    EXPECT_EQ(grid.Height(), 0);

    grid.Build(0, 5);   // nothing to build
    EXPECT_FALSE(grid.HasGrid());
    EXPECT_EQ(grid.Width(), 0);
}

TEST(TileGrid, CellsOutsideTheGridAreNeverTouched)
{
    TileGrid grid;
    grid.Build(3, 2);
    grid.SetFlags(2, 1, 5);
    struct Case {
        int x, y;
        int32_t flags;   // GetFlags
        bool tile;       // GetTile finds one
    } const cases[] = {
        {0, 0, 0, true}, {2, 1, 5, true}, {-1, 0, -1, false}, {0, -1, -1, false},
        {3, 0, -1, false}, {0, 2, -1, false}, {3, 2, -1, false},
    };
    for (const Case& c : cases) {
        grid.SetFlags(c.x, c.y, c.flags);   // a no-op outside, keeps the value inside
        EXPECT_EQ(grid.GetFlags(c.x, c.y), c.flags) << c.x << "," << c.y;
        EXPECT_EQ(grid.GetTile(c.x, c.y, 1) != nullptr, c.tile) << c.x << "," << c.y;
    }
    // Layers other than 1 and 2 hold no tiles.
    EXPECT_EQ(grid.GetTile(0, 0, 0), nullptr);
    EXPECT_EQ(grid.GetTile(0, 0, 3), nullptr);
    // Flags are the back layer's.
    grid.SetFlags(1, 1, 7);
    EXPECT_EQ(grid.GetTile(1, 1, 1)->flags, 7);
    EXPECT_EQ(grid.GetTile(1, 1, 2)->flags, 0);
}

TEST(TileGrid, CellsBlockWhenOutsideSolidOrMarkedMinusOne)
{
    TileGrid grid;
    grid.Build(4, 4);
    grid.GetTile(1, 0, 1)->tileNumber = -1;
    grid.SetFlags(2, 0, 1);
    grid.SetFlags(3, 0, 6);                    // other flag bits do not make a cell solid
    grid.GetTile(0, 1, 2)->tileNumber = -1;    // the front layer never blocks
    grid.GetTile(1, 1, 2)->flags = 1;
    grid.GetTile(2, 1, 1)->tileNumber = 7;     // an ordinary tile is no wall
    struct Case {
        int x, y;
        bool blocks;
    } const cases[] = {
        {0, 0, false}, {1, 0, true}, {2, 0, true}, {3, 0, false}, {0, 1, false}, {1, 1, false},
        {2, 1, false}, {-1, 2, true}, {4, 2, true}, {2, -1, true}, {2, 4, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(grid.CellBlocks(c.x, c.y), c.blocks) << c.x << "," << c.y;

    TileGrid empty;
    EXPECT_TRUE(empty.CellBlocks(0, 0));
}

TEST(VisibleCells, CountsFirstCellsAndRemainders)
{
    struct Case {
        int viewWidth, viewHeight, scrollX, scrollY;
        float zoom;
        int wholeCell, columns, rows, firstColumn, firstRow, remainderX, remainderY;
    } const cases[] = {
        // The editor's map view at zoom 1: 12 columns, 9 rows.
        {704, 512, 0, 0, 1.0f, 64, 12, 9, 0, 0, 0, 0},
        // Half size: 32-pixel cells, 23 columns.
        {704, 512, 0, 0, 0.5f, 32, 23, 17, 0, 0, 0, 0},
        // Scrolled by 70 screen pixels: column 1, shifted 6 pixels.
        {704, 512, 70, 130, 1.0f, 64, 12, 9, 1, 2, 6, 2},
        // Zoom 0.2: 12.8-pixel cells counted as 12.
        {704, 512, 25, 0, 0.2f, 12, 59, 43, 2, 0, 1, 0},
        {704, 512, 128, 64, 2.0f, 128, 6, 5, 1, 0, 0, 64},
        // Scrolled before the grid: the first column stays 0, the remainder keeps its sign.
        {704, 512, -70, 0, 1.0f, 64, 12, 9, 0, 0, -6, 0},
        // A cell smaller than one pixel still counts as one: no division by zero.
        {100, 50, 5, 3, 0.01f, 1, 101, 51, 5, 3, 0, 0},
        // Nothing to show.
        {704, 512, 0, 0, 0.0f, 1, 0, 0, 0, 0, 0, 0},
        {704, 512, 0, 0, -1.0f, 1, 0, 0, 0, 0, 0, 0},
        {-10, 512, 0, 0, 1.0f, 64, 0, 9, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const VisibleCells v = VisibleCells::Compute(c.viewWidth, c.viewHeight, c.scrollX, c.scrollY, c.zoom);
        SCOPED_TRACE(testing::Message() << c.viewWidth << "x" << c.viewHeight << " scroll " << c.scrollX << ","
                                        << c.scrollY << " zoom " << c.zoom);
        EXPECT_EQ(v.wholeCell, c.wholeCell);
        EXPECT_EQ(v.columns, c.columns);
        EXPECT_EQ(v.rows, c.rows);
        EXPECT_EQ(v.firstColumn, c.firstColumn);
        EXPECT_EQ(v.firstRow, c.firstRow);
        EXPECT_EQ(v.remainderX, c.remainderX);
        EXPECT_EQ(v.remainderY, c.remainderY);
    }
    // Positions step by the exact cell size, not the truncated one.
    const VisibleCells v = VisibleCells::Compute(704, 512, 25, 0, 0.2f);
    EXPECT_FLOAT_EQ(v.ColumnX(0), -1.0f);
    EXPECT_FLOAT_EQ(v.ColumnX(10), 127.0f);
    EXPECT_FLOAT_EQ(VisibleCells::Compute(704, 512, 70, 0, 1.0f).ColumnX(1), 58.0f);
}

} // namespace
