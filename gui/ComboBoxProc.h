#pragma once
// A drop-down list over a getter (dp, as for ListBoxProc). d1 is the selected index, d2 the scroll
// of the open list, and the selected flag means open. Closed, it is one row high and shows the
// selected item beside an arrow button; open, a ListBoxProc below it shows the items, shortened
// so that it does not pass the bottom of the screen. The record's h is rewritten on every message
// to cover what is shown, so clicks on the open list reach the combo box.

#include "gui/Dialog.h"

int ComboBoxProc(int message, DIALOG* d, int c);

// The open list's record: a ListBoxProc below the closed box. Also rewrites d's h.
DIALOG OpenListOf(DIALOG& d);
