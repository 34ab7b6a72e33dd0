#pragma once
// Per-draw modifiers of a bitmap's texture coordinates: small value objects made for one draw call.

namespace rl {

// The part of a texture a draw uses, and the size the quad has when drawn at the image's own size.
struct TexturePatch {
    float u0, v0, u1, v1;
    float width, height;
};

class RenderMode {
public:
    virtual ~RenderMode() = default;
    // Adjusts the patch for a bitmap of imageWidth x imageHeight pixels whose whole image spans
    // texture coordinates (0, 0) to (uMax, vMax).
    virtual void Prepare(TexturePatch& patch, float imageWidth, float imageHeight, float uMax, float vMax) const = 0;
    virtual void CleanUp() const {}
};

// Mirrors the image: 0 left to right, 1 top to bottom, 2 both.
class FlippedMode : public RenderMode {
public:
    explicit FlippedMode(int flipMode) : mode(flipMode) {}
    void Prepare(TexturePatch& patch, float imageWidth, float imageHeight, float uMax, float vMax) const override;
    int mode;
};

// Draws only the given sub-rectangle of the image (in image pixels, cut to the image).
class ClippedMode : public RenderMode {
public:
    ClippedMode(float clipX, float clipY, float clipWidth, float clipHeight)
        : x(clipX), y(clipY), width(clipWidth), height(clipHeight) {}
    void Prepare(TexturePatch& patch, float imageWidth, float imageHeight, float uMax, float vMax) const override;
    float x, y, width, height;
};

} // namespace rl
