#pragma once
// A second steerable character with stand (set 0), run (1), jump (2, held on its last-but-one
// frame while airborne) and shoot (3) animations. It fires with left Control whether or not it is
// `active`, returning to what it was doing 400 ms after the last shot. Other shooters' bullets
// knock it to the right and hurt it; its own do not.

#include <cstdint>

#include "entities/SkeletonCharacter.h"
#include "resources/SoundClip.h"

class E_SmallRobot : public SkeletonCharacter {
public:
    E_SmallRobot(float x, float y, const std::string& name);

    void Update(float dt, const TileGrid* level) override;
    void Draw(float camX, float camY, float zoom) override;
    void Think() override;
    void OnCollide(Entity* other) override;

    int32_t lastShot = 0;
    int32_t savedFrameSet = 0, savedFrame = 0;   // the animation to return to after a shot
    int32_t savedFlags = 0;
    SoundClip shootSound;

protected:
    void ChooseNextFrame(int count) override;

private:
    void Fire(int32_t now);
    void Stand(int32_t now);
    // Makes standing the state to return to after the shot.
    void SaveStanding();
};
