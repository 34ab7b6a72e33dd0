#include "editor/skeleton/EditorKeys.h"

#include "editor/skeleton/BoneEdits.h"
#include "editor/skeleton/EditorDialog.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/FileCommands.h"
#include "editor/skeleton/FrameEditActions.h"
#include "editor/skeleton/OnionSkin.h"
#include "editor/skeleton/Playback.h"
#include "entities/E_EditorEnt.h"
#include "gui/Dialog.h"
#include "skeleton/Skeleton.h"

namespace {

// Page Up / Page Down: the frame before or after, wrapping as the transport buttons do.
int StepFrame(int button)
{
    const E_EditorEnt* entity = g_Editor.entity;
    if (!entity || !g_Editor.skeleton || !HasFrameSet(entity->frameSet) || !SettlePoseBeforeLeaving())
        return D_REDRAW;
    const FramePosition to = TransportDestination(*g_Editor.skeleton, button, entity->frameSet, entity->frame);
    SetTarget(to.set, to.frame);
    return D_REDRAW;
}

int ControlKey(int scancode)
{
    switch (scancode) {
    case KEY_S: return QuickSaveCommand();
    case KEY_O: return LoadCommand();
    case KEY_N: return NewCommand();
    case KEY_Y: return RedoCommand();
    case KEY_Z: return (key_shifts & KB_SHIFT_FLAG) || key[KEY_LSHIFT] || key[KEY_RSHIFT] ? RedoCommand() : UndoCommand();
    default: return -1;
    }
}

int PlainKey(int scancode)
{
    switch (scancode) {
    case KEY_DEL:
        // The Trunk stays, as with the toolbar's subtract button.
        SubtractLimb(g_Editor.SelectedBone);
        return D_REDRAW;
    case KEY_PGUP: return StepFrame(kPreviousFrameButton);
    case KEY_PGDN: return StepFrame(kNextFrameButton);
    case KEY_O: return ToggleOnionSkinCommand();
    default: return -1;
    }
}

bool WithControl(int c)
{
    // Ctrl with a letter types that letter's control character; the modifier may already be up
    // by the time the dialog reads the key.
    const int scancode = Scancode(c);
    return scancode >= KEY_A && scancode <= KEY_Z && Character(c) == scancode - KEY_A + 1;
}

} // namespace

int HandleEditorKey(int c)
{
    const int scancode = Scancode(c);
    const int result = WithControl(c) ? ControlKey(scancode) : PlainKey(scancode);
    return result < 0 ? D_O_K : (result | D_USED_CHAR);
}
