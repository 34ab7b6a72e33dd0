#pragma once
// The cells of a level: width columns by height rows, each cell a back-layer tile (layer 1, behind
// the entities; its flags are the cell's flags) and a front-layer tile (layer 2, in front of them).
// Cell (x, y) is column x from the left, row y from the top, and covers the level pixels
// (64x, 64y) to (64x + 63, 64y + 63).
//
// Storage is column-major: each column is one allocation of height tiles. A grid that was never
// built, or was cleared, has no layers and counts as 0 x 0. Cells outside the grid are never read
// or written.
//
// This is the part of a level that entity collision reads, so it stands on its own without the
// level's pictures: Level adds the tileset, the background and the drawing.

#include <cstdint>
#include <memory>
#include <vector>

#include "level/Tile.h"

class TileGrid {
public:
    static constexpr int kCellSize = 64;   // pixels of a cell at zoom 1
    static constexpr int kBackLayer = 1;
    static constexpr int kFrontLayer = 2;

    TileGrid() = default;
    virtual ~TileGrid() = default;
    TileGrid(const TileGrid&) = delete;
    TileGrid& operator=(const TileGrid&) = delete;

    // Replaces the layers by width x height empty tiles (tile number 0, flags 0). Sizes below 1
    // leave the grid without layers.
    void Build(int width, int height);
    // Destroys both layers; the grid is 0 x 0 afterwards.
    void Clear();

    bool HasGrid() const { return !backLayer_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // The tile of layer 1 (back) or 2 (front) at (x, y); null outside the grid or for another layer.
    Tile* GetTile(int x, int y, int layer);
    const Tile* GetTile(int x, int y, int layer) const;

    // Back-layer flags of the cell, or -1 outside the grid.
    int32_t GetFlags(int x, int y) const;
    // Sets the back-layer flags of the cell; a cell outside the grid is ignored.
    void SetFlags(int x, int y, int32_t value);

    // Whether entities are kept out of the cell: it lies outside the grid, its back-layer tile
    // number is -1, or bit 0 of its back-layer flags is set.
    bool CellBlocks(int x, int y) const;

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<std::unique_ptr<Tile[]>> backLayer_;    // width columns of height tiles
    std::vector<std::unique_ptr<Tile[]>> frontLayer_;
};
