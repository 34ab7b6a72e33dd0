#pragma once
// The base of entities drawn and animated by a skeleton: which stored frames the pose blends
// between, which way it faces, and how long one blend takes. Every subclass keeps `blendEnd`, the
// clock time at which its running blend completes, as its first own field and runs the pose step
// below at the start of its Update.
//
// Owns its skeleton.

#include <cstdint>
#include <memory>

#include "entities/Entity.h"
#include "skeleton/Skeleton.h"

class SkeleEnt : public Entity {
public:
    SkeleEnt(float x, float y, const std::string& name);
    ~SkeleEnt() override;

    // How far the blend from (frameSet, frame) to (nextFrameSet, nextFrame) has come at clock time
    // now: 0 when it has just begun (blendTime before blendEnd), 1 once blendEnd is reached. A
    // blend of no length is complete at once.
    static float BlendFactor(int32_t now, int32_t blendEnd, int32_t blendTime);

    std::unique_ptr<Skeleton> skeleton;   // owned; set by the subclass (or the editor)
    int32_t frame = 0;          // the frame the pose blends from, within frameSet
    int32_t frameSet = 0;
    int32_t facing = 1;         // +1 right, -1 left (drawn mirrored)
    int32_t nextFrameSet = 0;   // the frame the pose blends towards
    int32_t nextFrame = 0;
    int32_t blendTime = 250;    // milliseconds of one blend

protected:
    // The pose step: poses the skeleton blendFactor of the way from (frameSet, frame) to
    // (nextFrameSet, nextFrame) and computes its bone positions from the origin. Nothing happens
    // without a skeleton or when it has no frame sets.
    void PoseStep(int32_t now, int32_t blendEnd);
    // The frame advance of the walking classes: once the clock runs and the blend has ended
    // (blendEnd < now), the blend's target becomes the current frame, the frame after it (frame 0
    // after the last) the new target, and a new blend starts. Holds (false) on a target set the
    // skeleton does not have. True when it moved on.
    bool AdvanceFrame(int32_t now, int32_t& blendEnd);
    // The mirror argument of the skeleton's drawing.
    int Mirrored() const { return facing == -1 ? 1 : 0; }
    bool HasFrameSets() const { return skeleton && skeleton->FrameSetCount() > 0; }
};
