#pragma once
// The frames panel (dialog entry 2, shown while its d1 is 1): the list of frame sets and their
// frames, the transport bar along the bottom (previous set, previous frame, play/stop, next frame,
// next set) and the column of frame-edit buttons down the right. A click on a row sends the
// editor entity there; a right click on a row goes there at once and opens the menu "Cut, Copy,
// Paste, Paste To New, -, Rename FrameSet". Its clicks reach it through the panel router.

#include "gui/Dialog.h"

int FramePanelProc(int message, DIALOG* d, int c);

// Sizes of the buttons in the panel's strips.
constexpr int kTransportButtonSize = 38;
constexpr int kFrameEditButtonSize = 32;
