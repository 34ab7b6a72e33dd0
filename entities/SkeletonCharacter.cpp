#include "entities/SkeletonCharacter.h"

#include <fstream>
#include <set>

#include "core/Alert.h"
#include "core/Clock.h"
#include "core/Log.h"
#include "entities/EntityPainter.h"

void SkeletonCharacter::AlertOnce(const std::string& text) const
{
    static std::set<std::string> alerted;
    if (!alerted.insert(text).second)
        return;
    LogString(text.c_str(), name.c_str(), 4);
    ShowAlert(text);
}

void SkeletonCharacter::BecomeInert(const std::string& reason)
{
    inert = true;
    AlertOnce(reason);
}

bool SkeletonCharacter::LoadBody(const std::string& fileName, const std::vector<std::string>& bones)
{
    skeleton = std::make_unique<Skeleton>();
    if (!std::ifstream(fileName) || skeleton->Load(fileName) != 0) {
        BecomeInert("Error loading skeleton! " + fileName);
        return false;
    }
    for (const std::string& bone : bones)
        if (!skeleton->FindBoneByName(bone)) {
            BecomeInert("Skeleton " + fileName + " has no bone '" + bone + "'");
            return false;
        }
    return true;
}

int SkeletonCharacter::PoseMoveAndCollide(float dt, const TileGrid* level)
{
    PoseStep(ElapsedMs, blendEnd);
    const Position old = MoveBy(dt);
    return CollideWithLevel(level, old.x, old.y);
}

void SkeletonCharacter::AdvanceLooping(int32_t now)
{
    if (!TimerTicked || !(blendEnd < now) || !HasFrameSets())
        return;
    const SkeletonFrameSet* set = skeleton->GetFrameSet(nextFrameSet);
    if (!set || set->FrameCount() <= 0)
        return;
    const int count = set->FrameCount();
    frame = nextFrame >= 0 && nextFrame < count ? nextFrame : 0;
    if (nextFrameSet != frameSet)
        loops = 0;
    frameSet = nextFrameSet;
    ChooseNextFrame(count);
    blendEnd = now + blendTime;
}

void SkeletonCharacter::ChooseNextFrame(int count)
{
    nextFrame = frame + 1;
    if (nextFrame >= count) {
        ++loops;
        nextFrame = 0;
    }
}

void SkeletonCharacter::DrawBody(float camX, float camY, float zoom)
{
    if (inert) {
        DrawCollisionBox(camX, camY);
        return;
    }
    AdvanceLooping(ElapsedMs);
    if (EntityPainter* painter = CurrentEntityPainter(); painter && skeleton && skeleton->Root())
        painter->SkeletonSkins(*skeleton, zoom * x - camX, zoom * y - camY, zoom, Mirrored());
    DrawDebugBox(camX, camY);
}
