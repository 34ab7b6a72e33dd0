#include "entities/E_CactusMan.h"

#include <allegro.h>

#include "core/Clock.h"
#include "core/Log.h"
#include "core/Random.h"
#include "entities/EntityList.h"
#include "particles/ParticleTree.h"

namespace {

const Rgba kBloodStart {9, 0, 0, 1};   // components above 1 show as 1 until they fade below it
const Rgba kBloodEnd {0.5f, 0, 0, 0.3f};
const Rgba kSkinStart {94 / 255.0f, 168 / 255.0f, 69 / 255.0f, 1};
const Rgba kSkinEnd {56 / 255.0f, 100 / 255.0f, 0, 49 / 255.0f};

} // namespace

E_CactusMan::E_CactusMan(float startX, float startY, const std::string& entityName)
    : SkeletonCharacter(startX, startY, entityName)
{
    boxLeft = -20;
    boxTop = -47;
    boxRight = 20;
    boxBottom = 78;
    friction = 0.3f;
    bounce = 0;
    gravity = 0.98f;
    collidesWithLevel = true;
    entityCollision = true;
    flags = ENT_ALIVE | ENT_WALKING;
    health = maxHealth = 100;
    velX = 5;
    blendTime = 250;
    blendEnd = ElapsedMs + 250;
    nextFrame = 1;
    LogText("", 1);
    LogString("E_CactusMan Created: ", name.c_str(), 1);
    LoadBody("../Game Data/Skeletons/Cactus Man 2 (small).txt");
}

E_CactusMan::~E_CactusMan()
{
    SpawnIntoGame(MakeBurst(14, x, y, nullptr, 0, -10, 20, 20, kBloodStart, kBloodEnd));
    SpawnIntoGame(MakeBurst(12, x, y, nullptr, 0, -10, 20, 20, kSkinStart, kSkinEnd));
}

void E_CactusMan::Update(float dt, const TileGrid* level)
{
    if (inert)
        return;
    const int hit = PoseMoveAndCollide(dt, level);
    if (hit & (kBlockedLeft | kBlockedRight)) {
        if (flags & ENT_AIRBORNE) {
            facing = -facing;
        } else if (!(flags & ENT_IDLE)) {
            // The pause counts its own passes from the start.
            SwitchFlags(ENT_WALKING, ENT_IDLE);
            nextFrameSet = 1;
            nextFrame = 0;
            loops = 0;
        }
    }
    if ((flags & ENT_IDLE) && loops == kPauseLoops) {
        SwitchFlags(ENT_IDLE, ENT_WALKING);
        facing = -facing;
        nextFrameSet = 0;
        nextFrame = 0;
    }
}

void E_CactusMan::Draw(float camX, float camY, float zoom) { DrawBody(camX, camY, zoom); }

void E_CactusMan::Think()
{
    if (inert)
        return;
    if (flags & ENT_ALIVE)
        Step();
    if (health < 1)
        flags = ENT_DEAD;
    if (RandomInt() % 100 == 1 && !(flags & ENT_AIRBORNE) && (flags & ENT_WALKING))
        velY = -20;   // a hop
    if (key[KEY_M])
        FlowerBurst();
    if (flags & ENT_WALKING)
        velX += static_cast<float>((RandomInt() % 2 + 1) * facing);
}

void E_CactusMan::FlowerBurst()
{
    const Bone* flower = skeleton ? skeleton->FindBoneByName("Flower") : nullptr;
    if (!flower)
        return;
    float angle = flower->absoluteAngle + 180;
    float spawnX = x + flower->startX;
    if (facing < 0) {
        spawnX = x - flower->startX;
        angle = -angle;
    }
    auto burst = std::make_unique<exploPT>(spawnX, y + flower->startY, "Flower Explosion", 20);
    burst->owner = this;
    burst->SetPolarVelocities(angle, 15, 15, 5);
    burst->SetColours(Rgba {1, 0, 0, 1}, Rgba {0, 0.9f, 0.6f, 0.2f});
    SpawnIntoGame(std::move(burst));
}

void E_CactusMan::OnCollide(Entity* other)
{
    // A bullet that has already hit something is spent.
    if (inert || !other || other->name != "E_Bullet" || other->IsFinished())
        return;
    const bool fromLeft = other->velX > 0;
    velX = fromLeft ? 15 : -15;
    health -= 10 + RandomInt() % 15;
    other->flags = ENT_DEAD;
    const float px = other->x + static_cast<float>(fromLeft ? other->boxRight : other->boxLeft);
    SpawnIntoGame(MakeBurst(7, px, other->y, this, -10, -3, 20, 10, kBloodStart, kBloodEnd));
    SpawnIntoGame(MakeBurst(4, px, other->y, this, -10, -3, 20, 10, kSkinStart, kSkinEnd));
}
