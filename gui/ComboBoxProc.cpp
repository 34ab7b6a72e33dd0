#include "gui/ComboBoxProc.h"

#include <algorithm>
#include <string>

#include "core/Alert.h"
#include "gui/GuiDraw.h"
#include "gui/GuiFont.h"
#include "gui/ListBoxProc.h"
#include "rl/Layer.h"

namespace {

constexpr int kArrowWidth = 16;

int ScreenBottom()
{
    const int height = rl::ScreenHeight();
    return height > 0 ? height : 600;
}

bool IsOpen(const DIALOG* d) { return d->flags & D_SELECTED; }

void Draw(DIALOG* d, DIALOG& list, int count)
{
    const int r = RowHeight();
    const rl::Colour fg = ToColour(d->fg), bg = ToColour(d->bg);
    gui::DrawBox(d->x, d->y, d->w, r, 0, fg, bg);
    if (count > 0) {
        std::string text = ItemText(GetterOf(d), d->d1);
        text.resize(TextFit(text, d->w - kArrowWidth));
        // The closed box's text keeps the colour the font has.
        gui::PrintText(text, d->x, d->y + r);
    }
    const int arrowX = d->x + d->w - kArrowWidth;
    gui::DrawBox(arrowX, d->y, kArrowWidth, r, 0, bg, bg);
    gui::FillTriangle(d->x + d->w - 14, d->y + 2, d->x + d->w - 2, d->y + 2, d->x + d->w - 8, d->y + r - 2, fg);
    if (IsOpen(d))
        ListBoxProc(MSG_DRAW, &list, 0);
}

int Click(DIALOG* d, DIALOG& list)
{
    const int r = RowHeight();
    if (gui::MouseY() < d->y + r) {
        d->flags ^= D_SELECTED;
        gui::WaitForMouseRelease();
        return D_REDRAW;
    }
    if (!IsOpen(d))
        return D_REDRAW;
    // The list's own click handling, without its redraw: the combo box redraws once it has
    // taken the list's answer, so no frame shows the old selection.
    const ListLayout layout = MeasureList(list);
    if (ClickScrollBar(list, layout, gui::MouseX())) {
        d->d2 = list.d2;
        return D_REDRAW;
    }
    SelectRowAt(list, layout, gui::MouseY());
    gui::WaitForMouseRelease();
    d->d2 = list.d2;
    d->flags &= ~D_SELECTED;
    d->d1 = list.d1;
    return D_REDRAW;
}

int Wheel(DIALOG* d, DIALOG& list, int count, int steps)
{
    if (IsOpen(d) && gui::MouseY() >= d->y + RowHeight()) {
        ListBoxProc(MSG_WHEEL, &list, steps);
        d->d2 = list.d2;
    } else {
        d->d1 = std::clamp(d->d1 - steps, 0, std::max(count - 1, 0));
    }
    return D_REDRAW;
}

} // namespace

DIALOG OpenListOf(DIALOG& d)
{
    const int r = RowHeight();
    const int count = ItemCount(GetterOf(&d));
    d.h = IsOpen(&d) ? r * (count + 1) + 2 : r;
    if (d.y + d.h > ScreenBottom())
        d.h = ScreenBottom() - d.y - r;
    DIALOG list = d;
    list.y = d.y + r + 2;
    list.h = d.h - r + 2;
    return list;
}

int ComboBoxProc(int message, DIALOG* d, int c)
{
    if (!d->dp) {
        ShowAlert("No list getter function!");
        return D_CLOSE;
    }
    const int count = ItemCount(GetterOf(d));
    d->d1 = std::clamp(d->d1, 0, std::max(count - 1, 0));
    DIALOG list = OpenListOf(*d);
    MeasureList(list);
    d->d2 = list.d2;
    switch (message) {
    case MSG_DRAW:
        Draw(d, list, count);
        return D_O_K;
    case MSG_CLICK: {
        const int result = Click(d, list);
        OpenListOf(*d);
        return result;
    }
    case MSG_WANTFOCUS:
        return D_WANTFOCUS;
    case MSG_LOSTFOCUS: {
        // Only an open list needs the dialog redrawn; a redraw asked for while the focus moves
        // on a click would cost that click its double click.
        const bool wasOpen = IsOpen(d);
        d->flags = 0;
        OpenListOf(*d);
        return wasOpen ? D_REDRAW : D_O_K;
    }
    case MSG_WHEEL:
        return Wheel(d, list, count, c);
    default:
        return D_O_K;
    }
}
