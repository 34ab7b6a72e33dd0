#pragma once
// How entities reach the screen. An entity's Draw works out what it shows and where, and hands that
// to the painter the program installed: the rendering layer's (ScreenPainter.h), which the programs'
// start-up installs. Without a painter nothing is drawn, so entity logic runs, and is tested,
// without a screen; a test may install a painter of its own to see what an entity would draw.
//
// The painter is not owned here: whoever installs one keeps it alive while it is installed.

class Animation;
class Skeleton;

// A drawing colour, four channels from 0 to 1 (the screen shows components above 1 as 1).
struct PaintColour {
    float r = 1, g = 1, b = 1, a = 1;
};

class EntityPainter {
public:
    virtual ~EntityPainter() = default;

    // The animation's showing frame (advanced first once the clock runs), its top-left corner at
    // (x, y), stretched by scale; mirror 1 flips it left to right.
    virtual void Sprite(Animation& animation, float x, float y, float scale, int mirror) = 0;
    // The skeleton's skins with its origin at (x, y), scaled; mirrored (non-zero) flips it.
    virtual void SkeletonSkins(Skeleton& skeleton, float x, float y, float scale, int mirrored) = 0;
    // A filled rectangle, texturing off.
    virtual void FilledRect(float x, float y, float width, float height, const PaintColour& colour) = 0;
    // A filled disc (an ellipse of equal radii at the layer's circle accuracy), texturing off.
    virtual void Disc(float x, float y, float radius, const PaintColour& colour) = 0;
};

// The installed painter; null when none is.
EntityPainter* CurrentEntityPainter();
// Installs a painter (null: none); returns the one it replaces.
EntityPainter* SetEntityPainter(EntityPainter* painter);
