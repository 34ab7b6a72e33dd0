#pragma once
// Which cells of a level a view shows, and where: the arithmetic shared by the map drawing and the
// flag overlay, kept apart so it can be checked without a screen.
//
// A cell is T = 64 x zoom screen pixels; whole cells are counted with Ti = T truncated (at least 1,
// so a tiny zoom cannot divide by zero). The view draws Ti-based counts of columns and rows from
// the first visible cell, each shifted left / up by the scroll's remainder.

struct VisibleCells {
    // viewWidth x viewHeight screen pixels; scroll in screen pixels (world position x zoom).
    static VisibleCells Compute(int viewWidth, int viewHeight, int scrollX, int scrollY, float zoom);

    // Screen position of the i-th drawn column / j-th drawn row relative to the view's corner.
    float ColumnX(int i) const { return static_cast<float>(i) * cellSize - static_cast<float>(remainderX); }
    float RowY(int j) const { return static_cast<float>(j) * cellSize - static_cast<float>(remainderY); }

    float cellSize = 0;     // T
    int wholeCell = 1;      // Ti
    int columns = 0;        // columns to draw (0 when the zoom is not a positive number)
    int rows = 0;
    int firstColumn = 0;    // level cell of the first drawn column
    int firstRow = 0;
    int remainderX = 0;     // scroll x modulo Ti
    int remainderY = 0;
};
