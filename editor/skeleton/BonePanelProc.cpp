#include "editor/skeleton/BonePanelProc.h"

#include "gui/GuiDraw.h"
#include "rl/Colour.h"

namespace {

const rl::Colour kPanelColour(203 / 255.0f, 198 / 255.0f, 173 / 255.0f, 1);

} // namespace

int BonePanelProc(int message, DIALOG* d, int)
{
    switch (message) {
    case MSG_DRAW:
        if (!d->d1)
            return D_O_K;
        // The bone list is drawn over this.
        gui::FillRect(d->x, d->y, d->w, d->h, 1, 0, kPanelColour);
        gui::OutlineRect(d->x, d->y, d->w, d->h, 1, 0, rl::Colour(0, 0, 0, 1));
        return D_O_K;
    default:
        return D_O_K;
    }
}
