#include "entities/E_EditorEnt.h"

#include "core/Clock.h"
#include "core/Log.h"
#include "entities/EntityPainter.h"

E_EditorEnt::E_EditorEnt(float startX, float startY, const std::string& entityName)
    : SkeleEnt(startX, startY, entityName), blendEnd(ElapsedMs + 250)
{
    friction = 0.3f;
    gravity = 0.98f;
    bounce = 0;
    collidesWithLevel = false;
    flags = ENT_ALIVE;
    blendTime = 250;
    nextFrame = 1;
    LogString("E_Editor Ent Created: ", name.c_str(), 1);
}

void E_EditorEnt::Update(float, const TileGrid*)
{
    const int32_t now = ElapsedMs;
    PoseStep(now, blendEnd);
    if (!TimerTicked || !(blendEnd < now) || !HasFrameSets())
        return;
    // A set that does not exist (the editor deleted it, or the skeleton was replaced) holds the
    // animation where it is.
    const SkeletonFrameSet* set = skeleton->GetFrameSet(nextFrameSet);
    if (!set)
        return;
    frameSet = nextFrameSet;
    if (nextFrame >= set->FrameCount() || nextFrame < 0)
        nextFrame = 0;
    frame = nextFrame;
    blendEnd = now + blendTime;
}

void E_EditorEnt::Draw(float screenX, float screenY, float zoom)
{
    EntityPainter* painter = CurrentEntityPainter();
    if (skeleton && painter)
        painter->SkeletonSkins(*skeleton, screenX, screenY, zoom, Mirrored());
}
