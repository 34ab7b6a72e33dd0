#pragma once
// The invisible entity the game's view is centred on: it chases its target (`owner`) by a fifth of
// the distance per tick, never faster than 30 pixels per tick on either axis.
//
// A camera named "BossCam" is also a trigger: the first time the player ("E_Player") touches it,
// the main camera chases the BossCam instead of the player, and snow starts falling before and
// behind everything else. It listens for that contact until it has fired, then never again.

#include <cstdint>

#include "entities/Entity.h"

class E_Camera : public Entity {
public:
    E_Camera(float x, float y, const std::string& name);

    void Update(float dt, const TileGrid* level) override;
    void Draw(float camX, float camY, float zoom) override;
    void Think() override;
    void OnCollide(Entity* other) override;

    int32_t spareWords[2] = {0, 0};   // carry no behaviour
    float followDivisor = 5;          // the chase closes distance / followDivisor per tick
    float maxSpeed = 30;              // the cap on |velX| and |velY|
    bool fired = false;               // a BossCam that has taken over the view

private:
    bool IsBossCam() const;
};

// The game's own camera, whose target a BossCam takes over; null while the game has none. Not
// owned: the game sets it and clears it before its camera goes.
E_Camera* MainCamera();
void SetMainCamera(E_Camera* camera);
