#pragma once
// One cell of a level layer: which tileset image it shows (its tile number), the playback state of
// that image, and the cell's flags. Tile number 0 is an empty cell; on a back-layer tile, flag bit 0
// makes the cell solid.
//
// The animation points into the level's tileset, which outlives every tile of the level (the level
// destroys its layers before its tileset).

#include <cstdint>

#include "graphics/Animation.h"

class AnyGraphics;

class Tile {
public:
    Tile();
    ~Tile();
    Tile(const Tile&) = delete;
    Tile& operator=(const Tile&) = delete;

    // Takes the tile number and starts playing the tileset image it names (null: nothing to play).
    void Assign(int32_t number, AnyGraphics* image);

    // Drawing (LevelDraw.cpp, with the level's). The showing frame at its own size (the tile
    // palette); 0 when drawn, 1 when it cannot draw.
    int Draw(int x, int y);
    // The showing frame stretched by zoom in the tileset's draw mode for the tile (the map).
    int DrawScaled(int x, int y, int drawMode, float zoom);

    Animation animation;
    int32_t tileNumber = 0;
    int32_t flags = 0;
};
