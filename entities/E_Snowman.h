#pragma once
// The figure riding the snowman tank: each frame it stands on the tank's "Snowman" bone. Bullets
// burst on it and make it play its hit set (2), after which it goes on with set 1; they never
// hurt it. Until it finds its tank (an entity of type "SNOWMAN TANK" named so in the current game
// list) it stands where it was placed and asks again on every Think.

#include "entities/SkeletonCharacter.h"

class E_SnowmanTank;

class E_Snowman : public SkeletonCharacter {
public:
    E_Snowman(float x, float y, const std::string& name);

    void Update(float dt, const TileGrid* level) override;
    void Draw(float camX, float camY, float zoom) override;
    void Think() override;
    void OnCollide(Entity* other) override;
    void ForgetEntity(const Entity* gone) override;

    Bone* mountBone = nullptr;         // in the host's skeleton, not owned
    E_SnowmanTank* host = nullptr;     // not owned

protected:
    void ChooseNextFrame(int count) override;
};
