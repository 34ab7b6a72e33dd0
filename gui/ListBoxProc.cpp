#include "gui/ListBoxProc.h"

#include <algorithm>
#include <string>

#include "core/Alert.h"
#include "gui/GuiDraw.h"
#include "gui/GuiFont.h"

int ItemCount(ListGetter getter)
{
    int count = 0;
    getter(-1, &count);
    return std::max(count, 0);
}

const char* ItemText(ListGetter getter, int index)
{
    const char* text = getter(index, nullptr);
    return text ? text : "";
}

ListLayout MeasureList(DIALOG& d)
{
    ListLayout layout;
    layout.rowHeight = RowHeight();
    static_cast<RowWindow&>(layout) = MakeRowWindow(ItemCount(GetterOf(&d)), d.h / layout.rowHeight, d.d2);
    layout.scrollBar = layout.Scrolls();
    d.d1 = std::clamp(d.d1, 0, std::max(layout.count - 1, 0));
    d.d2 = layout.top;
    return layout;
}

bool ClickScrollBar(DIALOG& list, const ListLayout& layout, int mx)
{
    if (!layout.scrollBar || mx <= list.x + list.w - kScrollBarWidth)
        return false;
    list.d2 = TopFromScrollBarClick(layout, list.x + list.w - kScrollBarWidth, list.y, list.h);
    return true;
}

bool SelectRowAt(DIALOG& list, const ListLayout& layout, int my)
{
    // A click on the empty rows under a short list takes its last item.
    const int offset = my - list.y;
    if (offset < 0 || offset >= layout.visible * layout.rowHeight || layout.count == 0)
        return false;
    list.d1 = std::min(offset / layout.rowHeight + layout.top, layout.count - 1);
    return true;
}

namespace {

void Draw(DIALOG* d, const ListLayout& layout)
{
    const rl::Colour fg = ToColour(d->fg), bg = ToColour(d->bg);
    gui::FillRect(d->x, d->y, d->w, d->h, 1, 0, fg);
    gui::OutlineRect(d->x, d->y, d->w, d->h, 2, 0, bg);
    const ListGetter getter = GetterOf(d);
    const int r = layout.rowHeight;
    // Texts stop short of the scroll bar and of the list's right edge.
    const int textWidth = d->w - (layout.scrollBar ? kScrollBarWidth : 0);
    for (int index = layout.top; index < layout.End(); ++index) {
        const int i = index - layout.top;
        std::string text = ItemText(getter, index);
        if (TextWidth(text) > textWidth)
            text.resize(TextFit(text, textWidth));
        const bool selected = index == d->d1;
        if (selected)
            gui::FillRect(d->x, d->y + i * r, d->w, r, 1, 0, bg);
        gui::PrintText(text, d->x, d->y + (i + 1) * r, selected ? fg : bg);
    }
    if (layout.scrollBar)
        DrawScrollBar(layout, d->x + d->w - kScrollBarWidth, d->y, d->h, d->fg, d->bg);
}

int Click(DIALOG* d, const ListLayout& layout)
{
    if (ClickScrollBar(*d, layout, gui::MouseX()))
        return D_REDRAW;
    if (SelectRowAt(*d, layout, gui::MouseY())) {
        gui::WaitForMouseRelease();
        // The broadcast ends with the dialog's RefreshProc, which presents the frame.
        broadcast_dialog_message(MSG_DRAW, 0);
    }
    return D_O_K;
}

int Char(DIALOG* d, const ListLayout& layout, int c)
{
    switch (Scancode(c)) {
    case KEY_UP:
        if (d->d1 > 0) {
            --d->d1;
            d->d2 = TopShowing(layout, d->d1);
        }
        break;
    case KEY_DOWN:
        if (d->d1 < layout.count - 1) {
            ++d->d1;
            d->d2 = TopShowing(layout, d->d1);
        }
        break;
    default:
        // Other keys are left to the dialog (Escape, shortcuts).
        return D_O_K;
    }
    broadcast_dialog_message(MSG_DRAW, 0);
    return D_USED_CHAR;
}

} // namespace

int ListBoxProc(int message, DIALOG* d, int c)
{
    if (!d->dp) {
        ShowAlert("No list getter function!");
        return D_CLOSE;
    }
    const ListLayout layout = MeasureList(*d);
    switch (message) {
    case MSG_DRAW:
        Draw(d, layout);
        return D_O_K;
    case MSG_CLICK:
        return Click(d, layout);
    case MSG_DCLICK:
        return (d->flags & D_EXIT) ? D_CLOSE : D_O_K;
    case MSG_CHAR:
        return Char(d, layout, c);
    case MSG_WANTFOCUS:
        return D_WANTFOCUS;
    case MSG_WHEEL:
        d->d2 = TopAfterWheel(layout, c);
        return D_REDRAW;
    default:
        return D_O_K;
    }
}
