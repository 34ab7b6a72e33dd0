#include "editor/skeleton/PanelTabsProc.h"

#include "core/Alert.h"
#include "editor/skeleton/EditorDialog.h"
#include "gui/GuiDraw.h"
#include "resources/ResourceManager.h"
#include "rl/Bitmap.h"
#include "rl/RenderMode.h"

namespace {

// Loaded through the resource manager, which owns it: given back with Unload, never deleted here.
rl::Bitmap* g_strip = nullptr;

int Start()
{
    g_strip = g_ResourceManager ? static_cast<rl::Bitmap*>(g_ResourceManager->Load(kTabsStrip)) : nullptr;
    if (g_strip && !g_strip->IsValid()) {
        g_ResourceManager->Unload(kTabsStrip);
        g_strip = nullptr;
    }
    if (!g_strip) {
        ShowAlert("Could not find Tabs.png");
        return D_CLOSE;
    }
    return D_O_K;
}

void End()
{
    if (g_strip && g_ResourceManager)
        g_ResourceManager->Unload(kTabsStrip);
    g_strip = nullptr;
}

void Draw(const DIALOG* d)
{
    if (!g_strip)
        return;
    // The half that shows the selected tab goes at the tabs' place.
    const int half = g_strip->Height() / 2;
    const int tab = d->d1 == 1 ? 1 : 0;
    const rl::ClippedMode selected(0, static_cast<float>(tab * half), static_cast<float>(g_strip->Width()),
                                   static_cast<float>(half));
    g_strip->Draw(static_cast<float>(d->x), static_cast<float>(d->y), selected);
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
        End();
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
