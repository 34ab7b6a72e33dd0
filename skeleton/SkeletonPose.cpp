// Positions, posing and the frame operations: UpdatePositions, AimBone, BoneAtPoint, SetPose and
// everything that stores, moves or edits frames and frame sets. Nothing here logs while posing.
#include "skeleton/Skeleton.h"

#include <algorithm>
#include <cmath>

#include "core/Alert.h"
#include "core/Assert.h"
#include "core/Log.h"
#include "skeleton/NumberText.h"
#include "skeleton/PoseMath.h"

namespace {

constexpr double kRadiansPerDegree = posemath::kRadiansPerDegree;

} // namespace

void Skeleton::RebuildPoseOrder()
{
    poseOrder_.clear();
    if (root_) {
        // Depth first, each node before its children: every parent's slot comes before its
        // children's, and along a chain the parent is always the slot just before.
        std::vector<std::pair<SkeleNode*, int>> pending {{root_.get(), -1}};
        while (!pending.empty()) {
            const auto [node, parent] = pending.back();
            pending.pop_back();
            const int slot = static_cast<int>(poseOrder_.size());
            poseOrder_.push_back(PoseSlot {node->bone, parent});
            for (auto child = node->children.rbegin(); child != node->children.rend(); ++child)
                pending.push_back({child->get(), slot});
        }
    }
    // Room for whole groups of four in the sine and cosine pass.
    const size_t padded = (poseOrder_.size() + 3) / 4 * 4;
    absolute_.assign(padded, 0);
    lengths_.assign(padded, 0);
    deltaX_.assign(padded, 0);
    deltaY_.assign(padded, 0);
    endX_.assign(padded, 0);
    endY_.assign(padded, 0);
    poseOrderStale_ = false;
}

void Skeleton::UpdatePositions(SkeleNode* node, float x, float y, float parentAngle)
{
    if (!node)
        return;
    if (node != root_.get()) {
        UpdateLimbPositions(node, x, y, parentAngle);
        return;
    }
    if (poseOrderStale_ || poseOrder_.size() != boneList_.size())
        RebuildPoseOrder();
    const size_t count = poseOrder_.size();
    const PoseSlot* order = poseOrder_.data();
    float* absolute = absolute_.data();
    float* lengths = lengths_.data();

    // Three passes over the tree in depth-first order: absolute angles (a running sum down each
    // limb), then every bone's sine and cosine four at a time, then the positions (another
    // running sum). Only the sums depend on the parent; a parent just before its child is taken
    // from a register, so a long chain is not held up by reloading what was just stored.
    float previous = parentAngle;
    for (size_t i = 0; i < count; ++i) {
        const int parent = order[i].parent;
        const Bone& bone = *order[i].bone;
        const float base = parent == static_cast<int>(i) - 1 ? previous : (parent < 0 ? parentAngle : absolute[parent]);
        previous = bone.relativeAngle + base;
        absolute[i] = previous;
        lengths[i] = bone.length;
    }
    posemath::ScaledSinCos(absolute, lengths, deltaX_.data(), deltaY_.data(), count);
    const float* deltaX = deltaX_.data();
    const float* deltaY = deltaY_.data();
    float* ends[2] = {endX_.data(), endY_.data()};
    float endX = x, endY = y;
    for (size_t i = 0; i < count; ++i) {
        const int parent = order[i].parent;
        float startX, startY;
        if (parent == static_cast<int>(i) - 1) {
            startX = endX;
            startY = endY;
        } else if (parent < 0) {
            startX = x;
            startY = y;
        } else {
            startX = ends[0][parent];
            startY = ends[1][parent];
        }
        endX = startX + deltaX[i];
        endY = startY + deltaY[i];
        ends[0][i] = endX;
        ends[1][i] = endY;
        Bone& bone = *order[i].bone;
        bone.absoluteAngle = absolute[i];
        bone.startX = startX;
        bone.startY = startY;
        bone.endX = endX;
        bone.endY = endY;
    }
}

// A part of the tree on its own (the usual call is from the root, which goes the fast way).
void Skeleton::UpdateLimbPositions(SkeleNode* node, float x, float y, float parentAngle)
{
    pending_.clear();
    pending_.push_back(PendingNode {node, x, y, parentAngle});
    while (!pending_.empty()) {
        const PendingNode at = pending_.back();
        pending_.pop_back();
        Bone& bone = *at.node->bone;
        const float absolute = bone.relativeAngle + at.angle;
        float sine, cosine;
        posemath::SinCosDegrees(absolute, sine, cosine);
        const float endX = at.x + cosine * bone.length;
        const float endY = at.y + sine * bone.length;
        bone.absoluteAngle = absolute;
        bone.startX = at.x;
        bone.startY = at.y;
        bone.endX = endX;
        bone.endY = endY;
        for (auto& child : at.node->children)
            pending_.push_back(PendingNode {child.get(), endX, endY, absolute});
    }
}

