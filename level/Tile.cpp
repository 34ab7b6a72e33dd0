#include "level/Tile.h"

#include "core/Log.h"

// One line per cell: grids are built from tiles, so a large level writes many of these (they are
// below the application's write priority).
Tile::Tile() { LogText("New 'Tile' created (default)", 1); }

Tile::~Tile() { LogText("'Tile' destroyed!", 1); }

void Tile::Assign(int32_t number, AnyGraphics* image)
{
    tileNumber = number;
    animation.SetupAnims(image);
}
