#pragma once
// The player's fireball: flies in a straight line until it meets the level, where it bursts into
// an explosion and finishes. Enemies notice bullets from their side, by the name "E_Bullet".

#include <memory>

#include "entities/SpriteEntity.h"

class E_Bullet : public SpriteEntity {
public:
    E_Bullet(float x, float y, const std::string& name);
    ~E_Bullet() override;

    // Moves and, on meeting the level, leaves a 10-particle burst at (x + boxRight + 5, y + 15)
    // and clears ENT_ALIVE. A finished bullet does nothing.
    void Update(float dt, const TileGrid* level) override;
    // The fireball, mirrored while flying left.
    void Draw(float camX, float camY, float zoom) override;
    void Think() override;

    std::unique_ptr<AnyGraphics> gfx;   // owned; null when the pictures did not load
};