void Skeleton::AimBone(Bone* bone, float screenX, float screenY, float zoom, float originX, float originY,
                       bool changeLength, bool changeAngle, bool keepChildren)
{
    MARL_ASSERT(bone);
    if (!bone || zoom == 0)
        return;
    const float startScreenX = zoom * bone->startX + originX;
    const float startScreenY = zoom * bone->startY + originY;
    const float up = (startScreenY - screenY) / zoom;
    const float right = (screenX - startScreenX) / zoom;
    // A point on the bone's start gives no direction: the bone stays as it is rather than take
    // an angle of 0/0 into its stored poses.
    if (changeAngle && up == 0 && right == 0)
        return;

    if (changeLength) {
        const float dx = zoom * bone->startX - screenX + originX;
        const float dy = zoom * bone->startY - screenY + originY;
        bone->length = std::sqrt(dx * dx + dy * dy) / zoom;
    }
    if (!changeAngle)
        return;

    // The plain arctangent of the quotient: straight left or right of the start gives -90 or 90.
    const double a = up == 0 ? (right > 0 ? 90.0 : -90.0) : std::atan(right / up) / kRadiansPerDegree;
    const float old = bone->relativeAngle;
    float angle = static_cast<float>(a + (bone->relativeAngle - bone->absoluteAngle) + 90);
    if (up >= 0)
        angle += 180;
    bone->relativeAngle = angle;
    if (keepChildren && bone->node)
        for (auto& child : bone->node->children)
            child->bone->relativeAngle = old - bone->relativeAngle + child->bone->relativeAngle;
}

Bone* Skeleton::BoneAtPoint(float screenX, float screenY, float zoom, float originX, float originY) const
{
    for (const auto& bone : boneList_) {
        const float x = zoom * bone->endX + originX;
        const float y = zoom * bone->endY + originY;
        if (x - 10 < screenX && screenX < x + 10 && y - 10 < screenY && screenY < y + 10)
            return bone.get();
    }
    return nullptr;
}

SkeletonFrameSet* Skeleton::GetFrameSet(int s) const
{
    if (s < 0 || s >= FrameSetCount())
        return nullptr;
    return frameSets_[static_cast<size_t>(s)].get();
}

SkeletonFrame* Skeleton::GetFrame(int s, int f) const
{
    const SkeletonFrameSet* set = GetFrameSet(s);
    return set ? set->GetFrame(f) : nullptr;
}

void Skeleton::SetPose(int setA, int frameA, int setB, int frameB, float t)
{
    const SkeletonFrame* from = GetFrame(setA, frameA);
    const SkeletonFrameSet* toSet = GetFrameSet(setB);
    if (!from || !toSet || toSet->frames.empty() || frameB < 0)
        return;
    // Past the end of set B is the start of the animation again.
    if (frameB >= toSet->FrameCount())
        frameB = 0;
    const SkeletonFrame* to = toSet->frames[static_cast<size_t>(frameB)].get();

    const size_t count = std::min({boneList_.size(), from->entries.size(), to->entries.size()});
    const BonePose* a = from->entries.data();
    const BonePose* b = to->entries.data();
    for (size_t i = 0; i < count; ++i) {
        Bone& bone = *boneList_[i];
        const float a1 = a[i].angle;
        const float a2 = b[i].angle;
        const float difference = a1 - a2;
        // Along the shorter arc; the result is not reduced to [0, 360).
        const float target = difference > 180 ? a2 + 360 : (difference < -180 ? a2 - 360 : a2);
        bone.relativeAngle = a1 + t * (target - a1);
        bone.length = a[i].length + (b[i].length - a[i].length) * t;
    }
}

void Skeleton::StorePoseAsNewFrame(int a, int s)
{
    const int setCount = FrameSetCount();
    SkeletonFrameSet* set;
    int target;
    if (s >= 0 && s < setCount) {
        set = frameSets_[static_cast<size_t>(s)].get();
        target = set->InsertFrame(a);
        if (target < 0)
            return;
    } else if (s == setCount) {
        frameSets_.push_back(std::make_unique<SkeletonFrameSet>("Default " + std::to_string(setCount)));
        set = frameSets_.back().get();
        target = set->InsertFrame(0);
    } else {
        return;
    }
    auto& entries = set->frames[static_cast<size_t>(target)]->entries;
    entries.clear();
    entries.reserve(boneList_.size());
    for (const auto& bone : boneList_) {
        float angle = static_cast<float>(std::fmod(bone->relativeAngle, 360.0));
        if (angle < 0)
            angle += 360;   // fmod leaves at most one turn below zero
        entries.push_back(BonePose {angle, bone->length});
    }
}

void Skeleton::StorePoseInFrame(int s, int f)
{
    SkeletonFrame* frame = GetFrame(s, f);
    if (!frame) {
        LogValues("SKELETON::STOREPOSEINFRAME - No such frame:", s, f, 4);
        return;
    }
    const size_t count = std::min(boneList_.size(), frame->entries.size());
    for (size_t i = 0; i < count; ++i) {
        const Bone& bone = *boneList_[i];
        frame->entries[i] = BonePose {static_cast<float>(std::fmod(bone.relativeAngle, 360.0)), bone.length};
    }
}

