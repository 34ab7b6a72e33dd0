#include "entities/SkeleEnt.h"

#include <algorithm>

#include "core/Clock.h"

SkeleEnt::SkeleEnt(float startX, float startY, const std::string& entityName) : Entity(startX, startY, entityName) {}

SkeleEnt::~SkeleEnt() = default;

float SkeleEnt::BlendFactor(int32_t now, int32_t blendEnd, int32_t blendTime)
{
    if (now >= blendEnd || blendTime <= 0)
        return 1;
    // In floating point: whole milliseconds divided as integers would jump from 0 straight to 1.
    // A blend restarted with a shorter blendTime could reach back before its start; it waits at 0.
    const float remaining = static_cast<float>(blendEnd - now) / static_cast<float>(blendTime);
    return std::clamp(1 - remaining, 0.0f, 1.0f);
}

void SkeleEnt::PoseStep(int32_t now, int32_t blendEnd)
{
    if (!HasFrameSets())
        return;
    skeleton->SetPose(frameSet, frame, nextFrameSet, nextFrame, BlendFactor(now, blendEnd, blendTime));
    if (skeleton->Root())
        skeleton->UpdatePositions();
}

bool SkeleEnt::AdvanceFrame(int32_t now, int32_t& blendEnd)
{
    if (!TimerTicked || !(blendEnd < now) || !HasFrameSets())
        return false;
    const SkeletonFrameSet* set = skeleton->GetFrameSet(nextFrameSet);
    if (!set || set->FrameCount() <= 0)
        return false;
    frame = nextFrame >= 0 && nextFrame < set->FrameCount() ? nextFrame : 0;
    frameSet = nextFrameSet;
    nextFrame = frame + 1 < set->FrameCount() ? frame + 1 : 0;
    blendEnd = now + blendTime;
    return true;
}
