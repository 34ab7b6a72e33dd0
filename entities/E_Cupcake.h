#pragma once
// A pickup hanging where it was placed, playing its pictures from a random frame so that cupcakes
// do not animate in step. When the player touches it, it pops: a burst of 10 particles, a sound,
// and it finishes.

#include <memory>

#include "entities/SpriteEntity.h"
#include "resources/SoundClip.h"

class E_Cupcake : public SpriteEntity {
public:
    E_Cupcake(float x, float y, const std::string& name);
    ~E_Cupcake() override;

    void Update(float dt, const TileGrid* level) override;
    // At zoom 1 the picture at its own size at (x - camX, y - camY); otherwise scaled.
    void Draw(float camX, float camY, float zoom) override;
    void Think() override;
    // "E_Player" pops it, once.
    void OnCollide(Entity* other) override;

    std::unique_ptr<AnyGraphics> gfx;   // owned; null when the pictures did not load
    SoundClip popSound;
};
