#include "gui/SliderProc.h"

#include <algorithm>

#include "gui/GuiDraw.h"
#include "gui/GuiFont.h"

namespace {

constexpr int kMinHandleLength = 8;

int Maximum(const DIALOG& d) { return std::max(d.d1, 0); }

} // namespace

SliderLayout LayOutSlider(const DIALOG& d)
{
    SliderLayout layout;
    layout.horizontal = d.w >= d.h;
    const int length = layout.horizontal ? d.w : d.h;
    const long long maximum = Maximum(d);
    layout.handleLength = std::max(static_cast<int>(length / (maximum + 1)), kMinHandleLength);
    const int thickness = layout.handleLength - 2;
    const long long value = std::clamp<long long>(d.d2, 0, maximum);
    // With nothing to choose the handle rests at the start.
    const long long travel = maximum > 0 ? (length - layout.handleLength) * value / maximum : 0;
    const int centre = static_cast<int>(travel) + layout.handleLength / 2;
    if (layout.horizontal) {
        layout.x = centre + d.x - thickness / 2;
        layout.y = d.y + 1;
        layout.w = thickness;
        layout.h = d.h - 2;
    } else {
        layout.x = d.x + 1;
        layout.y = centre + d.y - thickness / 2;
        layout.w = d.w - 2;
        layout.h = thickness;
    }
    return layout;
}

int SliderValueAt(const DIALOG& d, int mouse)
{
    const long long maximum = Maximum(d);
    if (maximum == 0)
        return 0;
    const SliderLayout layout = LayOutSlider(d);
    const int start = layout.horizontal ? d.x : d.y;
    // A handle as long as the slider leaves no travel: any click then counts from one pixel.
    const long long travel = std::max((layout.horizontal ? d.w : d.h) - layout.handleLength, 1);
    const long long value = (mouse - layout.handleLength / 2 - start) * maximum / travel;
    return static_cast<int>(std::clamp<long long>(value, 0, maximum));
}

int SliderProc(int message, DIALOG* d, int)
{
    // The value is kept within 0 .. d1 whatever the caller stored.
    d->d2 = std::clamp(d->d2, 0, Maximum(*d));
    switch (message) {
    case MSG_DRAW: {
        gui::FillRect(d->x, d->y, d->w, d->h, 1, 0, ToColour(d->fg));
        gui::OutlineRect(d->x, d->y, d->w, d->h, 2, 0, ToColour(d->bg));
        const SliderLayout handle = LayOutSlider(*d);
        gui::FillRect(handle.x, handle.y, handle.w, handle.h, 2, 0, ToColour(d->bg));
        return D_O_K;
    }
    case MSG_CLICK: {
        const bool horizontal = d->w >= d->h;
        d->d2 = SliderValueAt(*d, horizontal ? gui::MouseX() : gui::MouseY());
        return D_REDRAW;
    }
    default:
        return D_O_K;
    }
}
