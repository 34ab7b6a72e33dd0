#pragma once
// Many bitmaps' pictures copied side by side into one texture, and quads drawn from it in one
// batch: a tile map costs one driver call for all its cells instead of one per cell.
//
// Each picture sits with a one-pixel border of its own edge pixels around it, so filtering never
// reaches a neighbour; the atlas also holds a white patch for plain coloured quads. Quads are drawn
// in the order they were added, each exactly as Bitmap::DrawStretched (or a filled Rect) would
// draw it on its own.
//
// The atlas keeps copies of the pictures' pixels: a bitmap whose texture changes afterwards is not
// followed (Contains tells whether a bitmap is in, under the texture it has now).

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "rl/Colour.h"

namespace rl {

class Bitmap;

class TextureAtlas {
public:
    TextureAtlas() = default;
    ~TextureAtlas();
    TextureAtlas(const TextureAtlas&) = delete;
    TextureAtlas& operator=(const TextureAtlas&) = delete;

    // Copies the bitmaps' pictures into a new atlas texture (bitmaps without a texture are left
    // out). False when there is no screen or they do not fit the largest texture the driver takes.
    bool Build(const std::vector<const Bitmap*>& bitmaps);
    bool Contains(const Bitmap* bitmap) const;
    int PictureCount() const { return static_cast<int>(places_.size()); }

    // Queues the bitmap's picture stretched over (x, y, w, h), mirrored left to right when asked;
    // false (nothing queued) for a bitmap not in the atlas.
    bool AddPicture(const Bitmap* bitmap, float x, float y, float w, float h, bool mirror);
    // Queues a quad filled with the colour.
    void AddFill(float x, float y, float w, float h, const Colour& colour);
    int QueuedQuads() const { return static_cast<int>(vertices_.size() / 8); }

    // Draws the queued quads in one call, then forgets them.
    void Draw();
    // Forgets the queued quads without drawing them.
    void Discard();

private:
    struct Place {
        float u0, v0, u1, v1;
    };
    void AddQuad(float x, float y, float w, float h, const Place& uv, const Colour& colour);
    void Release();

    unsigned int texture_ = 0;
    std::map<std::pair<const Bitmap*, unsigned int>, Place> places_;   // by bitmap and its texture
    Place white_ {};
    std::vector<float> vertices_;    // x, y per corner
    std::vector<float> texCoords_;   // u, v per corner
    std::vector<float> colours_;     // r, g, b, a per corner
};

} // namespace rl
