#pragma once
// Lies over both panels (dialog entry 6, later in the array, so the dialog engine gives it their
// clicks) and passes each click, and each turn of the wheel over the panels, to the panel shown.

#include "gui/Dialog.h"

int PanelRouterProc(int message, DIALOG* d, int c);
