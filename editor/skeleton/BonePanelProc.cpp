#include "editor/skeleton/BonePanelProc.h"

#include "editor/skeleton/PanelBackground.h"

int BonePanelProc(int message, DIALOG* d, int)
{
    switch (message) {
    case MSG_DRAW:
        if (!d->d1)
            return D_O_K;
        // The bone list is drawn over this.
        DrawPanelBackground(*d);
        return D_O_K;
    default:
        return D_O_K;
    }
}