void Skeleton::DeleteFrame(int s, int f)
{
    SkeletonFrameSet* set = GetFrameSet(s);
    if (!set) {
        ShowAlert("Trying to delete frame with invalid Frameset num!");
        return;
    }
    if (set->FrameCount() < 2) {
        ShowAlert("Frame Set must contain at least one Frame!");
        return;
    }
    if (f < 0 || f >= set->FrameCount()) {
        ShowAlert("Trying to delete frame with invalid Frame num!");
        return;
    }
    set->frames.erase(set->frames.begin() + f);
}

void Skeleton::DeleteFrameSet(int s)
{
    if (FrameSetCount() <= 1) {
        ShowAlert("Skeleton must contain at least one Frame Set!");
        return;
    }
    if (!GetFrameSet(s)) {
        LogValue("SKELETON::DELETEFRAMESET - No such frame set:", s, 4);
        return;
    }
    frameSets_.erase(frameSets_.begin() + s);
}

void Skeleton::SwapFrames(int setA, int frameA, int setB, int frameB)
{
    SkeletonFrame* a = GetFrame(setA, frameA);
    SkeletonFrame* b = GetFrame(setB, frameB);
    if (!a || !b) {
        LogValues("SKELETON::SWAPFRAMES - No such frame in set:", a ? setB : setA, a ? frameB : frameA, 4);
        return;
    }
    std::swap(a->entries, b->entries);
}

bool Skeleton::OverwriteFrame(int s, int f, const SkeletonFrame& source)
{
    SkeletonFrame* frame = GetFrame(s, f);
    if (!frame) {
        LogValues("SKELETON::OVERWRITEFRAME - No such frame:", s, f, 4);
        return false;
    }
    // A frame of another size would shift every later bone's pose in the saved file.
    if (source.entries.size() != boneList_.size()) {
        LogValues("SKELETON::OVERWRITEFRAME - Frame size does not match the bones:",
                  static_cast<int>(source.entries.size()), BoneCount(), 4);
        return false;
    }
    if (frame != &source)
        frame->entries = source.entries;
    return true;
}

void Skeleton::RenameFrameSet(const std::string& name, int s)
{
    if (SkeletonFrameSet* set = GetFrameSet(s))
        set->name = name;
    else
        LogValue("SKELETON::RENAMEFRAMESET - No such frame set:", s, 4);
}

void Skeleton::ApplyFrameLengths(int s, int f)
{
    const SkeletonFrame* source = GetFrame(s, f);
    if (!source) {
        LogValues("SKELETON::APPLYFRAMELENGTHS - No such frame:", s, f, 4);
        return;
    }
    std::vector<float> lengths;
    for (const BonePose& pose : source->entries)
        lengths.push_back(pose.length);
    for (auto& set : frameSets_) {
        for (auto& frame : set->frames) {
            const size_t count = std::min(lengths.size(), frame->entries.size());
            for (size_t i = 0; i < count; ++i)
                frame->entries[i].length = lengths[i];
        }
    }
}

bool Skeleton::ScaleSkeleton(float factor)
{
    const auto finite = [factor](float value) { return std::isfinite(value * factor); };
    bool ok = std::isfinite(factor);
    for (const auto& bone : boneList_)
        ok = ok && finite(bone->skinOffsetX) && finite(bone->skinOffsetY);
    for (const auto& set : frameSets_)
        for (const auto& frame : set->frames)
            for (const BonePose& pose : frame->entries)
                ok = ok && finite(pose.length);
    if (!ok) {
        LogText("SKELETON::SCALESKELETON - Scaling would give lengths that are not numbers, refused", 4);
        return false;
    }
    for (auto& bone : boneList_) {
        bone->skinOffsetX *= factor;
        bone->skinOffsetY *= factor;
    }
    for (auto& set : frameSets_)
        for (auto& frame : set->frames)
            for (BonePose& pose : frame->entries)
                pose.length *= factor;
    return true;
}

void Skeleton::FrameReport() const
{
    LogText("", 3);
    LogText("*********** BEGIN FRAME REPORT", 3);
    LogText("", 3);
    for (const auto& set : frameSets_) {
        LogText("'" + set->name + "'", 3);
        for (size_t k = 0; k < set->frames.size(); ++k) {
            LogText("Frame number " + std::to_string(k + 1) + ") ", 3);
            const auto& entries = set->frames[k]->entries;
            for (size_t i = 0; i < entries.size(); ++i)
                LogText("Bone " + std::to_string(i + 1) + ": RA = " + FloatText(entries[i].angle) +
                            "  LEN = " + FloatText(entries[i].length),
                        3);
        }
        LogText("", 3);
    }
    LogText("", 3);
    LogText("*********** END FRAME REPORT", 3);
    LogText("", 3);
}
