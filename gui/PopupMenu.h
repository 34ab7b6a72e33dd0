#pragma once
// The context menu of the editors' panels and view: a white box of rows at the mouse, tracked in
// a loop of its own (outside the dialog engine) until mouse button 1 or 2 is pressed or Escape is
// held. Items are given as one text separated by comma and space ("Cut, Copy, -, Paste"); "-" is
// a separator line. The menu opens to the left of or above the mouse when it would pass the
// owner's right or bottom edge.

#include <string>
#include <vector>

#include "gui/Dialog.h"

// The row under the mouse when a button ended the menu (a separator's index included), or -1
// (outside the rows, or closed with Escape).
int PopupMenu(const char* items, DIALOG* owner);

// A context menu as the editors open it on a right click: every widget is redrawn first (so what
// the click selected shows), then the right button's release is awaited and, after a short pause,
// the menu opens at the mouse. Returns what PopupMenu returns.
int OpenContextMenu(const char* items, DIALOG* owner);

std::vector<std::string> SplitPopupItems(const char* items);

struct PopupPlacement {
    int x = 0, y = 0, width = 0, height = 0;
    int rowHeight = 1;

    // The row the mouse is over: (y - top - row - 2) / row while strictly inside, else -1.
    int RowAt(int mouseX, int mouseY, int rows) const;
};

PopupPlacement PlacePopup(const std::vector<std::string>& items, int mouseX, int mouseY, const DIALOG& owner);
