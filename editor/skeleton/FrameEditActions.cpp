#include "editor/skeleton/FrameEditActions.h"

#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/Playback.h"
#include "entities/E_EditorEnt.h"
#include "gui/MessageBox.h"
#include "skeleton/Skeleton.h"

namespace {

// Only the first button ("Ok") confirms; "Cancel", Escape and no screen refuse.
bool Confirmed(const char* line1, const char* line2)
{
    return MessageBox(line1, line2, "", "Ok", "Cancel") == 0;
}

void Tell(const char* line1, const char* line2) { MessageBox(line1, line2, "", "Ok"); }

void NewFrame(Skeleton& skeleton, int s, int f)
{
    Tell("", "New FRAME created");
    skeleton.StorePoseAsNewFrame(f, s);
    SetTarget(s, f + 1);
}

void NewFrameSet(Skeleton& skeleton)
{
    Tell("", "New FRAMESET created");
    skeleton.StorePoseAsNewFrame(0, skeleton.FrameSetCount());
    SetTarget(skeleton.FrameSetCount() - 1, 0);
}

void DeleteFrame(Skeleton& skeleton, int s, int f)
{
    const int frames = skeleton.GetFrameSet(s)->FrameCount();
    if (frames < 2) {
        Tell("There must be at least one", "Frame per FrameSet!");
        return;
    }
    if (!Confirmed("", "Delete selected frame?"))
        return;
    skeleton.DeleteFrame(s, f);
    const int last = skeleton.GetFrameSet(s)->FrameCount() - 1;
    JumpTo(s, f > last ? last : f);
}

void DeleteFrameSet(Skeleton& skeleton, int s)
{
    if (skeleton.FrameSetCount() < 2) {
        Tell("There must be at least one", "FrameSet!");
        return;
    }
    if (!Confirmed("Delete selected Frame Set and all its", "contained Frames?"))
        return;
    skeleton.DeleteFrameSet(s);
    const int last = skeleton.FrameSetCount() - 1;
    JumpTo(s > last ? last : s, 0);
}

void MoveFrame(Skeleton& skeleton, int s, int f, int to)
{
    if (!skeleton.GetFrame(s, to))
        return;
    skeleton.SwapFrames(s, f, s, to);
    SetTarget(s, to);
}

void CopySkeletonIntoFrame(Skeleton& skeleton, int s, int f)
{
    if (MessageBox("Copy Skeleton into selected frame?", "", "", "Ok", "Cancel") == 0)
        skeleton.StorePoseInFrame(s, f);
}

} // namespace

int FrameListRowCount(const Skeleton& skeleton)
{
    int rows = 0;
    for (int s = 0; s < skeleton.FrameSetCount(); ++s)
        rows += skeleton.GetFrameSet(s)->FrameCount() + 1;
    return rows;
}

bool FrameAtRow(const Skeleton& skeleton, int row, FramePosition& at)
{
    if (row < 0)
        return false;
    for (int s = 0; s < skeleton.FrameSetCount(); ++s) {
        const int frames = skeleton.GetFrameSet(s)->FrameCount();
        if (row <= frames) {
            at.set = s;
            at.frame = row == 0 ? 0 : row - 1;
            return true;
        }
        row -= frames + 1;
    }
    return false;
}

FramePosition TransportDestination(const Skeleton& skeleton, int button, int s, int f)
{
    const int sets = skeleton.FrameSetCount();
    const SkeletonFrameSet* set = skeleton.GetFrameSet(s);
    const int frames = set ? set->FrameCount() : 0;
    switch (button) {
    case kPreviousSetButton: return {s - 1 < 0 ? sets - 1 : s - 1, 0};
    case kPreviousFrameButton: return {s, f - 1 < 0 ? frames - 1 : f - 1};
    case kNextFrameButton: return {s, f + 1 > frames - 1 ? 0 : f + 1};
    case kNextSetButton: return {s + 1 > sets - 1 ? 0 : s + 1, 0};
    default: return {s, f};
    }
}

void RunFrameEditAction(int button)
{
    Skeleton* skeleton = g_Editor.skeleton;
    const E_EditorEnt* entity = g_Editor.entity;
    if (!skeleton || !entity || !HasFrameSet(entity->frameSet))
        return;
    const int s = entity->frameSet, f = entity->frame;
    switch (button) {
    case kNewFrameButton: NewFrame(*skeleton, s, f); break;
    case kNewFrameSetButton: NewFrameSet(*skeleton); break;
    case kDeleteFrameButton: DeleteFrame(*skeleton, s, f); break;
    case kDeleteFrameSetButton: DeleteFrameSet(*skeleton, s); break;
    case kMoveFrameUpButton: MoveFrame(*skeleton, s, f, f - 1); break;
    case kMoveFrameDownButton: MoveFrame(*skeleton, s, f, f + 1); break;
    case kCopySkeletonButton: CopySkeletonIntoFrame(*skeleton, s, f); break;
    default: break;
    }
}
