#include "editor/skeleton/ViewGestures.h"

#include <allegro.h>
#include <cmath>

#include "editor/skeleton/BoneEdits.h"
#include "editor/skeleton/BonePropertiesDialog.h"
#include "editor/skeleton/EditorState.h"
#include "gui/GuiDraw.h"
#include "gui/PopupMenu.h"
#include "skeleton/Skeleton.h"

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

enum BoneMenuItem { kPropertiesItem = 0, kShowHideSkinItem = 1, kDuplicateLimbItem = 2 };

// Picking and aiming use the origin the bone overlay is drawn at, which is the view origin.
Bone* BoneUnderMouse(const DIALOG* view)
{
    const Skeleton* skeleton = g_Editor.skeleton;
    if (!skeleton)
        return nullptr;
    return skeleton->BoneAtPoint(static_cast<float>(gui::MouseX() - view->x), static_cast<float>(gui::MouseY() - view->y),
                                 g_Editor.Zoom, g_Editor.ViewOrigin.x, g_Editor.ViewOrigin.y);
}

// The pointer onto the bone's end as drawn, so a drag starts from where the bone is.
void PointerToBoneEnd(const DIALOG* view, const Bone& bone)
{
    position_mouse(static_cast<int>(view->x + g_Editor.ViewOrigin.x + g_Editor.Zoom * bone.endX),
                   static_cast<int>(view->y + g_Editor.ViewOrigin.y + g_Editor.Zoom * bone.endY));
}

// Left Ctrl and the right button: the skin slides against its bone with the mouse. The drag is
// turned into the bone's own frame, and divided by the zoom so the picture follows the pointer.
int DragSkin(DIALOG* view)
{
    Bone& bone = *g_Editor.SelectedBone;
    PointerToBoneEnd(view, bone);
    const int pressX = gui::MouseX(), pressY = gui::MouseY();
    const float u = bone.skinOffsetX, v = bone.skinOffsetY;
    while ((gui::MouseButtons() & 2) && key[KEY_LCONTROL]) {
        const double a = bone.absoluteAngle * kRadiansPerDegree;
        const double dx = (gui::MouseX() - pressX) / g_Editor.Zoom;
        const double dy = (gui::MouseY() - pressY) / g_Editor.Zoom;
        // Whole pixels, as skins are drawn and the file keeps them: a fraction left by the sine
        // (-1.9e-15 for "no move") would be written in exponent form and read back as -1.
        bone.skinOffsetX = static_cast<float>(std::round(u - (std::sin(a) * dy + std::cos(a) * dx)));
        bone.skinOffsetY = static_cast<float>(std::round(v - (std::cos(a) * dy - std::sin(a) * dx)));
        broadcast_dialog_message(MSG_DRAW, 0);
        rest(1);
    }
    gui::WaitForMouseRelease(2);
    return D_REDRAW;
}

void RunBoneMenu(DIALOG* view, Bone* bone)
{
    switch (OpenContextMenu("Bone Properties, Show/Hide Skin, Duplicate Limb", view)) {
    case kPropertiesItem: RunBonePropertiesDialog(bone); break;
    case kShowHideSkinItem: ToggleSkin(bone); break;
    case kDuplicateLimbItem: DuplicateLimb(bone); break;
    default: break;
    }
}

} // namespace

bool HandleBoneLeftClick(DIALOG* view, int& result)
{
    Skeleton* skeleton = g_Editor.skeleton;
    Bone* bone = BoneUnderMouse(view);
    g_Editor.SelectedBone = bone;
    if (!bone || !skeleton)
        return false;
    PointerToBoneEnd(view, *bone);
    while (gui::MouseButtons() & 1) {
        skeleton->AimBone(bone, static_cast<float>(gui::MouseX() - view->x), static_cast<float>(gui::MouseY() - view->y),
                          g_Editor.Zoom, g_Editor.ViewOrigin.x, g_Editor.ViewOrigin.y, !g_Editor.lengthLock,
                          !g_Editor.angleLock, g_Editor.keepChildren);
        skeleton->UpdatePositions();
        broadcast_dialog_message(MSG_DRAW, 0);
        rest(1);
    }
    result = D_O_K;
    return true;
}

int HandleViewRightClick(DIALOG* view)
{
    if (key[KEY_LCONTROL] && g_Editor.SelectedBone)
        return DragSkin(view);
    Bone* bone = BoneUnderMouse(view);
    g_Editor.SelectedBone = bone;
    if (bone)
        RunBoneMenu(view, bone);
    else
        gui::WaitForMouseRelease(2);
    return D_REDRAW;
}
