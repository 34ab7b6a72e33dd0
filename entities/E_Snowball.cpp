#include "entities/E_Snowball.h"

#include "core/Log.h"
#include "entities/EntityList.h"
#include "particles/ParticleTree.h"

namespace {

const Rgba kWhite {1, 1, 1, 1};
const Rgba kFaded {1, 1, 1, 0.5f};

} // namespace

E_Snowball::E_Snowball(float startX, float startY, const std::string& entityName)
    : SpriteEntity(startX, startY, (LogText("Creating E_Snowball", 1), entityName))
{
    gfx1 = LoadGraphics("../Game Data/GFX/Entities/Snowball/Snowball 1.png");
    gfx2 = LoadGraphics("../Game Data/GFX/Entities/Snowball/Snowball 2.png");
    if (gfx1)
        SetupAnims(gfx1.get());
    if (gfx2)
        SetupAnims(gfx2.get());
    boxLeft = 40;
    boxTop = 10;
    boxRight = 50;
    boxBottom = 20;
    friction = 0.3f;
    bounce = 0;
    gravity = 0;
    collidesWithLevel = true;
    entityCollision = true;
    flags = ENT_ALIVE;
    spare2 = spare3 = 0.5f;
    LogText("", 1);
    LogText("E_Snowball Created", 1);
}

E_Snowball::~E_Snowball()
{
    LogText("Deleting E_Snowball", 1);
    if (gfx1)
        LogText("BULLET: Found snowballVert, deleting....", 1);
    if (gfx2)
        LogText("BULLET: Found snowballVert, deleting....", 1);
    LogText("E_Snowball deleted", 1);
}

float E_Snowball::BottomCentreX() const { return x + static_cast<float>(boxLeft + (boxRight - boxLeft) / 2); }

void E_Snowball::Update(float dt, const TileGrid* level)
{
    // A snowball that has burst waits to be removed; it must not burst again.
    if (IsFinished() || MoveAndCollide(dt, level) == 0)
        return;
    LogText("E_Snowball hit Level!", 3);
    SpawnIntoGame(MakeBurst(20, BottomCentreX(), y + static_cast<float>(boxBottom), this, 0, -10, 10, 20, kWhite, kFaded));
    flags &= ~ENT_ALIVE;
}

void E_Snowball::Draw(float camX, float camY, float zoom)
{
    AnyGraphics* shown = variant == 1 ? gfx1.get() : gfx2.get();
    if (graphics != shown)
        SetupAnims(shown);
    DrawSprite(camX, camY, zoom, velX >= 0);
}

void E_Snowball::Think() { Step(); }

void E_Snowball::OnCollide(Entity* other)
{
    if (IsFinished() || !other || other->name != "E_Player")
        return;
    SpawnIntoGameFront(MakeBurst(20, BottomCentreX(), y + static_cast<float>(boxBottom), nullptr, variant == 1 ? 0.0f : 10.0f,
                                 -10, 10, 20, kWhite, kFaded));
    flags &= ~ENT_ALIVE;
}
