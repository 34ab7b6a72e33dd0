#pragma once
// The bones panel (dialog entry 3, shown while its d1 is 1): the bone list in draw order, one row
// per bone ("0) Trunk", ...), the selected bone's row inverted. A click selects a bone; dragging
// it up or down moves it through the draw order one place at a time; a right click opens the
// menu "Duplicate Bone, Duplicate Limb, -, Properties". Its clicks reach it through the panel
// router.

#include "gui/Dialog.h"

int BonePanelProc(int message, DIALOG* d, int c);

// The list row at a height inside the panel (pixels below its top), or -1 above the first row or
// below the last of rowCount rows.
int BoneRowAt(int panelY, int rowHeight, int rowCount);
// The row a held bone moves to next on its way to the row under the mouse: one place towards it,
// never onto the Trunk's row 0; the held row itself when it is there or cannot move.
int NextBoneRow(int heldRow, int mouseRow);
