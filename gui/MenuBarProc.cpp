#include "gui/MenuBarProc.h"

#include <algorithm>
#include <string>

#include "gui/GuiDraw.h"
#include "gui/GuiFont.h"
#include "rl/Layer.h"

namespace {

constexpr int kFirstItemX = 5;
constexpr int kItemGap = 20;
constexpr int kMinDropDownWidth = 100;
constexpr int kDropDownMargin = 5;
constexpr int kDropDownTextX = 10;

// The one menu bar of the program: its layout and the open drop-down row (-1: closed).
struct MenuBarState {
    MenuBarLayout layout;
    int openRow = -1;
};

MenuBarState g_menuBar;

const MENU* MenuOf(const DIALOG* d) { return static_cast<const MENU*>(d->dp); }

// The layout for d's menu; laid out again if the bar was started with another menu.
const MenuBarLayout& Layout(const DIALOG* d)
{
    if (g_menuBar.layout.menu != MenuOf(d) || g_menuBar.layout.positions.empty())
        g_menuBar.layout = LayOutMenuBar(MenuOf(d));
    return g_menuBar.layout;
}

const MENU* ChildOf(const DIALOG* d, const MenuBarLayout& layout)
{
    if (d->d1 < 0 || d->d1 >= layout.ItemCount())
        return nullptr;
    return MenuOf(d)[d->d1].child;
}

int ScreenWidth()
{
    const int width = rl::ScreenWidth();
    return width > 0 ? width : 800;
}

// A tick in the margin left of an entry's text, around its row's middle.
void DrawTick(int x, int middle, const rl::Colour& colour)
{
    gui::DrawLine(x + 2, middle, x + 4, middle + 3, 2, colour);
    gui::DrawLine(x + 4, middle + 3, x + 9, middle - 4, 2, colour);
}

void DrawDropDown(const MENU* child, const MenuBarLayout& layout, int x, int y, const rl::Colour& fg,
                  const rl::Colour& bg)
{
    const int width = DropDownWidth(child);
    const int height = DropDownHeight(child, layout);
    const int rowHeight = layout.RowHeight();
    gui::FillRect(x, y, width, height, 1, 0, bg);
    gui::OutlineRect(x, y, width, height, 2, 0, fg);
    const int n = MenuItemCount(child);
    for (int j = 0; j < n; ++j) {
        const MENU& item = child[j];
        const int top = y + kDropDownMargin + j * rowHeight;
        if (IsSeparator(item)) {
            // A separator is never highlighted: a bar would hide its line.
            const int middle = top + rowHeight / 2;
            gui::DrawLine(x, middle, x + width, middle, 2, fg);
            continue;
        }
        rl::Colour text = fg;
        if (j == g_menuBar.openRow) {
            gui::FillRect(x, top, width, rowHeight, 1, 0, fg);
            text = bg;
        }
        if (item.flags & D_DISABLED)
            text.a = 0.5f;
        // A switched-on entry (D_SELECTED, as Allegro's own menus have it) is ticked in the margin.
        if (item.flags & D_SELECTED)
            DrawTick(x, top + rowHeight / 2, text);
        gui::PrintText(item.text, x + kDropDownTextX, y + (j + 1) * rowHeight, text);
    }
}

void Draw(const DIALOG* d)
{
    const MenuBarLayout& layout = Layout(d);
    const MENU* menu = MenuOf(d);
    const rl::Colour fg = ToColour(d->fg), bg = ToColour(d->bg);
    const int h = layout.textHeight;
    gui::FillRect(0, 0, d->w, h + 5, 1, 0, bg);
    gui::OutlineRect(1, 1, d->w - 2, h + 3, 1, 0, fg);
    const bool hot = d->flags & D_SELECTED;
    for (int i = 0; i < layout.ItemCount(); ++i) {
        const int left = layout.positions[i];
        if (hot && i == d->d1) {
            gui::FillRect(left, 0, layout.positions[i + 1] - left, h + 5, 1, 0, fg);
            gui::PrintText(menu[i].text, left, h, bg);
        } else {
            gui::PrintText(menu[i].text, left, h, fg);
        }
    }
    const MENU* child = ChildOf(d, layout);
    if (g_menuBar.openRow >= 0 && child)
        DrawDropDown(child, layout, layout.positions[d->d1], h + 5, fg, bg);
}

// Runs an open drop-down until an entry is chosen (its procedure's result, with a redraw so the
// closed menu shows) or the mouse leaves bar and drop-down, or Escape is held (a redraw).
int Track(DIALOG* d)
{
    const MenuBarLayout& layout = Layout(d);
    const int barHeight = layout.textHeight + 5;
    for (;;) {
        rest(1);
        const int mx = gui::MouseX(), my = gui::MouseY();
        const MENU* child = ChildOf(d, layout);
        bool alive = false;
        bool inDropDown = false;
        if (mx < layout.End() && my < barHeight) {
            const int item = layout.ItemAt(mx);
            if (item >= 0 && item != d->d1) {
                d->d1 = item;
                broadcast_dialog_message(MSG_DRAW, 0);
            }
            alive = true;
        } else if (child && my >= barHeight && mx > layout.positions[d->d1] &&
                   mx < layout.positions[d->d1] + DropDownWidth(child)) {
            const int row = DropDownRowAt(child, layout, my);
            if (row >= 0 && row != g_menuBar.openRow) {
                g_menuBar.openRow = row;
                broadcast_dialog_message(MSG_DRAW, 0);
            }
            inDropDown = alive = my < DropDownHeight(child, layout) + barHeight;
        }
        if (inDropDown && gui::MouseButtons()) {
            gui::WaitForMouseRelease();
            const int row = g_menuBar.openRow;
            if (row >= 0 && row < MenuItemCount(child) && IsChoosable(child[row])) {
                g_menuBar.openRow = -1;
                d->flags = 0;
                // Closed on the screen too before the entry runs: a dialog it opens shows over
                // the editor, not over a stale drop-down.
                broadcast_dialog_message(MSG_DRAW, 0);
                active_menu = const_cast<MENU*>(&child[row]);
                return child[row].proc() | D_REDRAW;
            }
        }
        if (key[KEY_ESC]) {
            clear_keybuf();
            break;
        }
        if (!alive)
            break;
    }
    g_menuBar.openRow = -1;
    d->flags = 0;
    return D_REDRAW;
}

int Click(DIALOG* d)
{
    d->flags |= D_GOTFOCUS;
    if (!(d->flags & D_SELECTED))
        return D_REDRAW;
    if (!ChildOf(d, Layout(d)))
        return D_O_K;
    g_menuBar.openRow = 0;
    broadcast_dialog_message(MSG_DRAW, 0);
    return Track(d);
}

} // namespace

