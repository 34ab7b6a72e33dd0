#pragma once
// A walking cactus: it walks in the direction it faces (set 0), hops now and then, turns about at
// walls in mid-air, and on the ground pauses for five passes of set 1 before turning. Bullets
// knock it back and hurt it; below 1 health it finishes, and it bursts green and red when it is
// deleted. While M is held it shoots petals from its "Flower" bone.

#include "entities/SkeletonCharacter.h"

class E_CactusMan : public SkeletonCharacter {
public:
    static constexpr int kPauseLoops = 5;

    E_CactusMan(float x, float y, const std::string& name);
    ~E_CactusMan() override;

    void Update(float dt, const TileGrid* level) override;
    void Draw(float camX, float camY, float zoom) override;
    void Think() override;
    // An "E_Bullet" hurts it.
    void OnCollide(Entity* other) override;

private:
    void FlowerBurst();
};
