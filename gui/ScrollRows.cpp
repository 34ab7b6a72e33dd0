#include "gui/ScrollRows.h"

#include <algorithm>

#include "gui/SliderProc.h"

RowWindow MakeRowWindow(int count, int visible, int top)
{
    RowWindow rows;
    rows.count = std::max(count, 0);
    rows.visible = std::max(visible, 0);
    rows.top = std::clamp(top, 0, rows.MaxTop());
    return rows;
}

int TopAfterWheel(const RowWindow& rows, int steps)
{
    // Wide steps from a wild wheel reading must not overflow on their way to the clamp.
    const long long top = static_cast<long long>(rows.top) - steps;
    return static_cast<int>(std::clamp<long long>(top, 0, rows.MaxTop()));
}

int TopShowing(const RowWindow& rows, int row)
{
    if (row < 0 || row >= rows.count || rows.visible <= 0 || rows.Shows(row))
        return rows.top;
    const int top = row < rows.top ? row : row - rows.visible + 1;
    return std::clamp(top, 0, rows.MaxTop());
}

int RowAtSlot(const RowWindow& rows, int slot)
{
    if (slot < 0 || slot >= rows.visible)
        return -1;
    const int row = rows.top + slot;
    return row < rows.count ? row : -1;
}

DIALOG ScrollBarRecord(const RowWindow& rows, int x, int y, int h, int fg, int bg)
{
    return DialogRecord(SliderProc, x, y, kScrollBarWidth, h, fg, bg, 0, rows.MaxTop(), rows.top);
}

void DrawScrollBar(const RowWindow& rows, int x, int y, int h, int fg, int bg)
{
    DIALOG bar = ScrollBarRecord(rows, x, y, h, fg, bg);
    SliderProc(MSG_DRAW, &bar, 0);
}

int TopFromScrollBarClick(const RowWindow& rows, int x, int y, int h)
{
    DIALOG bar = ScrollBarRecord(rows, x, y, h, 0, 0);
    SliderProc(MSG_CLICK, &bar, 0);
    return bar.d2;
}
