// The collision of an entity's box with the level's cells: one axis at a time, each looking only at
// the cells the moved edge lands in, spread over the box's extent at its old position.
#include "entities/Entity.h"

#include <algorithm>
#include <cmath>

#include "level/TileGrid.h"

namespace {

constexpr double kCell = TileGrid::kCellSize;
// Cells this far out are all alike: outside any grid (and small enough to do sums with).
constexpr int kFarCell = 1 << 24;

// The cell a level coordinate falls in. Rounded down, so the band just left of (or above) the grid
// is already outside it: an entity is stopped at the level's edge rather than 63 pixels past it.
// For coordinates of 0 and up this is the coordinate's integer part / 64.
int Cell(double v)
{
    const double cell = std::floor(v / kCell);
    if (std::isnan(cell))
        return -kFarCell;
    return static_cast<int>(std::clamp(cell, -static_cast<double>(kFarCell), static_cast<double>(kFarCell)));
}

// The cells an edge spanning first ... last (level pixels, inclusive) touches: each 64-pixel step
// from first, then last itself. Those are consecutive cells, so the range is tested instead.
void CellSpan(double first, double last, int& from, int& to)
{
    to = Cell(last);
    from = first < last ? Cell(first) : to;
}

// Whether any cell of the column (rows from ... to), or of the row (columns from ... to), blocks.
bool ColumnBlocks(const TileGrid& grid, int column, int from, int to)
{
    if (column < 0 || column >= grid.Width() || from < 0 || to >= grid.Height())
        return true;   // some sampled cell lies outside the grid
    for (int row = from; row <= to; ++row)
        if (grid.CellBlocks(column, row))
            return true;
    return false;
}

bool RowBlocks(const TileGrid& grid, int row, int from, int to)
{
    if (row < 0 || row >= grid.Height() || from < 0 || to >= grid.Width())
        return true;
    for (int column = from; column <= to; ++column)
        if (grid.CellBlocks(column, row))
            return true;
    return false;
}

// Where an edge stopped by the blocking cell `cell` comes to rest: one pixel before the cell
// (moving forwards) or on the boundary after it (moving backwards). A move that jumped past the
// grid's edge in one step is stopped at that edge, the first cell outside, so nothing comes to
// rest out of the level.
double StopBefore(int cell, int cells) { return kCell * std::min(cell, cells) - 1; }
double StopAfter(int cell) { return kCell * (std::max(cell, -1) + 1); }

} // namespace

int Entity::CollideWithLevel(const TileGrid* level, float oldXf, float oldYf)
{
    if (!collidesWithLevel || !level)
        return 0;
    const double left = boxLeft, top = boxTop, right = boxRight, bottom = boxBottom;
    const double oldX = oldXf, oldY = oldYf;
    int result = 0;

    // Horizontal: the column the leading edge moved into, over the rows of the old position.
    int fromRow = 0, toRow = 0;
    CellSpan(oldY + top, oldY + bottom, fromRow, toRow);
    const double X = std::ceil(static_cast<double>(x));
    if (velX > 0) {
        const int column = Cell(X + right);
        if (ColumnBlocks(*level, column, fromRow, toRow)) {
            velX = 0;
            driveX = 0;
            x = static_cast<float>(StopBefore(column, level->Width()) - right);
            result |= kBlockedRight;
        }
    } else if (velX < 0) {
        const int column = Cell(X + left);
        if (ColumnBlocks(*level, column, fromRow, toRow)) {
            velX = 0;
            driveX = 0;
            x = static_cast<float>(StopAfter(column) - left);
            result |= kBlockedLeft;
        }
    }

    // Vertical: the row the leading edge moved into, over the columns of the old position (so a
    // horizontal correction above is not seen here).
    int fromColumn = 0, toColumn = 0;
    CellSpan(oldX + left, oldX + right, fromColumn, toColumn);
    const double Y = std::ceil(static_cast<double>(y));
    if (velY < 0) {
        const int row = Cell(Y + top);
        if (RowBlocks(*level, row, fromColumn, toColumn)) {
            velY = 0;
            driveY = 0;
            y = static_cast<float>(StopAfter(row) - top);
            result |= kBlockedAbove;
        }
        flags |= ENT_AIRBORNE;
    }
    if (velY > 0) {
        const int row = Cell(Y + bottom);
        if (!RowBlocks(*level, row, fromColumn, toColumn)) {
            flags |= ENT_AIRBORNE;
            return result;
        }
        // Landing: a slow touch-down stops dead, a faster one bounces by the restitution.
        if (velY - gravity < 1 || bounce == 0)
            velY = 0;
        else
            velY = -velY * bounce;
        driveY = 0;
        flags &= ~ENT_AIRBORNE;
        y = static_cast<float>(StopBefore(row, level->Height()) - bottom);
        result |= kBlockedBelow;
    }
    // velY exactly 0: the airborne state stays as the last move left it.
    return result;
}
