#include "skeleton/SkeletonFrame.h"

#include "core/Alert.h"
#include "core/Log.h"

SkeletonFrame::~SkeletonFrame() { LogText("Deleting bone from frame...", 1); }

SkeletonFrame* SkeletonFrameSet::GetFrame(int index) const
{
    if (index < 0 || index >= FrameCount())
        return nullptr;
    return frames[static_cast<size_t>(index)].get();
}

int SkeletonFrameSet::InsertFrame(int a)
{
    const int n = FrameCount();
    if (a < 0 || a > n) {
        ShowAlert("Trying to add frame at illegal given Index: " + std::to_string(a) + "/" + std::to_string(n));
        return -1;
    }
    frames.push_back(std::make_unique<SkeletonFrame>());
    // Frames move up from the top down; slot a + 1 keeps its old contents for the caller to
    // overwrite, except when it is the new empty frame itself.
    for (int k = n; k >= a + 2; --k)
        *frames[static_cast<size_t>(k)] = *frames[static_cast<size_t>(k - 1)];
    return a < n ? a + 1 : a;
}
