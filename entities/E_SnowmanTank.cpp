#include "entities/E_SnowmanTank.h"

#include <algorithm>

#include "core/Clock.h"
#include "core/Log.h"
#include "core/Random.h"
#include "entities/E_Snowball.h"
#include "entities/EntityList.h"
#include "particles/ParticleTree.h"

E_SnowmanTank::E_SnowmanTank(float startX, float startY, const std::string& entityName)
    : SkeletonCharacter(startX, startY, entityName), lastShot(ElapsedMs)
{
    boxLeft = -1000;
    boxTop = 0;
    boxRight = 389;
    boxBottom = 252;
    friction = 0.3f;
    bounce = 0;
    gravity = 0.98f;
    collidesWithLevel = true;
    entityCollision = true;
    flags = ENT_ALIVE;
    health = maxHealth = 1000;
    blendTime = 250;
    blendEnd = ElapsedMs + 250;
    frameSet = 2;
    nextFrameSet = 2;
    nextFrame = 1;
    LogText("", 1);
    LogString("E_SnowmanTank Created: ", name.c_str(), 1);
    if (!LoadBody("../Game Data/Skeletons/Snowman Boss.txt", {"Pipe 3", "Gun 1", "Gun 2"}))
        return;
    pipe4 = skeleton->FindBoneByName("Pipe 4");
    pipe3 = skeleton->FindBoneByName("Pipe 3");
    gun1 = skeleton->FindBoneByName("Gun 1");
    gun2 = skeleton->FindBoneByName("Gun 2");
}

void E_SnowmanTank::Update(float dt, const TileGrid*)
{
    if (inert)
        return;
    PoseStep(ElapsedMs, blendEnd);
    if ((flags & ENT_IDLE) && owner) {
        // The pipes reach towards the target, within their reach.
        const float d = std::clamp(x - owner->x, -25.0f, 370.0f);
        if (pipe4)
            pipe4->length = d / 2 + 80;
        pipe3->length = d / 2;
    }
    if (skeleton->Root())
        skeleton->UpdatePositions();
    MoveBy(dt);
}

void E_SnowmanTank::Draw(float camX, float camY, float zoom) { DrawBody(camX, camY, zoom); }

void E_SnowmanTank::FireGun(const Bone& gun, bool first, int32_t now)
{
    const float gx = x + gun.startX, gy = y + gun.startY;
    const Rgba white {1, 1, 1, 1}, faded {1, 1, 1, 0.2f};
    SpawnIntoGameFront(first ? MakeBurst(30, gx, gy, this, 0, 5, 10, 20, white, faded)
                             : MakeBurst(30, gx, gy, this, -10, 0, 20, 10, white, faded));
    auto ball = std::make_unique<E_Snowball>(gx - 32, first ? gy - 40 : gy, "Snowball");
    if (first) {
        ball->velY = 10;
        ball->variant = 1;
        ball->boxLeft = 16, ball->boxTop = 49, ball->boxRight = 59, ball->boxBottom = 91;
    } else {
        ball->velX = -15;
        ball->velY = 0;
        ball->variant = 2;
        ball->boxLeft = 10, ball->boxTop = 11, ball->boxRight = 31, ball->boxBottom = 36;
    }
    ball->friction = 0;
    ball->owner = this;
    SpawnIntoGameFront(std::move(ball));
    lastShot = now;
}

void E_SnowmanTank::Think()
{
    if (inert)
        return;
    const int32_t now = ElapsedMs;
    if (health < 1)
        flags = ENT_DEAD;
    if (flags & ENT_WALKING) {
        if (x > kStopX) {
            if (velX > -5)
                velX -= 2;
        } else {
            SwitchFlags(ENT_WALKING, ENT_IDLE);
            nextFrameSet = 1;
            nextFrame = 0;
            blendEnd = now + blendTime;
            velX = 0;
        }
    }
    if (flags & ENT_IDLE) {
        if (now - lastShot > 1500 && RandomInt() % 30 == 1)
            FireGun(*gun1, true, now);
        if (now - lastShot > 1000 && RandomInt() % 40 == 1)
            FireGun(*gun2, false, now);
    }
    if (!owner) {
        // Without a player to aim at it fights nothing; it asks again on the next tick.
        EntityList* game = CurrentGameList();
        owner = game ? game->GetEntity("E_Player") : nullptr;
        if (!owner)
            AlertOnce("Could not find player!");
    }
}

void E_SnowmanTank::OnCollide(Entity* other)
{
    if (inert || !other || other->name != "E_Player")
        return;
    if (triggered) {
        other->velX = -10;
        return;
    }
    flags |= ENT_WALKING;
    triggered = true;
    boxLeft = 100;
    boxTop = 0;
    boxRight = 389;
    boxBottom = 252;
}
