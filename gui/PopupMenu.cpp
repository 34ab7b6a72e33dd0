#include "gui/PopupMenu.h"

#include <algorithm>

#include "gui/GuiDraw.h"
#include "gui/GuiFont.h"
#include "rl/Canvas.h"
#include "rl/Layer.h"

namespace {

constexpr int kTextPadding = 10;
constexpr int kExtraWidth = 22;

void Draw(const PopupPlacement& menu, const std::vector<std::string>& items, int hovered)
{
    const rl::Colour white(1, 1, 1, 1), black(0, 0, 0, 1);
    const int r = menu.rowHeight;
    gui::FillRect(menu.x, menu.y, menu.width, menu.height, 1, 0, white);
    gui::OutlineRect(menu.x, menu.y, menu.width, menu.height, 1, 0, black);
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const int textY = menu.y + 7 + (i + 1) * r;
        if (items[i] == "-") {
            const int lineY = menu.y + 16 + i * r;
            gui::DrawLine(menu.x, lineY, menu.x + menu.width, lineY, 1, black);
        } else if (i == hovered) {
            gui::FillRect(menu.x, menu.y + 10 + i * r, menu.width, r, 1, 0, black);
            gui::PrintText(items[i], menu.x + 11, textY, white);
        } else {
            gui::PrintText(items[i], menu.x + 11, textY, black);
        }
    }
    rl::Canvas::Refresh();
}

} // namespace

std::vector<std::string> SplitPopupItems(const char* items)
{
    std::vector<std::string> result;
    if (!items)
        return result;
    const std::string text = items;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type comma = text.find(',', start);
        if (comma == std::string::npos) {
            result.push_back(text.substr(start));
            return result;
        }
        result.push_back(text.substr(start, comma - start));
        // Items are separated by a comma and a space; a list written without the space (or
        // ending in a comma) must not make the next item start past the end of the text.
        start = comma + 1;
        if (start < text.size() && text[start] == ' ')
            ++start;
    }
}

int PopupPlacement::RowAt(int mouseX, int mouseY, int rows) const
{
    if (mouseX <= x || mouseX >= x + width || mouseY <= y || mouseY >= y + height)
        return -1;
    const int row = (mouseY - y - rowHeight - 2) / rowHeight;
    return row < rows ? row : -1;
}

PopupPlacement PlacePopup(const std::vector<std::string>& items, int mouseX, int mouseY, const DIALOG& owner)
{
    PopupPlacement menu;
    menu.rowHeight = RowHeight();
    int widest = 0;
    for (const std::string& item : items)
        widest = std::max(widest, TextWidth(item) + kTextPadding);
    menu.width = widest + kExtraWidth;
    menu.height = (static_cast<int>(items.size()) + 1) * menu.rowHeight + 2;
    menu.x = mouseX;
    menu.y = mouseY;
    if (mouseX + menu.width > owner.x + owner.w)
        menu.x = mouseX - menu.width;
    if (mouseY + menu.height > owner.y + owner.h)
        menu.y = mouseY - menu.height;
    return menu;
}

int OpenContextMenu(const char* items, DIALOG* owner)
{
    // Without the pause the release of the right button can still be seen by the menu's own loop.
    constexpr int kMenuDelayMs = 100;
    broadcast_dialog_message(MSG_DRAW, 0);
    gui::WaitForMouseRelease(2);
    rest(kMenuDelayMs);
    return PopupMenu(items, owner);
}

int PopupMenu(const char* itemText, DIALOG* owner)
{
    const std::vector<std::string> items = SplitPopupItems(itemText);
    // Without an owner the menu keeps to the screen.
    DIALOG screenArea {};
    screenArea.w = rl::ScreenWidth();
    screenArea.h = rl::ScreenHeight();
    const PopupPlacement menu = PlacePopup(items, gui::MouseX(), gui::MouseY(), owner ? *owner : screenArea);
    const int rows = static_cast<int>(items.size());
    int hovered = -1;
    bool drawn = false;
    int buttons = gui::MouseButtons();
    bool escaped = false;
    while (!(buttons & 1) && !(escaped = key[KEY_ESC]) && !(buttons & 2)) {
        rest(1);
        const int row = menu.RowAt(gui::MouseX(), gui::MouseY(), rows);
        // The frame only changes with the hovered row.
        if (!drawn || row != hovered) {
            hovered = row;
            Draw(menu, items, hovered);
            drawn = true;
        }
        buttons = gui::MouseButtons();
    }
    // The row under the mouse as the button went down: a slow frame may have drawn an older one.
    if (!escaped)
        hovered = menu.RowAt(gui::MouseX(), gui::MouseY(), rows);
    if (!(buttons & 2))
        rest(100);
    gui::WaitForMouseRelease(1);
    clear_keybuf();
    // Closed on the screen too before the caller acts on the row: a dialog the choice opens
    // shows over the owner's dialog, not over a stale menu.
    broadcast_dialog_message(MSG_DRAW, 0);
    // Escape closes the menu without choosing the row the mouse happens to be on.
    return escaped ? -1 : hovered;
}
