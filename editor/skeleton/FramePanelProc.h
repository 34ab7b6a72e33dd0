#pragma once
// The frames panel (dialog entry 2, shown while its d1 is 1): the list of frame sets and their
// frames, the transport bar and the frame-edit buttons. Its clicks reach it through the panel
// router.

#include "gui/Dialog.h"

int FramePanelProc(int message, DIALOG* d, int c);
