#include "editor/skeleton/FramePanelProc.h"

#include <algorithm>
#include <string>

#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/PanelBackground.h"
#include "editor/skeleton/FrameCommands.h"
#include "editor/skeleton/FrameEditActions.h"
#include "editor/skeleton/Playback.h"
#include "editor/skeleton/RenameFrameSetDialog.h"
#include "entities/E_EditorEnt.h"
#include "gui/GuiDraw.h"
#include "gui/GuiFont.h"
#include "gui/PopupMenu.h"
#include "rl/Bitmap.h"
#include "rl/Canvas.h"
#include "rl/Colour.h"
#include "rl/Layer.h"
#include "rl/RenderMode.h"
#include "skeleton/Skeleton.h"

namespace {

constexpr const char* kTransportStrip = "../Game Data/GFX/MARL GUI/Transport Buttons.png";
constexpr const char* kFrameEditStrip = "../Game Data/GFX/MARL GUI/Frame Edit Buttons.png";

const rl::Colour kBlack(0, 0, 0, 1);
const rl::Colour kWhite(1, 1, 1, 1);
const rl::Colour kCurrentSet(155 / 255.0f, 0, 0, 1);
const rl::Colour kOtherSet(100 / 255.0f, 100 / 255.0f, 100 / 255.0f, 1);

constexpr int kMargin = 10;
// The line above the transport bar, and the height of the bar below it.
constexpr int kBarLine = 39;

enum FrameMenuItem { kCutItem = 0, kCopyItem, kPasteItem, kPasteToNewItem, kSeparator, kRenameItem };

// Frame-edit buttons the strip shows, never more than the panel has actions and looks for.
int FrameEditButtonCount()
{
    const int shown = g_Editor.frameEditStrip ? g_Editor.frameEditStrip->Height() / kFrameEditButtonSize : 0;
    return std::min(shown, static_cast<int>(g_Editor.frameEditPressed.size()));
}

void Start()
{
    g_Editor.transportStrip.Load(kTransportStrip, StripSource::kShared, MissingStrip::kMessageAndEnd,
                                 "Can't find Transport Buttons GFX file");
    g_Editor.transportPressed.assign(kTransportButtons, false);
    g_Editor.frameEditStrip.Load(kFrameEditStrip, StripSource::kShared, MissingStrip::kMessageAndEnd,
                                 "Can't find Frame Edit Buttons GFX file");
    g_Editor.frameEditPressed.assign(kFrameEditButtons, false);
    g_Editor.frameEditPressed[kTweeningButton] = g_Editor.Tweening;
}

int ListHeight(const DIALOG* d) { return d->h - kBarLine; }
// The scroll bar stands left of the frame-edit buttons.
int ScrollBarX(const DIALOG* d) { return d->x + d->w - kFrameEditButtonSize - kScrollBarWidth; }

// The current frame when the panel last brought it into view: the list follows the frame only
// when it changes, so a list scrolled away by hand stays where it is.
// A list that grew or shrank follows too (a skeleton loaded in place of another may share its
// address).
struct FollowedFrame {
    const Skeleton* skeleton = nullptr;
    int set = -1, frame = -1, rows = -1;
};
FollowedFrame g_followed;

RowWindow Rows(DIALOG* d)
{
    const Skeleton* skeleton = g_Editor.skeleton;
    RowWindow rows = FrameRows(*d, skeleton ? FrameListRowCount(*skeleton) : 0);
    const E_EditorEnt* entity = g_Editor.entity;
    const FollowedFrame now = {skeleton, entity ? entity->frameSet : -1, entity ? entity->frame : -1, rows.count};
    if (skeleton && entity && (now.skeleton != g_followed.skeleton || now.set != g_followed.set ||
                               now.frame != g_followed.frame || now.rows != g_followed.rows)) {
        g_followed = now;
        rows.top = TopShowing(rows, FrameListRow(*skeleton, entity->frameSet, entity->frame));
    }
    d->d2 = rows.top;
    return rows;
}

void DrawFrameList(DIALOG* d)
{
    const Skeleton* skeleton = g_Editor.skeleton;
    const E_EditorEnt* entity = g_Editor.entity;
    if (!skeleton || !entity)
        return;
    const RowWindow rows = Rows(d);
    const int r = RowHeight();
    // A long list stops at the transport bar instead of running over it, and at the scroll bar.
    rl::Canvas::SetClipping(d->x, d->y, (rows.Scrolls() ? ScrollBarX(d) - d->x : d->w), ListHeight(d));
    // Sets wholly above the top row are passed over by their row counts; only rows shown are drawn.
    int row = 0;
    for (int s = 0; s < skeleton->FrameSetCount() && row < rows.End(); ++s) {
        const SkeletonFrameSet* set = skeleton->GetFrameSet(s);
        const int frames = set->FrameCount();
        if (row + frames + 1 <= rows.top) {
            row += frames + 1;
            continue;
        }
        const bool currentSet = s == entity->frameSet;
        if (row >= rows.top)
            gui::PrintText(set->name, d->x + kMargin, d->y + kMargin + (row - rows.top + 1) * r,
                           currentSet ? kCurrentSet : kOtherSet);
        ++row;
        for (int j = std::max(rows.top - row, 0); j < frames && row + j < rows.End(); ++j) {
            const bool current = currentSet && j == entity->frame;
            gui::PrintText("  Frame " + std::to_string(j) + "  ", d->x + kMargin,
                           d->y + kMargin + (row + j - rows.top + 1) * r, current ? kWhite : kBlack);
        }
        row += frames;
    }
    rl::Canvas::RestoreClipping();
    if (rows.Scrolls())
        DrawScrollBar(rows, ScrollBarX(d), d->y, ListHeight(d), ::kWhite, ::kBlack);
}

void DrawTransport(const DIALOG* d)
{
    if (!g_Editor.transportStrip)
        return;
    for (int i = 0; i < kTransportButtons; ++i) {
        const float row = g_Editor.transportPressed[i] ? kTransportButtonSize : 0;
        const rl::ClippedMode cut(static_cast<float>(i * kTransportButtonSize), row, kTransportButtonSize,
                                  kTransportButtonSize);
        g_Editor.transportStrip->Draw(static_cast<float>(d->x + i * kTransportButtonSize),
                          static_cast<float>(d->y + d->h - kTransportButtonSize), cut);
    }
}

void DrawFrameEdit(const DIALOG* d)
{
    if (!g_Editor.frameEditStrip)
        return;
    for (int i = 0; i < FrameEditButtonCount(); ++i) {
        // The pressed picture is the left column, the normal one the right.
        const float column = g_Editor.frameEditPressed[i] ? 0 : kFrameEditButtonSize;
        const rl::ClippedMode cut(column, static_cast<float>(i * kFrameEditButtonSize), kFrameEditButtonSize,
                                  kFrameEditButtonSize);
        g_Editor.frameEditStrip->Draw(static_cast<float>(d->x + d->w - kFrameEditButtonSize),
                          static_cast<float>(d->y + i * kFrameEditButtonSize), cut);
    }
}

void Draw(DIALOG* d)
{
    DrawPanelBackground(*d);
    DrawFrameList(d);
    DrawTransport(d);
    DrawFrameEdit(d);
    gui::DrawLine(d->x, d->y + d->h - kBarLine, d->x + d->w, d->y + d->h - kBarLine, 1, kBlack);
}

// Shows the new looks now; the refresh entry presents them.
void ShowLooks() { broadcast_dialog_message(MSG_DRAW, 0); }

int Transport(int button)
{
    const E_EditorEnt* entity = g_Editor.entity;
    if (!entity || !g_Editor.skeleton || !HasFrameSet(entity->frameSet)) {
        gui::WaitForMouseRelease(1);
        return D_O_K;
    }
    if (button == kPlayButton) {
        ShowLooks();
        gui::WaitForMouseRelease(1);
        // The button's look says what it does next; Space may have played without it.
        const bool playing = !g_Editor.transportPressed[kPlayButton];
        if (playing && !SettlePoseBeforeLeaving())
            return D_REDRAW;
        g_Editor.Playing = playing;
        g_Editor.transportPressed[kPlayButton] = playing;
        return D_REDRAW;
    }
    g_Editor.transportPressed[button] = true;
    const FramePosition to = TransportDestination(*g_Editor.skeleton, button, entity->frameSet, entity->frame);
    ShowLooks();
    gui::WaitForMouseRelease(1);
    if (SettlePoseBeforeLeaving())
        SetTarget(to.set, to.frame);
    g_Editor.transportPressed[button] = false;
    return D_REDRAW;
}

int FrameEdit(int button)
{
    if (button == kTweeningButton) {
        g_Editor.Tweening = !g_Editor.Tweening;
        g_Editor.frameEditPressed[button] = g_Editor.Tweening;
        ShowLooks();
        gui::WaitForMouseRelease(1);
        return D_REDRAW;
    }
    g_Editor.frameEditPressed[button] = true;
    ShowLooks();
    RunFrameEditAction(button);
    gui::WaitForMouseRelease(1);
    g_Editor.frameEditPressed[button] = false;
    return D_REDRAW;
}

// The list row under the mouse, or -1.
int RowAt(DIALOG* d, int px, int py)
{
    if (!g_Editor.skeleton)
        return -1;
    const int r = RowHeight();
    const RowWindow rows = Rows(d);
    const int right = rows.Scrolls() ? ScrollBarX(d) - d->x : d->w - kFrameEditButtonSize;
    const int shown = rows.End() - rows.top;
    if (!(kMargin - 1 < px && px < right && kMargin - 1 < py && py < r * shown + kMargin - 1))
        return -1;
    return RowAtSlot(rows, (py - kMargin) / r);
}

bool OnScrollBar(DIALOG* d, int px, int py)
{
    const int x = px + d->x;
    return py < ListHeight(d) && x >= ScrollBarX(d) && x < ScrollBarX(d) + kScrollBarWidth && Rows(d).Scrolls();
}

int ClickScrollBar(DIALOG* d)
{
    d->d2 = TopFromScrollBarClick(Rows(d), ScrollBarX(d), d->y, ListHeight(d));
    gui::WaitForMouseRelease(1);
    return D_REDRAW;
}

int SelectRow(int row)
{
    FramePosition at;
    const E_EditorEnt* entity = g_Editor.entity;
    gui::WaitForMouseRelease(1);
    if (!entity || !FrameAtRow(*g_Editor.skeleton, row, at))
        return D_O_K;
    if (at.set == entity->frameSet && at.frame == entity->frame)
        return D_O_K;
    if (!SettlePoseBeforeLeaving())
        return D_REDRAW;
    SetTarget(at.set, at.frame);
    return D_REDRAW;
}

int ContextMenu(DIALOG* d)
{
    const E_EditorEnt* entity = g_Editor.entity;
    const int s = entity->frameSet, f = entity->frame;
    switch (OpenContextMenu("Cut, Copy, Paste, Paste To New, -, Rename FrameSet", d)) {
    case kCutItem: CutFrame(f, s); return D_REDRAW;
    case kCopyItem: CopyFrame(s, f); return D_O_K;
    case kPasteItem: return PasteFrame(f, s) ? D_REDRAW : D_O_K;
    case kPasteToNewItem: return PasteToNewFrame(f, s) ? D_REDRAW : D_O_K;
    case kRenameItem: {
        const SkeletonFrameSet* set = g_Editor.skeleton->GetFrameSet(s);
        if (!set)
            return D_O_K;
        const std::optional<std::string> name = RunRenameFrameSetDialog(set->name);
        if (!name)
            return D_O_K;
        g_Editor.skeleton->RenameFrameSet(*name, s);
        clear_keybuf();
        return D_REDRAW;
    }
    default: return D_O_K;
    }
}

// A right click on a row goes to that frame at once (the menu's commands act on it), then opens
// the menu.
int RightClick(DIALOG* d, int row)
{
    FramePosition at;
    if (row < 0 || !g_Editor.entity || !FrameAtRow(*g_Editor.skeleton, row, at)) {
        gui::WaitForMouseRelease(2);
        return D_O_K;
    }
    const E_EditorEnt* entity = g_Editor.entity;
    const bool leaving = at.set != entity->frameSet || at.frame != entity->frame;
    gui::WaitForMouseRelease(2);
    if (leaving && !SettlePoseBeforeLeaving())
        return D_REDRAW;
    const bool tweening = g_Editor.Tweening;
    g_Editor.Tweening = false;
    if (leaving)
        JumpTo(at.set, at.frame);
    const int result = ContextMenu(d);
    g_Editor.Tweening = tweening;
    return result;
}

int Click(DIALOG* d)
{
    const int buttons = gui::MouseButtons();
    const int px = gui::MouseX() - d->x, py = gui::MouseY() - d->y;
    if (buttons & 1) {
        if (py > d->h - kTransportButtonSize)
            return Transport(std::clamp((px - 1) / kTransportButtonSize, 0, kTransportButtons - 1));
        if (py < FrameEditButtonCount() * kFrameEditButtonSize && px > d->w - kFrameEditButtonSize) {
            // The last pixel row of the column counts one past its last button.
            const int button = (py + 1) / kFrameEditButtonSize;
            if (button < FrameEditButtonCount())
                return FrameEdit(button);
            gui::WaitForMouseRelease(1);
            return D_O_K;
        }
        if (OnScrollBar(d, px, py))
            return ClickScrollBar(d);
        const int row = RowAt(d, px, py);
        return row >= 0 ? SelectRow(row) : D_O_K;
    }
    if (buttons & 2)
        return RightClick(d, RowAt(d, px, py));
    return D_O_K;
}

} // namespace

