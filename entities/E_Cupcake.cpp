#include "entities/E_Cupcake.h"

#include "core/Clock.h"
#include "core/Log.h"
#include "core/Random.h"
#include "entities/EntityList.h"
#include "entities/EntityPainter.h"
#include "particles/ParticleTree.h"

E_Cupcake::E_Cupcake(float startX, float startY, const std::string& entityName)
    : SpriteEntity(startX, startY, (LogText("Creating E_CUPCAKE", 1), entityName)),
      popSound("../Game Data/Sound/Cupcake Pop.wav")
{
    gfx = LoadGraphics("../Game Data/GFX/Entities/Cupcake/Cupcake");
    SetupAnims(gfx.get());
    frame = RandomInt() % 4;
    boxLeft = 10;
    boxTop = 10;
    boxRight = 40;
    boxBottom = 40;
    friction = 0;
    gravity = 0;
    bounce = 0;
    collidesWithLevel = false;
    entityCollision = true;
    flags = ENT_ALIVE;
    LogText("", 1);
    LogText("E_CUPCAKE Created", 1);
}

E_Cupcake::~E_Cupcake()
{
    LogText("Deleting Cupcake", 1);
    if (gfx)
        LogText("CUPCAKE: Found entGFX, deleting....", 1);
    gfx.reset();
    LogText("Cupcake deleted", 1);
}

void E_Cupcake::Update(float dt, const TileGrid* level) { MoveAndCollide(dt, level); }

void E_Cupcake::Draw(float camX, float camY, float zoom)
{
    if (zoom != 1) {
        DrawSprite(camX, camY, zoom, false);
        return;
    }
    if (TimerTicked)
        Animation::Update();
    EntityPainter* painter = CurrentEntityPainter();
    if (painter && graphics && graphics->GetFrame(frameSet, frame))
        painter->Sprite(*this, x - camX, y - camY, 1, 0);
    DrawDebugBox(camX, camY);
}

void E_Cupcake::Think() { Step(); }

void E_Cupcake::OnCollide(Entity* other)
{
    // Popped already: it waits to be removed and must not pop again.
    if (IsFinished() || !other || other->name != "E_Player")
        return;
    flags &= ~ENT_ALIVE;
    SpawnIntoGame(MakeBurst(10, x + 25, y + 25, this, 0, -5, 20, 20, Rgba {1, 1, 1, 1}, Rgba {1, 1, 0.3f, 0.5f}));
    popSound.Play();
    LogText("Cupcake Ent collided with Player", 3);
}