int MenuBarLayout::ItemAt(int x) const
{
    for (int i = 0; i < ItemCount(); ++i)
        if (positions[i] < x && x < positions[i + 1])
            return i;
    return -1;
}

int MenuItemCount(const MENU* menu)
{
    int n = 0;
    while (menu && menu[n].text)
        ++n;
    return n;
}

bool IsSeparator(const MENU& item) { return item.text && std::string(item.text) == "-"; }
bool IsChoosable(const MENU& item) { return item.proc && !(item.flags & D_DISABLED); }

MenuBarLayout LayOutMenuBar(const MENU* menu)
{
    MenuBarLayout layout;
    layout.menu = menu;
    layout.textHeight = TextHeight("Ij");
    layout.positions.push_back(kFirstItemX);
    for (int i = 0; i < MenuItemCount(menu); ++i)
        layout.positions.push_back(layout.positions.back() + TextWidth(menu[i].text) + kItemGap);
    return layout;
}

int DropDownWidth(const MENU* child)
{
    int widest = 0;
    for (int j = 0; j < MenuItemCount(child); ++j)
        widest = std::max(widest, TextWidth(child[j].text));
    return std::max(widest + 20, kMinDropDownWidth);
}

int DropDownHeight(const MENU* child, const MenuBarLayout& layout)
{
    return MenuItemCount(child) * layout.RowHeight() + 2 * kDropDownMargin;
}

int DropDownRowAt(const MENU* child, const MenuBarLayout& layout, int y)
{
    const int offset = y - (layout.textHeight + 5) - kDropDownMargin;
    if (offset < 0)
        return -1;
    const int row = offset / layout.RowHeight();
    return row < MenuItemCount(child) ? row : -1;
}

int MenuBarProc(int message, DIALOG* d, int)
{
    if (!d->dp)
        return D_O_K;
    switch (message) {
    case MSG_START: {
        g_menuBar.layout = LayOutMenuBar(MenuOf(d));
        g_menuBar.openRow = -1;
        d->x = d->y = 0;
        d->w = ScreenWidth();
        d->h = g_menuBar.layout.textHeight + 5;
        return D_O_K;
    }
    case MSG_DRAW:
        Draw(d);
        return D_O_K;
    case MSG_GOTMOUSE: {
        const int item = Layout(d).ItemAt(gui::MouseX());
        d->flags |= D_GOTFOCUS;
        if (item >= 0) {
            d->flags |= D_SELECTED;
            d->d1 = item;
            broadcast_dialog_message(MSG_DRAW, 0);
        }
        return D_WANTFOCUS;
    }
    case MSG_WANTFOCUS:
        return D_WANTFOCUS;
    case MSG_LOSTMOUSE:
        d->flags = 0;
        return D_REDRAW;
    case MSG_IDLE: {
        const MenuBarLayout& layout = Layout(d);
        if (!(d->flags & D_GOTFOCUS) || gui::MouseX() >= layout.End())
            return D_O_K;
        const int item = layout.ItemAt(gui::MouseX());
        if (item < 0)
            return D_O_K;
        const bool changed = !(d->flags & D_SELECTED) || item != d->d1;
        d->flags |= D_SELECTED;
        d->d1 = item;
        return changed ? D_REDRAW : D_O_K;
    }
    case MSG_CLICK:
        return Click(d);
    default:
        return D_O_K;
    }
}
