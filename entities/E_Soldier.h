#pragma once
// A standing figure facing left that loops frame set 1 and never moves.

#include "entities/SkeletonCharacter.h"

class E_Soldier : public SkeletonCharacter {
public:
    E_Soldier(float x, float y, const std::string& name);

    void Update(float dt, const TileGrid* level) override;
    // The skins at their own size at (x - camX, y - camY), whatever the zoom.
    void Draw(float camX, float camY, float zoom) override;
};