RowWindow FrameRows(const DIALOG& panel, int rowCount)
{
    const int r = RowHeight();
    return MakeRowWindow(rowCount, r > 0 ? (panel.h - kBarLine - kMargin) / r : 0, panel.d2);
}

int FrameListRow(const Skeleton& skeleton, int set, int frame)
{
    if (set < 0 || set >= skeleton.FrameSetCount() || frame < -1 || frame >= skeleton.GetFrameSet(set)->FrameCount())
        return -1;
    int row = 0;
    for (int s = 0; s < set; ++s)
        row += skeleton.GetFrameSet(s)->FrameCount() + 1;
    return row + 1 + frame;
}

int FramePanelProc(int message, DIALOG* d, int c)
{
    switch (message) {
    case MSG_START:
        Start();
        return D_O_K;
    case MSG_END:
        g_Editor.transportStrip.Release();
        g_Editor.frameEditStrip.Release();
        return D_O_K;
    case MSG_DRAW:
        if (d->d1)
            Draw(d);
        return D_O_K;
    case MSG_CLICK:
        return Click(d);
    case MSG_WHEEL: {
        const Skeleton* skeleton = g_Editor.skeleton;
        const int top = TopAfterWheel(FrameRows(*d, skeleton ? FrameListRowCount(*skeleton) : 0), c);
        if (top == d->d2)
            return D_O_K;
        d->d2 = top;
        return D_REDRAW;
    }
    default:
        return D_O_K;
    }
}
