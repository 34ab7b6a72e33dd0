#include "editor/skeleton/PanelTabsProc.h"

#include "editor/skeleton/EditorDialog.h"
#include "editor/skeleton/EditorState.h"
#include "gui/GuiDraw.h"
#include "rl/Bitmap.h"
#include "rl/RenderMode.h"

namespace {

int Start()
{
    const bool loaded = g_Editor.tabsStrip.Load(kTabsStrip, StripSource::kShared, MissingStrip::kAlertAndClose,
                                                "Could not find Tabs.png");
    return loaded ? D_O_K : D_CLOSE;
}

void Draw(const DIALOG* d)
{
    if (!g_Editor.tabsStrip)
        return;
    // The half that shows the selected tab goes at the tabs' place.
    const int half = g_Editor.tabsStrip->Height() / 2;
    const int tab = d->d1 == 1 ? 1 : 0;
    const rl::ClippedMode selected(0, static_cast<float>(tab * half), static_cast<float>(g_Editor.tabsStrip->Width()),
                                   static_cast<float>(half));
    g_Editor.tabsStrip->Draw(static_cast<float>(d->x), static_cast<float>(d->y), selected);
}

int Click(DIALOG* d)
{
    if (!(gui::MouseButtons() & 1))
        return D_O_K;
    const int tab = TabAt(gui::MouseX() - d->x);
    if (tab < 0) {
        gui::WaitForMouseRelease(1);
        return D_O_K;
    }
    ShowPanel(tab);
    d->d1 = tab;
    broadcast_dialog_message(MSG_DRAW, 0);
    gui::WaitForMouseRelease(1);
    return D_REDRAW;
}

} // namespace

int TabAt(int relativeX)
{
    if (relativeX < 0)
        return -1;
    const int tab = relativeX / kTabWidth;
    return tab < kTabCount ? tab : -1;
}

int PanelTabsProc(int message, DIALOG* d, int)
{
    switch (message) {
    case MSG_START:
        return Start();
    case MSG_END:
        g_Editor.tabsStrip.Release();
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
