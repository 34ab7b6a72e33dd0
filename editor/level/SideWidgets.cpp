#include "editor/level/SideWidgets.h"

#include <cstring>

#include "editor/level/LevelEditorState.h"
#include "editor/level/MapMath.h"
#include "entities/EntityList.h"
#include "gui/BasicWidgets.h"
#include "gui/GuiDraw.h"
#include "gui/ListBoxProc.h"
#include "gui/SliderProc.h"

namespace {

// A slider that follows the mouse while the button is held, handing each value on and showing
// the whole dialog after every step.
int FollowingSlider(int message, DIALOG* d, int c, int& value, bool rest1ms)
{
    if (message != MSG_CLICK) {
        const int result = SliderProc(message, d, c);
        value = d->d2;
        return result;
    }
    do {
        SliderProc(MSG_CLICK, d, c);
        value = d->d2;
        broadcast_dialog_message(MSG_DRAW, 0);
        if (rest1ms)
            rest(1);
    } while (gui::MouseButtons() & 1);
    return D_O_K;
}

int Toggle(int message, DIALOG* d, int c, bool& shown)
{
    const int result = ButtonProc(message, d, c);
    if (message != MSG_CLICK)
        return result;
    shown = (d->flags & D_SELECTED) != 0;
    return D_REDRAW;
}

} // namespace

int MapScrollYProc(int message, DIALOG* d, int c) { return FollowingSlider(message, d, c, g_LevelEditor.scrollY, true); }

int MapScrollXProc(int message, DIALOG* d, int c) { return FollowingSlider(message, d, c, g_LevelEditor.scrollX, true); }

int PaletteScrollProc(int message, DIALOG* d, int c)
{
    return FollowingSlider(message, d, c, g_LevelEditor.paletteFirstRow, false);
}

int ShowLayer1Proc(int message, DIALOG* d, int c) { return Toggle(message, d, c, g_LevelEditor.showLayer1); }

int ShowLayer2Proc(int message, DIALOG* d, int c) { return Toggle(message, d, c, g_LevelEditor.showLayer2); }

const char* EditLayerText(int index, int* count)
{
    static const char* const kLayers[] = {"Layer 1 (Back)", "Layer 2 (Front)", "Entities"};
    if (index < 0) {
        if (count)
            *count = 3;
        return nullptr;
    }
    return index < 3 ? kLayers[index] : nullptr;
}

const char* EntityTypeText(int index, int* count)
{
    const EntityList* prototypes = g_LevelEditor.prototypes.get();
    if (index < 0) {
        if (count)
            *count = prototypes ? prototypes->Size() : 0;
        return nullptr;
    }
    // The list shows at most 19 characters of a name.
    static char text[20];
    std::strncpy(text, prototypes ? prototypes->GetName(index).c_str() : "", sizeof text - 1);
    text[sizeof text - 1] = '\0';
    return text;
}

int EditLayerListProc(int message, DIALOG* d, int c)
{
    const int result = ListBoxProc(message, d, c);
    if (message == MSG_CLICK || message == MSG_CHAR)
        g_LevelEditor.editLayer = d->d1 + 1;
    return result;
}

int EntityTypeListProc(int message, DIALOG* d, int c)
{
    const int result = ListBoxProc(message, d, c);
    if (message == MSG_CLICK || message == MSG_CHAR)
        g_LevelEditor.selectedType = d->d1;
    return result;
}

int LevelZoomSliderProc(int message, DIALOG* d, int c)
{
    switch (message) {
    case MSG_CLICK: {
        const int result = SliderProc(message, d, c);
        d->d2 = SnapZoomValue(d->d2);
        g_LevelEditor.zoom = ZoomForValue(d->d2);
        return result;
    }
    case MSG_DRAW:
        SliderProc(message, d, c);
        gui::DrawLine(d->x, d->y + d->h / 2, d->x + d->w, d->y + d->h / 2, 1, rl::Colour(1, 1, 1, 1));
        return D_O_K;
    default:
        return SliderProc(message, d, c);
    }
}
