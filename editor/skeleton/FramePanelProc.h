#pragma once
// The frames panel (dialog entry 2, shown while its d1 is 1): the list of frame sets and their
// frames, the transport bar along the bottom (previous set, previous frame, play/stop, next frame,
// next set) and the column of frame-edit buttons down the right. A click on a row sends the
// editor entity there; a right click on a row goes there at once and opens the menu "Cut, Copy,
// Paste, Paste To New, -, Rename FrameSet". Its clicks and wheel reach it through the panel
// router.
//
// When the rows do not fit above the transport bar, the list scrolls (d2 is the top row): the
// wheel moves it, a scroll bar beside the frame-edit buttons sets the top row, and the current
// frame's row is brought into view whenever the current frame changes. Only the rows shown are
// drawn.

#include "gui/Dialog.h"
#include "gui/ScrollRows.h"

class Skeleton;

int FramePanelProc(int message, DIALOG* d, int c);

// The list's rows as they stand for a list of rowCount rows (the top row clamped).
RowWindow FrameRows(const DIALOG& panel, int rowCount);
// The list row of a set's row (frame -1) or of one of its frames; -1 when there is no such row.
int FrameListRow(const Skeleton& skeleton, int set, int frame);

// Sizes of the buttons in the panel's strips.
constexpr int kTransportButtonSize = 38;
constexpr int kFrameEditButtonSize = 32;
