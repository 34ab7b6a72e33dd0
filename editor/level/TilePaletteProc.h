#pragma once
// The tile palette under the map: the tileset laid out 11 tiles a row (the palette level), scrolled
// by whole rows with the scroll bar beside it; a click chooses the tile the map paints.

#include "gui/Dialog.h"

int TilePaletteProc(int message, DIALOG* d, int c);

// Lays the tileset of the state's palette level out: tile 11 r + k in cell (k, r), 0 past the
// last tile.
void FillPalette();
