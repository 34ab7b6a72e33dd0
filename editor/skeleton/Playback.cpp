#include "editor/skeleton/Playback.h"

#include <algorithm>
#include <allegro.h>
#include <cmath>

#include "core/Clock.h"
#include "editor/skeleton/EditorState.h"
#include "entities/E_EditorEnt.h"
#include "gui/GuiDraw.h"
#include "gui/MessageBox.h"
#include "skeleton/Skeleton.h"

namespace {

constexpr float kMsPerTimeStep = 50.0f;
// Blend steps a tweened F-step shows, counted in whole numbers: summing 0.02 in a float reaches
// 1 a step late.
constexpr int kTweenSteps = 50;
// Stored angles are reduced and blends land on them through float arithmetic: differences below
// these are the same pose.
constexpr double kSameAngle = 0.01;
constexpr double kSameLength = 0.01;

// Space pressed to play while the pose was not stored: the question waits for the view's idle.
bool g_playAsked = false;

} // namespace

bool PoseDiffersFromFrame(const Skeleton& skeleton, const SkeletonFrame& frame)
{
    if (static_cast<int>(frame.entries.size()) != skeleton.BoneCount())
        return true;
    for (int i = 0; i < skeleton.BoneCount(); ++i) {
        const Bone& bone = *skeleton.GetBoneByIndex(i);
        const BonePose& stored = frame.entries[i];
        double turn = std::fmod(static_cast<double>(bone.relativeAngle) - stored.angle, 360.0);
        if (turn < 0)
            turn += 360;
        if (std::min(turn, 360 - turn) > kSameAngle || std::fabs(bone.length - stored.length) > kSameLength)
            return true;
    }
    return false;
}

bool PoseNotStored()
{
    const E_EditorEnt* entity = g_Editor.entity;
    const Skeleton* skeleton = g_Editor.skeleton;
    // On its way between frames (or playing) the pose is a blend, not an edit.
    if (!entity || !skeleton || g_Editor.Playing || entity->frame != entity->nextFrame ||
        entity->frameSet != entity->nextFrameSet)
        return false;
    const SkeletonFrame* frame = skeleton->GetFrame(entity->frameSet, entity->frame);
    return frame && PoseDiffersFromFrame(*skeleton, *frame);
}

bool SettlePoseBeforeLeaving()
{
    if (!PoseNotStored())
        return true;
    const int answer = MessageBox("Store the pose in this frame?", "", "", "&Yes", "&No", "&Cancel");
    if (answer == 0) {
        const E_EditorEnt* entity = g_Editor.entity;
        g_Editor.skeleton->StorePoseInFrame(entity->frameSet, entity->frame);
    }
    broadcast_dialog_message(MSG_DRAW, 0);
    return answer == 0 || answer == 1;
}

bool TakePlayRequest()
{
    const bool asked = g_playAsked;
    g_playAsked = false;
    return asked;
}

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
        // Space switches playback without touching the play button's look. Starting with a pose
        // not stored asks first, from the view's idle rather than in the middle of a draw.
        if (!g_Editor.Playing && PoseNotStored())
            g_playAsked = true;
        else
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
    if (!SettlePoseBeforeLeaving()) {
        while (key[KEY_F])
            rest(1);
        return;
    }
    const int n = set->FrameCount();
    const int next = f + 1 > n - 1 ? 0 : f + 1;
    if (g_Editor.Tweening) {
        for (int step = 0; step < kTweenSteps; ++step) {
            skeleton->SetPose(s, f, s, next, static_cast<float>(step) / kTweenSteps);
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
