#include "gui/BasicWidgets.h"

#include <string>
#include <utility>

#include "gui/GuiDraw.h"
#include "gui/GuiFont.h"
#include "rl/Canvas.h"

namespace {

constexpr float kRoundBoxRoundness = 5;

int DrawBoxWidget(int message, const DIALOG* d, float roundness)
{
    if (message == MSG_DRAW)
        gui::DrawBox(d->x, d->y, d->w, d->h, roundness, ToColour(d->fg), ToColour(d->bg));
    return D_O_K;
}

// A label's background box starts at boxX; its text at textX, one text height below y (the
// baseline of its first line).
void DrawLabel(const DIALOG* d, int boxX, int textX)
{
    const std::string text = DialogText(d);
    if (d->bg != kNoColour)
        gui::FillRect(boxX, d->y, d->w, d->h, 1, 0, ToColour(d->bg));
    gui::PrintText(text, textX, d->y + TextHeight(text), ToColour(d->fg));
}

} // namespace

int ClearProc(int message, DIALOG* d, int)
{
    if (message == MSG_DRAW) {
        const rl::Colour colour = ToColour(d->bg);
        rl::Canvas::Fill(colour.r, colour.g, colour.b, colour.a, rl::ALL_CHANNELS);
    }
    return D_O_K;
}

int RefreshProc(int message, DIALOG*, int)
{
    if (message == MSG_DRAW)
        rl::Canvas::Refresh();
    return D_O_K;
}

int BoxProc(int message, DIALOG* d, int) { return DrawBoxWidget(message, d, 0); }
int RoundBoxProc(int message, DIALOG* d, int) { return DrawBoxWidget(message, d, kRoundBoxRoundness); }

int LabelProc(int message, DIALOG* d, int)
{
    if (message == MSG_DRAW && d->dp)
        DrawLabel(d, d->x, d->x);
    return D_O_K;
}

int CentredLabelProc(int message, DIALOG* d, int)
{
    if (message == MSG_DRAW && d->dp)
        DrawLabel(d, d->x - d->w / 2, d->x - TextWidth(DialogText(d)) / 2);
    return D_O_K;
}

std::string ButtonCaption(const char* text)
{
    std::string caption;
    for (const char* p = text ? text : ""; *p; ++p) {
        if (*p == '&') {
            if (p[1] != '&')
                continue;
            ++p;
        }
        caption += *p;
    }
    return caption;
}

int ButtonProc(int message, DIALOG* d, int)
{
    switch (message) {
    case MSG_DRAW: {
        // A selected button shows its colours exchanged.
        DIALOG box = *d;
        if (d->flags & D_SELECTED)
            std::swap(box.fg, box.bg);
        RoundBoxProc(MSG_DRAW, &box, 0);
        const std::string caption = ButtonCaption(DialogText(d));
        DIALOG label = box;
        label.x = d->x + d->w / 2;
        label.fg = box.bg;
        label.bg = kNoColour;
        label.dp = const_cast<char*>(caption.c_str());
        CentredLabelProc(MSG_DRAW, &label, 0);
        return D_O_K;
    }
    case MSG_WANTFOCUS:
        return D_WANTFOCUS;
    case MSG_KEY:
        // Its shortcut (Enter for a dialog's default button) presses an exit button.
        return (d->flags & D_EXIT) ? D_CLOSE : D_O_K;
    case MSG_CLICK:
        d->flags ^= D_SELECTED;
        broadcast_dialog_message(MSG_DRAW, 0);
        // Where the button is let go does not matter.
        while (gui::MouseButtons() & 1) {
            broadcast_dialog_message(MSG_IDLE, 0);
            rest(1);
        }
        if (d->flags & D_EXIT) {
            d->flags ^= D_SELECTED;
            return D_CLOSE;
        }
        return D_O_K;
    default:
        return D_O_K;
    }
}
