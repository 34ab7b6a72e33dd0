#pragma once
// The tank's projectile: flies until it meets the level or the player, then bursts into white
// particles and finishes. Its pictures face left, so it is drawn mirrored unless flying left.

#include <cstdint>
#include <memory>

#include "entities/SpriteEntity.h"

class E_Snowball : public SpriteEntity {
public:
    E_Snowball(float x, float y, const std::string& name);
    ~E_Snowball() override;

    void Update(float dt, const TileGrid* level) override;
    void Draw(float camX, float camY, float zoom) override;
    void Think() override;
    void OnCollide(Entity* other) override;

    std::unique_ptr<AnyGraphics> gfx1, gfx2;   // owned; null when a picture did not load
    int32_t variant = 1;                       // 1 shows the first picture, anything else the second

private:
    float BottomCentreX() const;
};
