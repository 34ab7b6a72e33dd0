#pragma once
// The base of the entities drawn as a sprite (the bullet, the player, the cupcake, the snowball):
// an Entity that is also the Animation playing its pictures. The pictures are owned by the class
// that loads them.

#include <memory>
#include <string>

#include "entities/Entity.h"
#include "graphics/Animation.h"
#include "graphics/AnyGraphics.h"

class SpriteEntity : public Entity, public Animation {
protected:
    SpriteEntity(float x, float y, const std::string& name) : Entity(x, y, name) {}

    // The pictures of a base name (or a single ".png"); null when none load.
    static std::unique_ptr<AnyGraphics> LoadGraphics(const std::string& name);

    // The move of one time step and the collision with the level.
    int MoveAndCollide(float dt, const TileGrid* level);

    // Advances the animation once the clock runs, then draws the showing frame scaled by zoom at
    // screen (zoom * x - camX, zoom * y - camY), mirrored left to right when asked; then the
    // collision box while B is held.
    void DrawSprite(float camX, float camY, float zoom, bool mirrored);
};
