#include "entities/E_Soldier.h"

#include <allegro.h>

#include "core/Clock.h"
#include "core/Log.h"
#include "entities/EntityPainter.h"

E_Soldier::E_Soldier(float startX, float startY, const std::string& entityName)
    : SkeletonCharacter(startX, startY, entityName)
{
    boxLeft = -10;
    boxTop = -50;
    boxRight = 53;
    boxBottom = 73;
    friction = 0.3f;
    bounce = 0;
    gravity = 1.96f;
    collidesWithLevel = false;
    flags = ENT_ALIVE;
    blendTime = 250;
    blendEnd = ElapsedMs + 250;
    frameSet = 1;
    nextFrameSet = 1;
    nextFrame = 1;
    facing = -1;
    LogString("E_Soldier Created: ", name.c_str(), 1);
    LoadBody("../Game Data/Skeletons/Soldier Alpha.TXT");
}

void E_Soldier::Update(float dt, const TileGrid* level)
{
    if (inert)
        return;
    PoseStep(ElapsedMs, blendEnd);
    const Position old = MoveBy(dt);
    if (key[KEY_DOWN])
        bounce = 1;
    CollideWithLevel(level, old.x, old.y);
    if (bounce == 1)
        bounce = 0;
}

void E_Soldier::Draw(float camX, float camY, float)
{
    if (inert) {
        DrawCollisionBox(camX, camY);
        return;
    }
    AdvanceFrame(ElapsedMs, blendEnd);
    if (EntityPainter* painter = CurrentEntityPainter(); painter && skeleton && skeleton->Root())
        painter->SkeletonSkins(*skeleton, x - camX, y - camY, 1, facing < 0 ? 1 : 0);
    DrawDebugBox(camX, camY);
}
