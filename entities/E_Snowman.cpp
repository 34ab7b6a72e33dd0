#include "entities/E_Snowman.h"

#include <cmath>

#include "core/Clock.h"
#include "core/Log.h"
#include "entities/EntityList.h"
#include "entities/E_SnowmanTank.h"
#include "particles/ParticleTree.h"

namespace {

constexpr int kHitSet = 2;
constexpr int kAfterHitSet = 1;

} // namespace

E_Snowman::E_Snowman(float startX, float startY, const std::string& entityName)
    : SkeletonCharacter(startX, startY, entityName)
{
    boxLeft = -50;
    boxTop = -80;
    boxRight = 100;
    boxBottom = 64;
    friction = 0.3f;
    bounce = 0;
    gravity = 0.98f;
    collidesWithLevel = true;
    entityCollision = true;
    flags = ENT_ALIVE | ENT_WALKING;
    health = maxHealth = 1000;
    blendTime = 250;
    blendEnd = ElapsedMs + 250;
    nextFrame = 1;
    LogText("", 1);
    LogString("E_Snowman Created: ", name.c_str(), 1);
    LoadBody("../Game Data/Skeletons/Snowman.txt");
}

void E_Snowman::Update(float, const TileGrid* level)
{
    if (inert)
        return;
    PoseStep(ElapsedMs, blendEnd);
    // Its position comes from the host, not from its speed.
    CollideWithLevel(level, std::ceil(x), std::ceil(y));
}

void E_Snowman::ChooseNextFrame(int count)
{
    if (frameSet != kHitSet) {
        SkeletonCharacter::ChooseNextFrame(count);
        return;
    }
    nextFrame = frame + 1;
    if (nextFrame >= count) {
        nextFrame = 0;
        nextFrameSet = kAfterHitSet;
    }
}

void E_Snowman::Draw(float camX, float camY, float zoom)
{
    if (host && mountBone && !inert) {
        x = mountBone->startX + host->x - 130;
        y = mountBone->startY + host->y - 25;
    }
    DrawBody(camX, camY, zoom);
}

void E_Snowman::Think()
{
    if (inert)
        return;
    if (flags & ENT_ALIVE)
        Step();
    if (health < 1)
        flags = ENT_DEAD;
    if (host)
        return;
    EntityList* game = CurrentGameList();
    Entity* found = game ? game->GetEntity("SNOWMAN TANK") : nullptr;
    // Only a real tank will do: another entity may carry the name.
    auto* tank = found && found->type == "SNOWMAN TANK" ? dynamic_cast<E_SnowmanTank*>(found) : nullptr;
    if (!tank) {
        AlertOnce("Could not find snowman tank!");
        return;
    }
    Bone* bone = tank->skeleton ? tank->skeleton->FindBoneByName("Snowman") : nullptr;
    if (!bone) {
        AlertOnce("Can't find 'snowman' bone in snowman tank host!");
        return;
    }
    host = tank;
    mountBone = bone;
}

void E_Snowman::OnCollide(Entity* other)
{
    if (inert || !other || other->name != "E_Bullet" || other->IsFinished())
        return;
    other->flags = ENT_DEAD;
    SpawnIntoGameFront(MakeBurst(14, other->x + static_cast<float>(other->boxRight) + 10, other->y, this, -10, -3, 20,
                                 10, Rgba {1, 1, 1, 1}, Rgba {9, 9, 1, 0.3f}));
    nextFrameSet = kHitSet;
    nextFrame = 0;
    blendEnd = ElapsedMs + blendTime;
}

void E_Snowman::ForgetEntity(const Entity* gone)
{
    SkeletonCharacter::ForgetEntity(gone);
    if (gone == host) {
        host = nullptr;
        mountBone = nullptr;
    }
}
