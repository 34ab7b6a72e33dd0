#include "entities/E_Bullet.h"

#include "core/Log.h"
#include "entities/EntityList.h"
#include "particles/ParticleTree.h"

E_Bullet::E_Bullet(float startX, float startY, const std::string& entityName) : SpriteEntity(startX, startY, entityName)
{
    LogText("Creating E_BULLET", 1);
    gfx = LoadGraphics("../Game Data/GFX/Entities/Fireball/Fireball");
    SetupAnims(gfx.get());
    boxLeft = 40;
    boxTop = 10;
    boxRight = 50;
    boxBottom = 20;
    gravity = 0;
    friction = 0.3f;
    bounce = 0;
    collidesWithLevel = true;
    entityCollision = true;
    flags = ENT_ALIVE;
    spare2 = spare3 = 0.5f;
    LogText("", 1);
    LogText("E_BULLET Created", 1);
}

E_Bullet::~E_Bullet()
{
    LogText("Deleting bullet", 1);
    if (gfx)
        LogText("BULLET: Found entGFX, deleting....", 1);
    gfx.reset();
    LogText("Bullet deleted", 1);
}

void E_Bullet::Update(float dt, const TileGrid* level)
{
    // A bullet that has hit something stays in the list until the game removes it; it must not
    // burst again meanwhile.
    if (IsFinished())
        return;
    if (MoveAndCollide(dt, level) == 0)
        return;
    LogText("Bullet hit Level!", 3);
    SpawnIntoGame(MakeBurst(10, x + static_cast<float>(boxRight) + 5, y + 15, this, -10, -3, 20, 10,
                            Rgba {1, 1, 0, 1}, Rgba {1, 0, 0, 0.5f}));
    flags &= ~ENT_ALIVE;
}

void E_Bullet::Draw(float camX, float camY, float zoom) { DrawSprite(camX, camY, zoom, velX < 0); }

void E_Bullet::Think() { Step(); }
