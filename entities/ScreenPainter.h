#pragma once
// The entity painter of the rendering layer: sprites, skins, boxes and discs drawn on the screen.

#include "entities/EntityPainter.h"

class ScreenPainter : public EntityPainter {
public:
    void Sprite(Animation& animation, float x, float y, float scale, int mirror) override;
    void SkeletonSkins(Skeleton& skeleton, float x, float y, float scale, int mirrored) override;
    void FilledRect(float x, float y, float width, float height, const PaintColour& colour) override;
    void Disc(float x, float y, float radius, const PaintColour& colour) override;
};

// Installs the one screen painter for the rest of the run (the programs do this at start-up, and
// drawing tests before they draw entities).
void UseScreenPainter();
