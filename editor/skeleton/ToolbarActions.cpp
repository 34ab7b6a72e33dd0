#include "editor/skeleton/ToolbarActions.h"

#include <allegro.h>

#include "editor/skeleton/BoneEdits.h"
#include "editor/skeleton/BonePropertiesDialog.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/SkinChooser.h"
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

// The bone action of a momentary button, on the selected bone.
void ActOnSelection(int index)
{
    Bone* bone = g_Editor.SelectedBone;
    if (!bone)
        return;
    switch (index) {
    case kAddBoneButton: AddBoneBelow(bone); break;
    case kSubtractBoneButton: SubtractLimb(bone); break;
    case kInsertBoneButton: InsertBoneBelow(bone); break;
    case kExtractBoneButton: ExtractOneBone(bone); break;
    case kBonePropertiesButton: RunBonePropertiesDialog(bone); break;
    case kChooseSkinButton: ChooseSkin(bone, nullptr); break;
    default: break;
    }
}

// Buttons 4 to 9 act on the selected bone once, showing pressed while they do.
int RunMomentary(int index)
{
    g_Editor.toolbarStates[index] = kButtonOn;
    broadcast_dialog_message(MSG_DRAW, 0);
    ActOnSelection(index);
    gui::WaitForMouseRelease(1);
    g_Editor.toolbarStates[index] = kButtonNormal;
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
