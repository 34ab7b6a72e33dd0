#pragma once
// The character the user steers while `active`: the arrows run, jump and fast-fall (Down held also
// makes every landing bounce), left Control fires a bullet to the right at most once per 200 ms,
// with a little recoil and the shooting sound. A walking cactus man pushes it along.

#include <cstdint>
#include <memory>

#include "entities/SpriteEntity.h"
#include "resources/SoundClip.h"

class E_Player : public SpriteEntity {
public:
    static constexpr float kRunStep = 3.5f;
    static constexpr float kJumpSpeed = -23.5f;
    static constexpr int32_t kShotInterval = 200;   // ms that must pass (strictly) between shots

    E_Player(float x, float y, const std::string& name);
    ~E_Player() override;

    void Update(float dt, const TileGrid* level) override;
    void Draw(float camX, float camY, float zoom) override;
    void Think() override;
    // Only an entity named exactly "CactusMan" walking towards the player pushes it.
    void OnCollide(Entity* other) override;

    int32_t lastShot = 0;                 // clock time of the last shot
    std::unique_ptr<AnyGraphics> gfx;     // owned; null when the pictures did not load
    SoundClip shootSound;

private:
    void Fire();
};
