#include "editor/skeleton/ToolbarProc.h"

#include <algorithm>

#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/ToolbarActions.h"
#include "gui/GuiDraw.h"
#include "rl/Bitmap.h"
#include "rl/Layer.h"
#include "rl/RenderMode.h"

namespace {

int ButtonCount() { return g_Editor.toolbarStrip ? ToolbarButtonCount(g_Editor.toolbarStrip->Width()) : 0; }

int Start()
{
    // The toolbar's strip is its own picture, not shared through the resource manager.
    if (!g_Editor.toolbarStrip.Load(kToolbarStrip, StripSource::kOwn, MissingStrip::kMessageAndClose,
                                    "Can't find Toolbar GFX file"))
        return D_CLOSE;
    std::vector<int>& states = g_Editor.toolbarStates;
    states.assign(std::max(ButtonCount(), kToolbarButtons), kButtonNormal);
    states[kKeepChildrenButton] = kButtonOn;
    if (g_Editor.ViewFlags & kViewSkins)
        states[kShowSkinsButton] = kButtonOn;
    if (g_Editor.ViewFlags & kViewBones)
        states[kShowBonesButton] = kButtonOn;
    return D_O_K;
}

void Draw(const DIALOG* d)
{
    if (!g_Editor.toolbarStrip)
        return;
    const int n = ButtonCount();
    const std::vector<int>& states = g_Editor.toolbarStates;
    for (int i = 0; i < n; ++i) {
        const int state = i < static_cast<int>(states.size()) ? states[i] : kButtonNormal;
        const rl::ClippedMode cut(static_cast<float>(i * kToolbarButtonSize), static_cast<float>(ToolbarStateRow(state)),
                                  kToolbarButtonSize, kToolbarButtonSize);
        g_Editor.toolbarStrip->Draw(static_cast<float>(d->x + i * kToolbarButtonSize), static_cast<float>(d->y), cut);
    }
    // The strip's last column fills the bar to the screen's edge.
    const int fillerX = g_Editor.toolbarStrip->Width() - kToolbarButtonSize;
    const rl::ClippedMode filler(static_cast<float>(fillerX), 0, kToolbarButtonSize, kToolbarButtonSize);
    const int width = rl::ScreenWidth() > 0 ? rl::ScreenWidth() : 800;
    for (int x = fillerX; x <= width; x += kToolbarButtonSize)
        g_Editor.toolbarStrip->Draw(static_cast<float>(d->x + x), static_cast<float>(d->y), filler);
}

int Click(const DIALOG* d)
{
    if (!g_Editor.toolbarStrip || !(gui::MouseButtons() & 1))
        return D_O_K;
    const int index = ToolbarButtonAt(gui::MouseX() - d->x, g_Editor.toolbarStrip->Width());
    const std::vector<int>& states = g_Editor.toolbarStates;
    if (index < 0 || index >= static_cast<int>(states.size()))
        return D_O_K;
    if (states[index] == kButtonGreyed) {
        gui::WaitForMouseRelease(1);
        return D_O_K;
    }
    const int result = RunToolbarAction(index);
    // The dialog's refresh entry presents the new look.
    broadcast_dialog_message(MSG_DRAW, 0);
    gui::WaitForMouseRelease(1);
    return result;
}

} // namespace

int ToolbarButtonCount(int stripWidth)
{
    return stripWidth > kToolbarButtonSize ? (stripWidth - kToolbarButtonSize) / kToolbarButtonSize : 0;
}

int ToolbarButtonAt(int relativeX, int stripWidth)
{
    if (relativeX < 0 || relativeX >= stripWidth - kToolbarButtonSize)
        return -1;
    return relativeX / kToolbarButtonSize;
}

int ToolbarStateRow(int state)
{
    switch (state) {
    case kButtonOn: return kToolbarButtonSize;
    case kButtonGreyed: return 2 * kToolbarButtonSize;
    default: return 0;
    }
}

int ToolbarProc(int message, DIALOG* d, int)
{
    switch (message) {
    case MSG_START:
        return Start();
    case MSG_END:
        g_Editor.toolbarStrip.Release();
        g_Editor.toolbarStates.assign(kToolbarButtons, kButtonNormal);
        return D_O_K;
    case MSG_DRAW:
        Draw(d);
        return D_O_K;
    case MSG_CLICK:
        return Click(d);
    default:
        return D_O_K;
    }
}
