#include "level/VisibleCells.h"

#include <algorithm>
#include <cmath>

#include "level/TileGrid.h"

VisibleCells VisibleCells::Compute(int viewWidth, int viewHeight, int scrollX, int scrollY, float zoom)
{
    VisibleCells cells;
    // A zoom of 0, below it or not a number has no cells to show (and a negative cell size would
    // turn the squares inside out).
    if (!(zoom > 0) || !std::isfinite(zoom))
        return cells;
    cells.cellSize = zoom * TileGrid::kCellSize;
    cells.wholeCell = std::max(1, static_cast<int>(std::min(cells.cellSize, 1e9f)));
    const int ti = cells.wholeCell;
    cells.columns = viewWidth < 0 ? 0 : viewWidth / ti + 1;
    cells.rows = viewHeight < 0 ? 0 : viewHeight / ti + 1;
    cells.firstColumn = std::max(0, scrollX / ti);
    cells.firstRow = std::max(0, scrollY / ti);
    cells.remainderX = scrollX % ti;
    cells.remainderY = scrollY % ti;
    return cells;
}
