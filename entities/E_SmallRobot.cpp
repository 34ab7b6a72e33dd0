#include "entities/E_SmallRobot.h"

#include <allegro.h>
#include <cmath>

#include "core/Clock.h"
#include "core/Log.h"
#include "core/Random.h"
#include "entities/E_Bullet.h"
#include "entities/EntityList.h"
#include "particles/ParticleTree.h"

namespace {

constexpr int kStandSet = 0, kRunSet = 1, kJumpSet = 2, kShootSet = 3;

} // namespace

E_SmallRobot::E_SmallRobot(float startX, float startY, const std::string& entityName)
    : SkeletonCharacter(startX, startY, entityName), shootSound("../Game Data/Sound/Shooting Fireball.wav")
{
    boxLeft = -15;
    boxTop = -40;
    boxRight = 15;
    boxBottom = 60;
    friction = 0.3f;
    bounce = 0;
    gravity = 1.96f;
    collidesWithLevel = true;
    entityCollision = true;
    flags = ENT_ALIVE | ENT_IDLE;
    health = maxHealth = 100;
    blendTime = 170;
    blendEnd = ElapsedMs + 170;
    nextFrame = 1;
    LogText("", 1);
    LogString("E_SmallRobot Created: ", name.c_str(), 1);
    LoadBody("../Game Data/Skeletons/Small Robot (game size).txt");
}

void E_SmallRobot::Stand(int32_t now)
{
    SwitchFlags(ENT_WALKING, ENT_IDLE);
    nextFrame = 0;
    nextFrameSet = kStandSet;
    blendEnd = now + blendTime;
}

void E_SmallRobot::SaveStanding()
{
    savedFlags = (savedFlags & ~ENT_WALKING) | ENT_IDLE;
    savedFrame = 0;
    savedFrameSet = kStandSet;
}

void E_SmallRobot::Update(float dt, const TileGrid* level)
{
    if (inert)
        return;
    const int32_t now = ElapsedMs;
    PoseStep(now, blendEnd);
    const Position old = MoveBy(dt);
    if (active && key[KEY_DOWN])
        bounce = 1;
    const int hit = CollideWithLevel(level, old.x, old.y);
    if (bounce == 1) {
        bounce = 0;
        if (hit & kBlockedBelow) {
            nextFrame = 0;
            blendEnd = now + blendTime;
        }
    }
    if ((hit & (kBlockedLeft | kBlockedRight)) && !(flags & ENT_AIRBORNE) && nextFrameSet != kStandSet) {
        if (flags & ENT_SHOOTING) {
            SaveStanding();
        } else {
            Stand(now);
        }
    }
}

void E_SmallRobot::ChooseNextFrame(int count)
{
    // The jump holds on its last-but-one frame until the robot lands.
    if (frameSet == kJumpSet && frame == count - 2)
        return;
    SkeletonCharacter::ChooseNextFrame(count);
}

void E_SmallRobot::Draw(float camX, float camY, float zoom) { DrawBody(camX, camY, zoom); }

void E_SmallRobot::Think()
{
    if (inert)
        return;
    const int32_t now = ElapsedMs;
    if (flags & ENT_ALIVE)
        Step();
    const auto airborne = [this] { return (flags & ENT_AIRBORNE) != 0; };
    if (active && key[KEY_UP] && !airborne()) {
        velY = -22;
        nextFrameSet = kJumpSet;
        nextFrame = 0;
        flags |= ENT_AIRBORNE;
    }
    if (airborne() && frameSet != kJumpSet && !(flags & ENT_SHOOTING)) {
        nextFrameSet = kJumpSet;
        nextFrame = 1;
    }
    if (!airborne() && frameSet == kJumpSet && nextFrameSet == kJumpSet) {
        // Just landed: run on or stand.
        nextFrame = 0;
        if (std::fabs(velX) > 1) {
            nextFrameSet = kRunSet;
            flags |= ENT_WALKING;
        } else {
            nextFrameSet = kStandSet;
            flags |= ENT_IDLE;
        }
        blendEnd = now + blendTime;
    }
    if (!airborne() && std::fabs(velX) > 1 && (flags & ENT_IDLE)) {
        nextFrameSet = kRunSet;
        nextFrame = 0;
        SwitchFlags(ENT_IDLE, ENT_WALKING);
    }
    if (active && key[KEY_LEFT]) {
        facing = -1;
        if (velX > -20)
            velX -= 3.5f;
    }
    if (active && key[KEY_RIGHT]) {
        facing = 1;
        if (velX < 20)
            velX += 3.5f;
    }
    if (active && key[KEY_DOWN] && airborne() && velY < 25)
        velY += 2;
    if (std::fabs(velX) < 1 && !airborne() && nextFrameSet != kStandSet) {
        // A shot plays out its set; standing is what comes after it.
        if (flags & ENT_SHOOTING)
            SaveStanding();
        else
            Stand(now);
    }
    if ((flags & ENT_SHOOTING) && now - lastShot > 400) {
        nextFrameSet = savedFrameSet;
        nextFrame = savedFrame;
        flags = savedFlags & ~ENT_SHOOTING;
        blendEnd = now + blendTime;
    }
    if (key[KEY_LCONTROL] && now - lastShot > 200)
        Fire(now);
}

void E_SmallRobot::Fire(int32_t now)
{
    auto bullet = std::make_unique<E_Bullet>(x + static_cast<float>(10 * facing), y, "E_Bullet");
    if (facing < 0)
        bullet->x -= static_cast<float>(bullet->boxRight);
    bullet->velX = static_cast<float>(28 * facing);
    bullet->owner = this;
    bullet->velY = static_cast<float>(RandomInt() % 3 - 1);
    bullet->friction = 0;
    SpawnIntoGameFront(std::move(bullet));
    lastShot = now;
    velX -= static_cast<float>(5 * facing);   // recoil
    shootSound.Play();
    savedFrameSet = frameSet;
    savedFrame = frame;
    savedFlags = flags;
    nextFrameSet = kShootSet;
    nextFrame = 0;
    SwitchFlags(ENT_WALKING | ENT_IDLE, ENT_SHOOTING);
}

void E_SmallRobot::OnCollide(Entity* other)
{
    if (inert || !other || other->name != "E_Bullet" || other->owner == this || other->IsFinished())
        return;
    velX = 15;
    health -= 10 + RandomInt() % 15;
    other->flags = ENT_DEAD;
    const float px = x + static_cast<float>(other->velX > 0 ? boxLeft : boxRight);
    SpawnIntoGame(MakeBurst(7, px, other->y, this, -10, -3, 20, 10, Rgba {1, 1, 1, 1}, Rgba {0.5f, 0.5f, 0.5f, 0.3f}));
    SpawnIntoGame(MakeBurst(4, px, other->y, this, -10, -3, 20, 10, Rgba {0.5f, 0.5f, 0.5f, 1}, Rgba {1, 1, 1, 1}));
}
