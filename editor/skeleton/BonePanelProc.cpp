#include "editor/skeleton/BonePanelProc.h"

#include <algorithm>
#include <string>

#include "editor/skeleton/BoneEdits.h"
#include "editor/skeleton/BonePropertiesDialog.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/PanelBackground.h"
#include "gui/GuiDraw.h"
#include "gui/GuiFont.h"
#include "gui/PopupMenu.h"
#include "rl/Canvas.h"
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

// The selected bone and its row when the panel last brought it into view. Looking it up again
// costs a walk through every bone, so it is done only when the selection or the bone's place
// changed; a list scrolled away by hand stays where it is while the selection rests.
struct FollowedBone {
    const Skeleton* skeleton = nullptr;
    const Bone* bone = nullptr;
    int row = -1;
    int count = -1;
};
FollowedBone g_followed;

int BoneCountOf(const Skeleton* skeleton) { return skeleton ? skeleton->BoneCount() : 0; }

// The rows, with the selected bone's row brought into view when it is new or moved.
RowWindow FollowSelection(DIALOG* d)
{
    const Skeleton* skeleton = g_Editor.skeleton;
    RowWindow rows = BoneRows(*d, BoneCountOf(skeleton));
    const Bone* bone = g_Editor.SelectedBone;
    const FollowedBone& last = g_followed;
    const bool unchanged = skeleton == last.skeleton && bone == last.bone && rows.count == last.count &&
                           (!bone || (last.row >= 0 && last.row < rows.count && skeleton->GetBoneByIndex(last.row) == bone));
    if (!unchanged) {
        const int row = bone && skeleton ? skeleton->BoneIndex(bone) : -1;
        g_followed = {skeleton, bone, row, rows.count};
        rows.top = TopShowing(rows, row);
    }
    d->d2 = rows.top;
    return rows;
}

int RowsWidth(const DIALOG* d, const RowWindow& rows) { return d->w - (rows.Scrolls() ? kScrollBarWidth : 0); }

void Draw(DIALOG* d)
{
    DrawPanelBackground(*d);
    const Skeleton* skeleton = g_Editor.skeleton;
    if (!skeleton)
        return;
    const RowWindow rows = FollowSelection(d);
    const int r = RowHeight();
    const int width = RowsWidth(d, rows);
    // Long names stop at the scroll bar.
    rl::Canvas::SetClipping(d->x, d->y, width, d->h);
    for (int i = rows.top; i < rows.End(); ++i) {
        const Bone* bone = skeleton->GetBoneByIndex(i);
        const std::string text = std::to_string(i) + ") " + bone->name;
        const bool selected = bone == g_Editor.SelectedBone;
        const int slot = i - rows.top;
        if (selected)
            gui::FillRect(d->x, d->y + kBarOffset + slot * r, width, r, 1, 0, kBlackColour);
        gui::PrintText(text, d->x + kMargin, d->y + kMargin + (slot + 1) * r, selected ? kWhiteColour : kBlackColour);
    }
    rl::Canvas::RestoreClipping();
    if (rows.Scrolls())
        DrawScrollBar(rows, d->x + d->w - kScrollBarWidth, d->y, d->h, kWhite, kBlack);
}

// The row the mouse points at while a bone is held: the row under it, or, when the list scrolls
// and the mouse is above or below the rows shown, the row just past them (the held bone then
// carries the list along).
int DragRowAt(const DIALOG* d, const RowWindow& rows, int r)
{
    const int panelY = gui::MouseY() - d->y;
    const int row = BoneRowAt(panelY, r, rows);
    if (row >= 0 || !rows.Scrolls())
        return row;
    if (panelY <= kMargin && rows.top > 0)
        return rows.top - 1;
    if (panelY >= kMargin + rows.visible * r && rows.End() < rows.count)
        return rows.End();
    return -1;
}

// Holds the bone of row while button 1 is down and moves it with the mouse.
void DragRow(DIALOG* d, int row)
{
    Skeleton& skeleton = *g_Editor.skeleton;
    const int r = RowHeight();
    int held = row;
    while (gui::MouseButtons() & 1) {
        const RowWindow rows = BoneRows(*d, skeleton.BoneCount());
        const int mouseRow = DragRowAt(d, rows, r);
        const int next = mouseRow < 0 ? held : NextBoneRow(held, mouseRow);
        if (next != held) {
            skeleton.SwapBones(skeleton.GetBoneByIndex(held), skeleton.GetBoneByIndex(next));
            held = next;
            g_Editor.SelectedBone = skeleton.GetBoneByIndex(held);
            broadcast_dialog_message(MSG_DRAW, 0);
        }
        // The list moves one place per round; resting keeps the wait from taking a whole core,
        // and a list carried along past its edge scrolls at a pace the eye can follow.
        rest(rows.Shows(next) ? 1 : 40);
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
    const RowWindow rows = BoneRows(*d, skeleton->BoneCount());
    if (rows.Scrolls() && gui::MouseX() >= d->x + d->w - kScrollBarWidth) {
        d->d2 = TopFromScrollBarClick(rows, d->x + d->w - kScrollBarWidth, d->y, d->h);
        gui::WaitForMouseRelease();
        return D_REDRAW;
    }
    const int row = BoneRowAt(gui::MouseY() - d->y, RowHeight(), rows);
    if (row < 0)
        return D_O_K;
    g_Editor.SelectedBone = skeleton->GetBoneByIndex(row);
    DragRow(d, row);
    if (gui::MouseButtons() & 2)
        RunMenu(d, row);
    return D_REDRAW;
}

} // namespace

RowWindow BoneRows(const DIALOG& panel, int boneCount)
{
    // The last row's selection bar, which hangs below its text, must end inside the panel.
    const int r = RowHeight();
    return MakeRowWindow(boneCount, r > 0 ? (panel.h - kBarOffset) / r : 0, panel.d2);
}

int BoneRowAt(int panelY, int rowHeight, const RowWindow& rows)
{
    if (rowHeight <= 0 || panelY <= kMargin)
        return -1;
    return RowAtSlot(rows, (panelY - kMargin) / rowHeight);
}

int NextBoneRow(int heldRow, int mouseRow)
{
    // The Trunk stays first: it neither moves nor lets another bone take its place.
    if (heldRow <= 0 || mouseRow == heldRow)
        return heldRow;
    const int next = mouseRow > heldRow ? heldRow + 1 : heldRow - 1;
    return next >= 1 ? next : heldRow;
}

int BonePanelProc(int message, DIALOG* d, int c)
{
    switch (message) {
    case MSG_DRAW:
        if (d->d1)
            Draw(d);
        return D_O_K;
    case MSG_CLICK:
        return Click(d);
    case MSG_WHEEL: {
        const int top = TopAfterWheel(BoneRows(*d, BoneCountOf(g_Editor.skeleton)), c);
        if (top == d->d2)
            return D_O_K;
        d->d2 = top;
        return D_REDRAW;
    }
    default:
        return D_O_K;
    }
}
