#include "editor/skeleton/FrameCommands.h"

#include <memory>

#include "core/Log.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/FrameTimeDialog.h"
#include "editor/skeleton/Playback.h"
#include "entities/E_EditorEnt.h"
#include "gui/Dialog.h"
#include "skeleton/Skeleton.h"

namespace {

SkeletonFrame& Clipboard()
{
    if (!g_Editor.clipboard)
        g_Editor.clipboard = std::make_unique<SkeletonFrame>();
    return *g_Editor.clipboard;
}

// Whether the clipboard may be pasted into frame f of set s; says why not in the log.
bool CanPaste(int f, int s)
{
    const Skeleton* skeleton = g_Editor.skeleton;
    if (!g_Editor.clipboard || !skeleton)
        return false;
    const SkeletonFrameSet* set = skeleton->GetFrameSet(s);
    if (!set) {
        LogValue("Tried to paste invalid frameset: ", s, 4);
        return false;
    }
    if (!set->GetFrame(f)) {
        LogValue("Tried to paste invalid frame: ", f, 4);
        return false;
    }
    // A frame copied before bones were added or removed would give the wrong bones their poses.
    const int entries = static_cast<int>(g_Editor.clipboard->entries.size());
    if (entries != skeleton->BoneCount()) {
        LogValue("Tried to paste a frame made for another bone count: ", entries, 4);
        return false;
    }
    return true;
}

// The entity's current set and frame, for the commands that act on them.
bool Current(int& s, int& f)
{
    if (!g_Editor.entity || !g_Editor.skeleton)
        return false;
    s = g_Editor.entity->frameSet;
    f = g_Editor.entity->frame;
    return true;
}

// The entity stays on its set and frame after frames moved under it, or on the set's last frame
// when its own went.
void StayOnCurrentFrame()
{
    E_EditorEnt* entity = g_Editor.entity;
    const SkeletonFrameSet* set = g_Editor.skeleton ? g_Editor.skeleton->GetFrameSet(entity->frameSet) : nullptr;
    if (!set || set->FrameCount() == 0)
        return;
    const int last = set->FrameCount() - 1;
    JumpTo(entity->frameSet, entity->frame > last ? last : entity->frame);
}

} // namespace

void CopyFrame(int s, int f)
{
    SkeletonFrame& clipboard = Clipboard();
    if (const SkeletonFrame* frame = g_Editor.skeleton ? g_Editor.skeleton->GetFrame(s, f) : nullptr)
        clipboard = *frame;
}

void CutFrame(int f, int s)
{
    Clipboard();
    Skeleton* skeleton = g_Editor.skeleton;
    const SkeletonFrameSet* set = skeleton ? skeleton->GetFrameSet(s) : nullptr;
    if (!set || set->FrameCount() < 2 || !set->GetFrame(f))
        return;
    CopyFrame(s, f);
    skeleton->DeleteFrame(s, f);
    StayOnCurrentFrame();
}

bool PasteFrame(int f, int s)
{
    if (!CanPaste(f, s) || !g_Editor.skeleton->OverwriteFrame(s, f, *g_Editor.clipboard))
        return false;
    StayOnCurrentFrame();
    return true;
}

bool PasteToNewFrame(int f, int s)
{
    if (!CanPaste(f, s))
        return false;
    Skeleton& skeleton = *g_Editor.skeleton;
    skeleton.StorePoseAsNewFrame(f, s);
    skeleton.OverwriteFrame(s, f + 1, *g_Editor.clipboard);
    // The entity moves on to the new frame (pasting goes to its own frame from the menus).
    if (g_Editor.entity->frameSet == s)
        JumpTo(s, f + 1);
    else
        StayOnCurrentFrame();
    return true;
}

int CutFrameCommand()
{
    int s, f;
    if (Current(s, f))
        CutFrame(f, s);
    return D_REDRAW;
}

int CopyFrameCommand()
{
    int s, f;
    if (Current(s, f))
        CopyFrame(s, f);
    return D_O_K;
}

int PasteFrameCommand()
{
    int s, f;
    return Current(s, f) && PasteFrame(f, s) ? D_REDRAW : D_O_K;
}

int PasteToNewFrameCommand()
{
    int s, f;
    return Current(s, f) && PasteToNewFrame(f, s) ? D_REDRAW : D_O_K;
}

int ChangeFrameTimeCommand()
{
    E_EditorEnt* entity = g_Editor.entity;
    if (!entity)
        return D_O_K;
    if (const std::optional<int> time = RunFrameTimeDialog(entity->blendTime))
        entity->blendTime = *time;
    return D_REDRAW;
}
