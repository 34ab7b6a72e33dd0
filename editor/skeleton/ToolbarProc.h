#pragma once
// The toolbar (dialog entry 1): a row of 42 x 42 buttons cut from "MARL Toolbar.png" and the
// strip's last column repeated as filler to the screen's right edge. Each button shows its state
// (kButtonNormal, kButtonOn, kButtonGreyed in EditorState.h) as the strip's row 0, 1 or 2. A click
// on a button that is not greyed runs its action (ToolbarActions.h).

#include "gui/Dialog.h"

int ToolbarProc(int message, DIALOG* d, int c);

constexpr int kToolbarButtonSize = 42;
constexpr const char* kToolbarStrip = "../Game Data/GFX/MARL GUI/MARL Toolbar.png";

// Buttons in a strip of this width: all columns but the last (the filler).
int ToolbarButtonCount(int stripWidth);
// The button under a mouse x relative to the toolbar's left edge, or -1 past the buttons.
int ToolbarButtonAt(int relativeX, int stripWidth);
// The strip row (pixels) a button state shows: 0, 42 or 84.
int ToolbarStateRow(int state);
