#pragma once
// A slider, and the scroll bar of every list. d1 is the maximum, d2 the value (0 .. d1). It lies
// horizontally when w >= h, else vertically. Each click sets the value from the mouse position
// once (there is no dragging). A slider with nothing to choose (d1 <= 0) shows its handle at the
// start and keeps the value 0.

#include "gui/Dialog.h"

int SliderProc(int message, DIALOG* d, int c);

// Where a slider's handle is drawn.
struct SliderLayout {
    bool horizontal;
    int handleLength;   // along the slider: its length / (d1 + 1), at least 8
    int x, y, w, h;     // the handle's rectangle
};

SliderLayout LayOutSlider(const DIALOG& d);
// The value a click at the mouse position (x for a horizontal slider, y for a vertical one)
// gives, within 0 .. d1.
int SliderValueAt(const DIALOG& d, int mouse);
