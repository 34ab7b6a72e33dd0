#pragma once
// The view's zoom slider (dialog entry 5): a vertical slider of 0 .. 100 whose value, snapped near
// 33, sets the zoom (ViewMath.h). The zoom grows as the handle moves down; a white line marks the
// snap position.

#include "gui/Dialog.h"

int ZoomSliderProc(int message, DIALOG* d, int c);
