#include "editor/skeleton/BonePanelProc.h"

#include <string>

#include "editor/skeleton/BoneEdits.h"
#include "editor/skeleton/BonePropertiesDialog.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/PanelBackground.h"
#include "gui/GuiDraw.h"
#include "gui/GuiFont.h"
#include "gui/PopupMenu.h"
#include "rl/Colour.h"
#include "skeleton/Skeleton.h"

namespace {

const rl::Colour kBlackColour(0, 0, 0, 1);
const rl::Colour kWhiteColour(1, 1, 1, 1);

// Rows start below a margin of 10 pixels; the selection bar sits 3 pixels lower than the text's
// row so that it covers the letters that hang from the baseline.
constexpr int kMargin = 10;
constexpr int kBarOffset = 13;

enum PanelMenuItem { kDuplicateBoneItem = 0, kDuplicateLimbItem = 1, kPropertiesItem = 3 };

void Draw(const DIALOG* d)
{
    DrawPanelBackground(*d);
    const Skeleton* skeleton = g_Editor.skeleton;
    if (!skeleton)
        return;
    const int r = RowHeight();
    for (int i = 0; i < skeleton->BoneCount(); ++i) {
        const Bone* bone = skeleton->GetBoneByIndex(i);
        const std::string text = std::to_string(i) + ") " + bone->name;
        const bool selected = bone == g_Editor.SelectedBone;
        if (selected)
            gui::FillRect(d->x, d->y + kBarOffset + i * r, d->w, r, 1, 0, kBlackColour);
        gui::PrintText(text, d->x + kMargin, d->y + kMargin + (i + 1) * r, selected ? kWhiteColour : kBlackColour);
    }
}

// Holds the bone of row while button 1 is down and moves it with the mouse.
void DragRow(DIALOG* d, int row)
{
    Skeleton& skeleton = *g_Editor.skeleton;
    const int r = RowHeight();
    int held = row;
    while (gui::MouseButtons() & 1) {
        const int mouseRow = BoneRowAt(gui::MouseY() - d->y, r, skeleton.BoneCount());
        const int next = mouseRow < 0 ? held : NextBoneRow(held, mouseRow);
        if (next != held) {
            skeleton.SwapBones(skeleton.GetBoneByIndex(held), skeleton.GetBoneByIndex(next));
            held = next;
            g_Editor.SelectedBone = skeleton.GetBoneByIndex(held);
            broadcast_dialog_message(MSG_DRAW, 0);
        }
        // The list moves one place per round; resting keeps the wait from taking a whole core.
        rest(1);
    }
}

void RunMenu(DIALOG* d, int row)
{
    Skeleton& skeleton = *g_Editor.skeleton;
    Bone* bone = skeleton.GetBoneByIndex(row);
    g_Editor.SelectedBone = bone;
    switch (OpenContextMenu("Duplicate Bone, Duplicate Limb, -, Properties", d)) {
    case kDuplicateBoneItem: DuplicateBone(bone); break;
    case kDuplicateLimbItem: DuplicateLimb(bone); break;
    case kPropertiesItem: RunBonePropertiesDialog(bone); break;
    default: break;
    }
}

int Click(DIALOG* d)
{
    Skeleton* skeleton = g_Editor.skeleton;
    if (!skeleton)
        return D_O_K;
    const int row = BoneRowAt(gui::MouseY() - d->y, RowHeight(), skeleton->BoneCount());
    if (row < 0)
        return D_O_K;
    g_Editor.SelectedBone = skeleton->GetBoneByIndex(row);
    DragRow(d, row);
    if (gui::MouseButtons() & 2)
        RunMenu(d, row);
    return D_REDRAW;
}

} // namespace

int BoneRowAt(int panelY, int rowHeight, int rowCount)
{
    if (rowHeight <= 0 || panelY <= kMargin || panelY >= rowHeight * rowCount + kMargin)
        return -1;
    return (panelY - kMargin) / rowHeight;
}

int NextBoneRow(int heldRow, int mouseRow)
{
    // The Trunk stays first: it neither moves nor lets another bone take its place.
    if (heldRow <= 0 || mouseRow == heldRow)
        return heldRow;
    const int next = mouseRow > heldRow ? heldRow + 1 : heldRow - 1;
    return next >= 1 ? next : heldRow;
}

int BonePanelProc(int message, DIALOG* d, int)
{
    switch (message) {
    case MSG_DRAW:
        if (d->d1)
            Draw(d);
        return D_O_K;
    case MSG_CLICK:
        return Click(d);
    default:
        return D_O_K;
    }
}
