#pragma once
// The bones panel (dialog entry 3, shown while its d1 is 1): the bone list in draw order, one row
// per bone ("0) Trunk", ...), the selected bone's row inverted. A click selects a bone; dragging
// it up or down moves it through the draw order one place at a time; a right click opens the
// menu "Duplicate Bone, Duplicate Limb, -, Properties". Its clicks and wheel reach it through the
// panel router.
//
// When the bones do not fit, the panel scrolls (d2 is the top row): the wheel moves the rows, a
// scroll bar down the right edge sets the top row, and a bone selected or moved elsewhere brings
// its row into view. Only the rows shown are drawn, so a frame costs the same for any number of
// bones.

#include "gui/Dialog.h"
#include "gui/ScrollRows.h"

int BonePanelProc(int message, DIALOG* d, int c);

// The panel's rows as they stand for a skeleton of boneCount bones (the top row clamped).
RowWindow BoneRows(const DIALOG& panel, int boneCount);

// The list row at a height inside the panel (pixels below its top), or -1 above the first row
// shown or below the last one.
int BoneRowAt(int panelY, int rowHeight, const RowWindow& rows);
// The row a held bone moves to next on its way to the row under the mouse: one place towards it,
// never onto the Trunk's row 0; the held row itself when it is there or cannot move.
int NextBoneRow(int heldRow, int mouseRow);
