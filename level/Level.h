#pragma once
// A level: the playfield of the side-scroller. A grid of 64 x 64 cells with a back and a front tile
// layer (TileGrid), the tileset whose images the tiles show and the scrolling background.
//
// The level owns its layers, tileset and background. All three are built together by Create and
// taken down together by Destroy, so a MakeNew on an existing level reloads the tileset from the
// current tileset folder; a folder set later (as a loaded file does) takes effect at the next
// MakeNew.
//
// Sections: Level.cpp (creation, destruction, cells), LevelFile.cpp (the level file),
// LevelDraw.cpp (drawing; the only part that needs the screen).

#include <cstdint>
#include <memory>
#include <string>

#include "graphics/MBackground.h"
#include "level/TileGrid.h"
#include "level/TileSet.h"

struct PACKFILE;

class Level : public TileGrid {
public:
    static constexpr int kMaxSize = 300;                // columns and rows MakeNew accepts
    static constexpr size_t kFolderFieldSize = 512;     // the tileset folder field, with its terminator
    static constexpr const char* kDefaultTilesetFolder = "../Game Data/GFX/Tileset - Jungle PNG/";

    // No grid, background or tileset yet, the default tileset folder; then MakeNew (width, height).
    Level(int width, int height);
    // The same start without a grid, then Load (file). A file that cannot be read leaves the level
    // without a grid.
    explicit Level(PACKFILE* file);
    ~Level() override;

    // The level file (LevelFile.cpp): version 2, width, height, both layers' tile numbers and flags
    // cell by cell, column by column, then the 512-byte tileset folder field; little-endian 32-bit
    // numbers. Save returns the number of write problems (0: all written); a level without a grid
    // is refused (1) and writes nothing.
    int Save(PACKFILE* file) const;
    // Replaces the grid by the file's and returns the number of read problems (0: all read). A
    // wrong version is shown in an alert; it and a size outside 1 ... kMaxSize are refused before
    // anything is built, leaving the level as it was (1). A file cut short still gives a level of
    // the stored size, the missing cells empty.
    int Load(PACKFILE* file);

    // Builds a fresh empty width x height level (destroying the current one first). Sizes outside
    // 1 ... kMaxSize are refused: the level stays as it was.
    void MakeNew(int width, int height);
    // Builds the grid, and the background and tileset where absent. Refused (logged) when there is
    // a grid already.
    void Create(int width, int height);
    // Destroys the grid, background and tileset (logged when there is no grid).
    void Destroy();

    // Gives the tile at (x, y) of layer 1 or 2 the tile number and starts its image. 1 (nothing
    // changed) for a number outside 0 ... tile count - 1 or a cell outside the grid; 0 otherwise,
    // also for another layer, which changes nothing.
    int SetTile(int x, int y, int tileNumber, int layer);

    // Draws one layer into the view whose top-left corner is (screenX, screenY); scrollX and scrollY
    // are the world position shown at that corner, already multiplied by the zoom. which 1 is the
    // back layer, 2 the front layer; 0 draws only the background: backgroundMode 1 clipped to the
    // view (the level editor), 0 scrolling at half speed (the game), anything else nothing. Cells
    // outside the grid show yellow, tiles that cannot draw white.
    void DrawLayer(int viewWidth, int viewHeight, int scrollX, int scrollY, int screenX, int screenY, float zoom,
                   int which, int backgroundMode = 0);
    // The back layer unscaled from column 0, scrolled vertically by firstRowOffset pixels: the tile
    // palette.
    void DrawRows(int viewWidth, int viewHeight, int firstRowOffset, int screenX, int screenY);
    // Covers every visible solid cell (back-layer flag bit 0) with translucent cyan.
    void DrawFlagOverlay(int viewWidth, int viewHeight, int scrollX, int scrollY, int screenX, int screenY,
                         float zoom);

    // The tileset folder as text, and a new one (cut to fit the field).
    std::string TilesetFolder() const;
    void SetTilesetFolder(const std::string& folder);

    TileSet* GetTileSet() const { return tileset.get(); }
    MBackground* GetBackground() const { return background.get(); }

    int32_t version = 0;                         // 1 after Create
    char tilesetFolder[kFolderFieldSize] = {};   // zero-terminated, with a trailing "/"

private:
    // Only Create and Destroy shape the grid, so layers, tileset and background stay together.
    using TileGrid::Build;
    using TileGrid::Clear;

    std::unique_ptr<MBackground> background;
    std::unique_ptr<TileSet> tileset;
};
