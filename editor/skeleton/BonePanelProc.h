#pragma once
// The bones panel (dialog entry 3, shown while its d1 is 1): the bone list in draw order. Its
// clicks reach it through the panel router.

#include "gui/Dialog.h"

int BonePanelProc(int message, DIALOG* d, int c);
