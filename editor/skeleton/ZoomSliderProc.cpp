#include "editor/skeleton/ZoomSliderProc.h"

#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/ViewMath.h"
#include "gui/GuiDraw.h"
#include "gui/SliderProc.h"

int ZoomSliderProc(int message, DIALOG* d, int c)
{
    switch (message) {
    case MSG_CLICK: {
        const int result = SliderProc(message, d, c);
        d->d2 = SnapZoomSliderValue(d->d2);
        g_Editor.Zoom = ZoomForSliderValue(d->d2);
        return result;
    }
    case MSG_DRAW:
        SliderProc(message, d, c);
        // Where the handle snaps: zoom 1 (0.99).
        gui::DrawLine(d->x, d->y + kZoomSnapValue, d->x + d->w, d->y + kZoomSnapValue, 1, rl::Colour(1, 1, 1, 1));
        return D_O_K;
    default:
        return SliderProc(message, d, c);
    }
}
