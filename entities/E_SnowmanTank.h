#pragma once
// The boss's vehicle. Its wide box (from 1000 pixels to its left) is a trigger zone: the player's
// first touch starts it driving in from the right until x <= 1120, where it stops and fights;
// later touches push the player back. While fighting its two guns fire snowballs (sharing one
// `lastShot`) and its two pipes stretch towards its target, the player.
//
// Without its bones ("Pipe 3", "Gun 1", "Gun 2"; "Pipe 4" is optional) the tank is inert.

#include <cstdint>

#include "entities/SkeletonCharacter.h"

class E_SnowmanTank : public SkeletonCharacter {
public:
    static constexpr float kStopX = 1120;

    E_SnowmanTank(float x, float y, const std::string& name);

    void Update(float dt, const TileGrid* level) override;
    void Draw(float camX, float camY, float zoom) override;
    void Think() override;
    void OnCollide(Entity* other) override;

    bool triggered = false;
    Bone* pipe4 = nullptr;   // bones of its own skeleton, not owned
    Bone* pipe3 = nullptr;
    Bone* gun1 = nullptr;
    Bone* gun2 = nullptr;
    int32_t lastShot;        // clock time of the last shot of either gun
    int32_t spare[2] = {0, 0};

private:
    void FireGun(const Bone& gun, bool first, int32_t now);
};
