#include "gui/EditBoxProc.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "gui/BasicWidgets.h"
#include "gui/GuiDraw.h"
#include "gui/GuiFont.h"
#include "rl/Canvas.h"

namespace {

// The field's text and caret as one edit works on them. The text is read no further than the
// buffer (a caller's buffer need not hold a terminator), and the caret is clamped to the text: a
// field reopened with a shorter text must not keep a caret past its end.
struct EditState {
    std::string text;
    int capacity;   // characters the buffer can hold
    int caret;

    explicit EditState(DIALOG* d)
    {
        capacity = std::max(d->d1 - 1, 0);
        const char* buffer = DialogText(d);
        text = buffer ? std::string(buffer, strnlen(buffer, capacity)) : std::string();
        caret = std::clamp(d->d2, 0, Length());
        d->d2 = caret;
    }

    int Length() const { return static_cast<int>(text.size()); }

    void Store(DIALOG* d) const
    {
        if (d->dp && d->d1 > 0) {
            char* buffer = static_cast<char*>(d->dp);
            const size_t length = std::min(text.size(), static_cast<size_t>(capacity));
            std::memcpy(buffer, text.data(), length);
            buffer[length] = '\0';
        }
        d->d2 = caret;
    }
};

int FieldHeight() { return static_cast<int>(TextHeight("I") * 1.5); }

int ScrollOf(const DIALOG* d, const EditState& state)
{
    return TextScroll(TextWidth(state.text.substr(0, state.caret)), d->w);
}

void Draw(DIALOG* d, const EditState& state)
{
    const int scroll = ScrollOf(d, state);
    const int caretX = TextWidth(state.text.substr(0, state.caret)) - scroll;
    const int height = FieldHeight();
    if (d->bg != kNoColour)
        gui::FillRect(d->x, d->y, d->w, height, 1, 0, ToColour(d->bg));
    // The text never reaches past the field, whatever its length.
    rl::Canvas::SetClipping(d->x, d->y, std::max(d->w, 0), height);
    gui::PrintText(state.text, d->x - scroll, d->y + TextHeight(state.text), ToColour(d->fg));
    rl::Canvas::RestoreClipping();
    if (d->flags & D_GOTFOCUS)
        gui::DrawLine(d->x + caretX, d->y, d->x + caretX, d->y + height, 1, rl::Colour(0, 0, 0, 1));
}

// Applies a char message; false when the key is not the field's.
bool HandleKey(EditState& state, int c)
{
    const int scancode = Scancode(c);
    const int character = Character(c);
    switch (scancode) {
    case KEY_LEFT:
        if (state.caret > 0)
            --state.caret;
        return true;
    case KEY_RIGHT:
        if (state.caret < state.Length())
            ++state.caret;
        return true;
    case KEY_HOME:
        state.caret = 0;
        return true;
    case KEY_END:
        state.caret = state.Length();
        return true;
    case KEY_DEL:
        if (state.caret < state.Length())
            state.text.erase(state.caret, 1);
        return true;
    case KEY_BACKSPACE:
        if (state.caret > 0) {
            state.text.erase(state.caret - 1, 1);
            --state.caret;
        }
        return true;
    default:
        break;
    }
    if (character < 32 || character > 126)
        return false;
    if (state.Length() < state.capacity) {
        state.text.insert(state.text.begin() + state.caret, static_cast<char>(character));
        ++state.caret;
    }
    return true;
}

} // namespace

int TextScroll(int caretX, int width)
{
    // The caret's line is a pixel wide: it needs the field's last column to itself.
    const int room = std::max(width - 1, 0);
    return caretX > room ? caretX - room : 0;
}

int CaretFromClick(const char* text, int x)
{
    const std::string s = text ? text : "";
    const int length = static_cast<int>(s.size());
    int n = 0;
    while (n < length && TextWidth(s.substr(0, n)) < x)
        ++n;
    if (n > 0) {
        const int before = TextWidth(s.substr(0, n - 1));
        const int character = TextWidth(s.substr(n - 1, 1));
        if (x < before + character / 2)
            --n;
    }
    return std::max(n, 0);
}

int EditBoxProc(int message, DIALOG* d, int c)
{
    EditState state(d);
    switch (message) {
    case MSG_DRAW:
        Draw(d, state);
        return D_O_K;
    case MSG_CLICK:
        // The click lands in the text as it is drawn, moved by its scroll.
        d->d2 = std::min(CaretFromClick(state.text.c_str(), gui::MouseX() - d->x + ScrollOf(d, state)),
                         state.Length());
        return D_REDRAW;
    case MSG_KEY:
    case MSG_WANTFOCUS:
    case MSG_LOSTFOCUS:
        return D_WANTFOCUS;
    case MSG_CHAR:
        if (Scancode(c) == KEY_ENTER && (d->flags & D_EXIT))
            return D_CLOSE;
        {
            // Only an edit stores the text: the caret keys must not write back a text that was
            // read cut to the field's size.
            const std::string before = state.text;
            if (!HandleKey(state, c))
                return D_REDRAW;
            if (state.text != before)
                state.Store(d);
            else
                d->d2 = state.caret;
        }
        broadcast_dialog_message(MSG_DRAW, 0);
        return D_USED_CHAR;
    default:
        return D_O_K;
    }
}
