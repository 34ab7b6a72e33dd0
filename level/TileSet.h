#pragma once
// The images a level's tiles show, loaded once per level from a tileset folder. Tile index n is
// the lettered, possibly animated image sets of the stem "<folder>Tile <nnn>" (three digits, zero
// padded), so its first picture is "<folder>Tile <nnn>-a-00.png". The numbering runs from 000 and
// the first missing index ends the tileset.
//
// Image 0 is loaded like the others, but tile number 0 means an empty cell, so it is never drawn in
// a level. Owned by its Level; owns the images' AnyGraphics (the pictures themselves belong to the
// resource manager).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "graphics/AnyGraphics.h"

class TileSet {
public:
    TileSet() = default;
    ~TileSet();
    TileSet(const TileSet&) = delete;
    TileSet& operator=(const TileSet&) = delete;

    // Counts and loads the tiles of the folder (given with its trailing "/"). Returns 0; a picture
    // that fails to load leaves its tile unable to draw, the count unchanged.
    int LoadPNG(const std::string& folder);

    // Graphics of tile n; null for an index outside the tileset.
    AnyGraphics* Graphics(int n) const;
    // The mirror argument tile n is drawn with (0 as it is, 1 mirrored left to right); 0 outside.
    int32_t DrawMode(int n) const;

    // "<folder>Tile <nnn>", or nothing when the name would not fit a file-name buffer (such a tile
    // does not exist).
    static std::optional<std::string> TileStem(const std::string& folder, int n);

    std::vector<int32_t> drawModes;            // one per tile, all 0 after loading
    int32_t tileCount = 0;
    std::unique_ptr<AnyGraphics[]> graphics;   // tileCount long, owned
};
