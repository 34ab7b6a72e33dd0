#pragma once
// The menu bar across the top of a dialog, with drop-down menus. dp points to an array of
// Allegro menu records (text, proc, child, flags, dp) ended by a null text; each top-level item's
// child is its drop-down. In a drop-down the text "-" is a separator line, and flag 32 (disabled)
// dims an item and keeps it from being chosen. Choosing an item calls its proc and the bar returns
// what the proc returns (an item returning close ends the dialog). d1 is the highlighted item;
// the selected flag means the bar is hot. Escape closes an open drop-down.

#include <vector>

#include "gui/Dialog.h"

int MenuBarProc(int message, DIALOG* d, int c);

// Where a bar puts its items. H is the text height of "Ij": the bar and every drop-down row are
// H + 5 high, and a drop-down's rows start 5 pixels below its top.
struct MenuBarLayout {
    const MENU* menu = nullptr;
    int textHeight = 0;                 // H
    std::vector<int> positions;         // left edge of each item, then the end of the last

    int ItemCount() const { return static_cast<int>(positions.size()) - 1; }
    int End() const { return positions.back(); }
    int RowHeight() const { return textHeight + 5; }
    // The top-level item strictly between two positions at mouse x, or -1.
    int ItemAt(int x) const;
};

MenuBarLayout LayOutMenuBar(const MENU* menu);

int MenuItemCount(const MENU* menu);
bool IsSeparator(const MENU& item);
// An entry can be chosen when it has a procedure and is not disabled.
bool IsChoosable(const MENU& item);

// A drop-down's size: the widest text + 20 (at least 100) by n rows + 10.
int DropDownWidth(const MENU* child);
int DropDownHeight(const MENU* child, const MenuBarLayout& layout);
// The drop-down row under mouse y, where the rows are drawn; -1 in the margins.
int DropDownRowAt(const MENU* child, const MenuBarLayout& layout, int y);
