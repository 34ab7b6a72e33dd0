#pragma once
// A list of texts from a getter (dp, see ListGetter). d1 is the selected index, d2 the top visible
// row. Rows are one text row high; when there are more items than rows, a 16-pixel SliderProc at
// the right edge scrolls the list. A click selects the row under the mouse, a double click closes
// the dialog when the exit flag is set, Up and Down move the selection, the wheel scrolls.
//
// Selection and top row are clamped to the list on every message, so a list that shrank, or a
// click above the rows, never leaves an index outside 0 .. count - 1.

#include "gui/Dialog.h"
#include "gui/ScrollRows.h"

int ListBoxProc(int message, DIALOG* d, int c);

// A list as it stands: its rows (visible: whole rows that fit in h; top: d2) and whether it
// scrolls. Measuring also clamps the record's selection and top row.
struct ListLayout : RowWindow {
    int rowHeight = 1;
    bool scrollBar = false;
};

// Measures the list in d (whose dp must be a getter) and clamps d's d1 and d2.
ListLayout MeasureList(DIALOG& d);

// A click at (mx, my) on the list: on its scroll bar it scrolls (true); elsewhere nothing here.
bool ClickScrollBar(DIALOG& list, const ListLayout& layout, int mx);
// A click on a row selects it (true); a click below the rows or on an empty list selects nothing.
bool SelectRowAt(DIALOG& list, const ListLayout& layout, int my);

// The item count a getter reports (never below 0), and an item's text ("" for a null one).
int ItemCount(ListGetter getter);
const char* ItemText(ListGetter getter, int index);
