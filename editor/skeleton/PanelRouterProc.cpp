#include "editor/skeleton/PanelRouterProc.h"

#include "editor/skeleton/BonePanelProc.h"
#include "editor/skeleton/EditorDialog.h"
#include "editor/skeleton/FramePanelProc.h"

int PanelRouterProc(int message, DIALOG*, int c)
{
    // Taking the focus while the mouse is over the panels brings the wheel's messages here.
    if (message == MSG_WANTFOCUS)
        return D_WANTFOCUS;
    if (message != MSG_CLICK && message != MSG_WHEEL)
        return D_O_K;
    DIALOG& frames = g_EditorDialog[kFramePanelEntry];
    DIALOG& bones = g_EditorDialog[kBonePanelEntry];
    if (frames.d1 == 1)
        return FramePanelProc(message, &frames, c);
    if (bones.d1 == 1)
        return BonePanelProc(message, &bones, c);
    return D_O_K;
}
