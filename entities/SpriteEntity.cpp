#include "entities/SpriteEntity.h"

#include "core/Clock.h"
#include "entities/EntityPainter.h"

std::unique_ptr<AnyGraphics> SpriteEntity::LoadGraphics(const std::string& name)
{
    auto graphics = std::make_unique<AnyGraphics>();
    if (graphics->Load(name) != 0)
        graphics.reset();
    return graphics;
}

int SpriteEntity::MoveAndCollide(float dt, const TileGrid* level)
{
    const Position old = MoveBy(dt);
    return CollideWithLevel(level, old.x, old.y);
}

void SpriteEntity::DrawSprite(float camX, float camY, float zoom, bool mirrored)
{
    if (TimerTicked)
        Animation::Update();
    EntityPainter* painter = CurrentEntityPainter();
    if (graphics && painter)
        painter->Sprite(*this, static_cast<float>(static_cast<int>(zoom * x - camX)),
                        static_cast<float>(static_cast<int>(zoom * y - camY)), zoom, mirrored ? 1 : 0);
    DrawDebugBox(camX, camY);
}
