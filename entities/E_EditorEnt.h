#pragma once
// The entity that holds the skeleton being edited in the skeleton editor: it plays the skeleton's
// frames and draws it where the editor says. It never lives in a level and never moves; the
// editor's own entity list holds it ("Edit Skeleton" at (0, 0)) and gives it its skeleton.

#include <cstdint>

#include "entities/SkeleEnt.h"

class E_EditorEnt : public SkeleEnt {
public:
    E_EditorEnt(float x, float y, const std::string& name);

    // Poses the skeleton on its way to (nextFrameSet, nextFrame); once that blend has run out (and
    // the clock runs), moves on: the next frame becomes the current one, wrapping to frame 0 when
    // nextFrame is past the set. The time step and the level are not used.
    void Update(float dt, const TileGrid* level) override;
    // The skeleton's skins with its origin at screen (screenX, screenY) — a position, not a camera
    // offset — scaled by zoom, mirrored when facing left.
    void Draw(float screenX, float screenY, float zoom) override;

    int32_t blendEnd;   // clock time at which the running blend completes
};
