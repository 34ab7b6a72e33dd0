#pragma once
// A column of rows too long for its place: how many rows there are, how many fit, which one is on
// top, and the scroll bar beside them. The list box and the editor's side panels scroll through
// this one piece: the wheel moves the top row, a click on the bar (a vertical SliderProc whose
// maximum is the largest top row) sets it, and a row that must be seen brings the top row just far
// enough to show it. Only the rows shown are ever visited, however many there are.

#include "gui/Dialog.h"

constexpr int kScrollBarWidth = 16;

struct RowWindow {
    int count = 0;     // rows in all
    int visible = 0;   // whole rows that fit
    int top = 0;       // the first row shown, 0 .. MaxTop()

    // The largest top row: count - visible, or 0.
    int MaxTop() const { return count > visible ? count - visible : 0; }
    // Whether the rows need a scroll bar.
    bool Scrolls() const { return count > visible; }
    // One past the last row shown.
    int End() const { return top + visible < count ? top + visible : count; }
    bool Shows(int row) const { return row >= top && row < End(); }
};

// A window over count rows of which visible fit, its top clamped to 0 .. MaxTop().
RowWindow MakeRowWindow(int count, int visible, int top);

// The top row after steps of the wheel (positive: towards the first row), clamped.
int TopAfterWheel(const RowWindow& rows, int steps);
// The top row nearest the current one that shows row; the current one when it is shown already or
// row is not one of the rows.
int TopShowing(const RowWindow& rows, int row);
// The row shown at slot (0 is the top row shown), or -1 where no row is shown.
int RowAtSlot(const RowWindow& rows, int slot);

// The scroll bar of the rows: a vertical slider at (x, y), kScrollBarWidth wide and h high, in the
// owner's colours (packed, as dialog records hold them).
DIALOG ScrollBarRecord(const RowWindow& rows, int x, int y, int h, int fg, int bg);
void DrawScrollBar(const RowWindow& rows, int x, int y, int h, int fg, int bg);
// The top row a click at the mouse's height on that bar gives.
int TopFromScrollBarClick(const RowWindow& rows, int x, int y, int h);
