#pragma once
// Stored poses. A SkeletonFrame holds one (relative angle, length) entry per bone, entry i
// belonging to the bone at bone index i of its skeleton; a SkeletonFrameSet is a named, ordered
// list of frames (one animation). Frames are values: copying one copies its entries.
//
// Sets are owned by their Skeleton, frames by their set. These are not the sprite Frame and
// FrameSet of graphics/.

#include <memory>
#include <string>
#include <vector>

struct BonePose {
    float angle = 0;    // relative angle, degrees
    float length = 0;   // pixels
};

class SkeletonFrame {
public:
    SkeletonFrame() = default;
    SkeletonFrame(const SkeletonFrame&) = default;
    SkeletonFrame& operator=(const SkeletonFrame&) = default;
    ~SkeletonFrame();

    std::vector<BonePose> entries;
};

class SkeletonFrameSet {
public:
    explicit SkeletonFrameSet(const std::string& setName) : name(setName) {}

    int FrameCount() const { return static_cast<int>(frames.size()); }
    // Null for an index outside the set.
    SkeletonFrame* GetFrame(int index) const;

    // Makes room for a new frame after position a and returns the slot the caller should fill:
    // a + 1 for a < FrameCount() (that slot still holds its previous contents), a for
    // a == FrameCount() (a new empty frame appended). Any other a shows "Trying to add frame at
    // illegal given Index: a/n", changes nothing and returns -1.
    int InsertFrame(int a);

    std::vector<std::unique_ptr<SkeletonFrame>> frames;
    std::string name;
};
