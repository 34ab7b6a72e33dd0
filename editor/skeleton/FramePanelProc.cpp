#include "editor/skeleton/FramePanelProc.h"

#include "core/Alert.h"
#include "editor/skeleton/PanelBackground.h"
#include "gui/MessageBox.h"
#include "resources/ResourceManager.h"
#include "rl/Bitmap.h"

namespace {

constexpr const char* kTransportStrip = "../Game Data/GFX/MARL GUI/Transport Buttons.png";
constexpr const char* kFrameEditStrip = "../Game Data/GFX/MARL GUI/Frame Edit Buttons.png";

// Both strips belong to the resource manager: given back with Unload, never deleted here.
rl::Bitmap* g_transport = nullptr;
rl::Bitmap* g_frameEdit = nullptr;

// Loads a strip the panel cannot work without; a missing one ends the program.
rl::Bitmap* LoadStrip(const char* fileName, const char* message)
{
    auto* strip = g_ResourceManager ? static_cast<rl::Bitmap*>(g_ResourceManager->Load(fileName)) : nullptr;
    if (strip && strip->IsValid())
        return strip;
    MessageBox(message, "", "", "Abort");
    FatalExit(-1);
}

void Release(rl::Bitmap*& strip, const char* fileName)
{
    if (strip && g_ResourceManager)
        g_ResourceManager->Unload(fileName);
    strip = nullptr;
}

} // namespace

int FramePanelProc(int message, DIALOG* d, int)
{
    switch (message) {
    case MSG_START:
        g_transport = LoadStrip(kTransportStrip, "Can't find Transport Buttons GFX file");
        g_frameEdit = LoadStrip(kFrameEditStrip, "Can't find Frame Edit Buttons GFX file");
        return D_O_K;
    case MSG_END:
        Release(g_transport, kTransportStrip);
        Release(g_frameEdit, kFrameEditStrip);
        return D_O_K;
    case MSG_DRAW:
        if (!d->d1)
            return D_O_K;
        // The frame list, transport bar and frame-edit column are drawn over this.
        DrawPanelBackground(*d);
        return D_O_K;
    default:
        return D_O_K;
    }
}
