#include "editor/skeleton/Playback.h"

#include <allegro.h>

#include "core/Clock.h"
#include "editor/skeleton/EditorState.h"
#include "entities/E_EditorEnt.h"
#include "skeleton/Skeleton.h"

namespace {

constexpr float kMsPerTimeStep = 50.0f;
constexpr float kTweenStep = 0.02f;

} // namespace

void PlaybackStep()
{
    const int32_t now = ElapsedMs;
    const float dt = (now - g_Editor.previousDrawTime) / kMsPerTimeStep;
    g_Editor.previousDrawTime = static_cast<float>(now);
    E_EditorEnt* entity = g_Editor.entity;
    if (!entity)
        return;
    if (entity->frameSet != entity->nextFrameSet || entity->frame != entity->nextFrame)
        entity->Update(dt, nullptr);
    if (key[KEY_SPACE]) {
        // Space switches playback without touching the play button's look.
        g_Editor.Playing = !g_Editor.Playing;
        while (key[KEY_SPACE])
            rest(1);
    }
    if (g_Editor.Playing)
        entity->nextFrame = entity->frame + 1;
}

void StepWithFKey()
{
    E_EditorEnt* entity = g_Editor.entity;
    Skeleton* skeleton = g_Editor.skeleton;
    if (!key[KEY_F] || !entity || !skeleton)
        return;
    const int s = entity->frameSet, f = entity->frame;
    const SkeletonFrameSet* set = skeleton->GetFrameSet(s);
    if (!set || set->FrameCount() == 0)
        return;
    const int n = set->FrameCount();
    const int next = f + 1 > n - 1 ? 0 : f + 1;
    if (g_Editor.Tweening) {
        for (float t = 0; t < 1; t += kTweenStep) {
            skeleton->SetPose(s, f, s, next, t);
            skeleton->UpdatePositions();
            broadcast_dialog_message(MSG_DRAW, 0);
        }
    }
    // The target follows the step: left behind, it would pull the entity straight back to the
    // frame it was on at the next draw.
    JumpTo(s, next);
}

bool HasFrameSet(int set)
{
    const Skeleton* skeleton = g_Editor.skeleton;
    const SkeletonFrameSet* frames = skeleton ? skeleton->GetFrameSet(set) : nullptr;
    return frames && frames->FrameCount() > 0;
}

void SetTarget(int set, int frame)
{
    E_EditorEnt* entity = g_Editor.entity;
    if (!entity)
        return;
    entity->nextFrameSet = set;
    entity->nextFrame = frame;
    entity->blendEnd = ElapsedMs + (g_Editor.Tweening ? entity->blendTime : 0);
}

void JumpTo(int set, int frame)
{
    E_EditorEnt* entity = g_Editor.entity;
    Skeleton* skeleton = g_Editor.skeleton;
    if (!entity || !skeleton)
        return;
    entity->frameSet = entity->nextFrameSet = set;
    entity->frame = entity->nextFrame = frame;
    entity->blendEnd = ElapsedMs;
    skeleton->SetPose(set, frame, set, frame, 1);
    skeleton->UpdatePositions();
}
