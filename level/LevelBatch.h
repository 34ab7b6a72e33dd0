#pragma once
// Draws a level's layers in one batch: the tileset's pictures copied into one texture atlas and the
// visible cells of a layer sent as one vertex array per frame. Every cell looks exactly as
// Level::DrawLayer draws it (tiles stretched by the zoom and mirrored by their draw mode, yellow
// outside the grid, white where a tile cannot draw), in the same order, but the cost is that of
// the visible cells alone rather than one driver round trip each.
//
// Owned by whoever draws the level (the level editor's map view). The atlas is rebuilt when a
// picture of the tileset is not in it (a new tileset, a level loaded); a tileset too large for one
// texture falls back to Level::DrawLayer.

#include "rl/TextureAtlas.h"

class Level;
class TileSet;

class LevelBatch {
public:
    // As Level::DrawLayer with which 1 (back) or 2 (front).
    void DrawLayer(Level& level, int viewWidth, int viewHeight, int scrollX, int scrollY, int screenX, int screenY,
                   float zoom, int which);

    const rl::TextureAtlas& Atlas() const { return atlas_; }

private:
    // Queues the layer's visible cells; false when a picture was missing from the atlas.
    bool Queue(Level& level, int viewWidth, int viewHeight, int scrollX, int scrollY, int screenX, int screenY,
               float zoom, int which, bool advance);
    bool Rebuild(const TileSet* tileset);

    rl::TextureAtlas atlas_;
};
