#include "entities/E_Player.h"

#include <allegro.h>

#include "core/Clock.h"
#include "core/Log.h"
#include "core/Random.h"
#include "entities/E_Bullet.h"
#include "entities/EntityList.h"
#include "entities/SkeleEnt.h"

E_Player::E_Player(float startX, float startY, const std::string& entityName)
    : SpriteEntity(startX, startY, entityName), shootSound("../Game Data/Sound/Shooting Fireball.wav")
{
    gfx = LoadGraphics("../Game Data/GFX/Entities/Magic Donut");
    SetupAnims(gfx.get());
    boxLeft = 10;
    boxTop = 10;
    boxRight = 53;
    boxBottom = 53;
    gravity = 1.96f;
    friction = 0.3f;
    bounce = 0;
    collidesWithLevel = true;
    entityCollision = true;
    LogText("", 1);
    LogText("E_Player Created", 1);
    flags = ENT_ALIVE;
    lastShot = 0;
}

E_Player::~E_Player() = default;

void E_Player::Update(float dt, const TileGrid* level)
{
    const Position old = MoveBy(dt);
    // Down held turns every landing into a full rebound for this step.
    if (key[KEY_DOWN])
        bounce = 1;
    CollideWithLevel(level, old.x, old.y);
    if (bounce == 1)
        bounce = 0;
}

void E_Player::Draw(float camX, float camY, float zoom) { DrawSprite(camX, camY, zoom, false); }

void E_Player::Think()
{
    Step();
    if (!active)
        return;
    if (key[KEY_RIGHT] && velX < 20)
        velX += kRunStep;
    if (key[KEY_LEFT] && velX > -20)
        velX -= kRunStep;
    if (key[KEY_DOWN] && (flags & ENT_AIRBORNE) && velY < 25)
        velY += 2;
    if (key[KEY_UP] && !(flags & ENT_AIRBORNE))
        velY = kJumpSpeed;
    if (key[KEY_LCONTROL] && ElapsedMs - lastShot > kShotInterval)
        Fire();
}

void E_Player::Fire()
{
    auto bullet = std::make_unique<E_Bullet>(x + 20, y + 15, "E_Bullet");
    bullet->velX = 28;
    bullet->owner = this;
    bullet->velY = static_cast<float>(RandomInt() % 3 - 1);
    bullet->friction = 0;
    SpawnIntoGame(std::move(bullet));
    lastShot = ElapsedMs;
    velX -= 2;   // recoil
    shootSound.Play();
}

void E_Player::OnCollide(Entity* other)
{
    if (!other || other->name != "CactusMan")
        return;
    const auto* walker = dynamic_cast<const SkeleEnt*>(other);
    if (!walker)
        return;
    // Pushed only by a walker coming towards it, along its walk.
    if ((x < other->x && walker->facing < 0) || (x > other->x && walker->facing > 0))
        velX = 2 * other->velX;
}
