#include "editor/skeleton/ToolbarActions.h"

#include <allegro.h>

#include "editor/skeleton/EditorState.h"
#include "entities/E_EditorEnt.h"
#include "gui/GuiDraw.h"

namespace {

// Flips a toggle between normal and on; true when it is now on.
bool Toggle(int index)
{
    int& state = g_Editor.toolbarStates[index];
    state = state == kButtonOn ? kButtonNormal : kButtonOn;
    return state == kButtonOn;
}

// Buttons 4 to 9 act on the selected bone once, showing pressed while they do.
int RunMomentary(int index)
{
    int& state = g_Editor.toolbarStates[index];
    state = kButtonOn;
    broadcast_dialog_message(MSG_DRAW, 0);
    // The bone actions (add, subtract, insert, extract, properties, skin) plug in here; until they
    // do, a press only shows.
    gui::WaitForMouseRelease(1);
    state = kButtonNormal;
    return D_REDRAW;
}

} // namespace

int RunToolbarAction(int index)
{
    if (index < 0 || index >= static_cast<int>(g_Editor.toolbarStates.size()))
        return D_O_K;
    switch (index) {
    case kKeepChildrenButton:
        g_Editor.keepChildren = Toggle(index);
        return D_O_K;
    case kAngleLockButton:
        g_Editor.angleLock = Toggle(index);
        return D_O_K;
    case kLengthLockButton:
        g_Editor.lengthLock = Toggle(index);
        return D_O_K;
    case kMirrorButton:
        Toggle(index);
        if (g_Editor.entity)
            g_Editor.entity->facing = -g_Editor.entity->facing;
        return D_O_K;
    case kShowSkinsButton:
        Toggle(index);
        g_Editor.ViewFlags ^= kViewSkins;
        return D_REDRAW;
    case kShowBonesButton:
        Toggle(index);
        g_Editor.ViewFlags ^= kViewBones;
        return D_REDRAW;
    default:
        if (index >= kAddBoneButton && index <= kChooseSkinButton)
            return RunMomentary(index);
        return D_O_K;
    }
}
