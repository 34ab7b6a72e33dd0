#pragma once
// What the mouse does to bones in the skeleton view: picking and dragging a bone end with the left
// button, moving a skin with Left Ctrl and the right button, the bone context menu. The view calls
// these for its clicks.

#include "gui/Dialog.h"

// A left click: true (with the dialog code in result) when it hit a bone end and was handled;
// false leaves the click to the view, which then pans.
bool HandleBoneLeftClick(DIALOG* view, int& result);
// A right click; returns the dialog code.
int HandleViewRightClick(DIALOG* view);
