// Drawing of a level's layers, its tile palette rows and its flag overlay, and of single tiles; all
// through rl. The only part of the level that needs the screen.
#include "level/Level.h"

#include "level/VisibleCells.h"
#include "rl/Colour.h"
#include "rl/Rect.h"

namespace {

const rl::Colour kOutsideColour(1, 1, 0, 1);      // cells beyond the grid
const rl::Colour kBrokenTileColour(1, 1, 1, 1);   // tiles that cannot draw
const rl::Colour kSolidColour(0, 1, 1, 0.3f);     // the flag overlay

constexpr int kBackgroundClipped = 1;
constexpr int kBackgroundScrolling = 0;

void FillSquare(float x, float y, float size, const rl::Colour& colour) { rl::Rect(x, y, size, size).Draw(colour); }

// One cell of a layer as a size x size square at (x, y): yellow outside the grid (no tile), nothing
// for an empty cell, the tile's picture through drawTile (which returns 0 when it drew), or white
// when the tile cannot be drawn.
template <typename DrawTile>
void DrawCell(Tile* tile, int tileCount, float x, float y, float size, DrawTile drawTile)
{
    if (!tile) {
        FillSquare(x, y, size, kOutsideColour);
        return;
    }
    const int n = tile->tileNumber;
    if (n == 0)
        return;
    if (n < 0 || n >= tileCount || drawTile(*tile, n) != 0)
        FillSquare(x, y, size, kBrokenTileColour);
}

} // namespace

void Level::DrawLayer(int viewWidth, int viewHeight, int scrollX, int scrollY, int screenX, int screenY, float zoom,
                      int which, int backgroundMode)
{
    if (which == 0) {
        if (!background)
            return;
        if (backgroundMode == kBackgroundClipped)
            background->DrawClipped(static_cast<float>(screenX), static_cast<float>(screenY), viewWidth, viewHeight);
        else if (backgroundMode == kBackgroundScrolling)
            background->Draw(static_cast<float>(scrollX));
        return;
    }
    if (which != kBackLayer && which != kFrontLayer)
        return;

    const VisibleCells cells = VisibleCells::Compute(viewWidth, viewHeight, scrollX, scrollY, zoom);
    const int count = tileset ? tileset->tileCount : 0;
    for (int i = 0; i < cells.columns; ++i) {
        const int column = cells.firstColumn + i;
        const float x = static_cast<float>(screenX) + cells.ColumnX(i);
        for (int j = 0; j < cells.rows; ++j) {
            const int row = cells.firstRow + j;
            const float y = static_cast<float>(screenY) + cells.RowY(j);
            DrawCell(GetTile(column, row, which), count, x, y, cells.cellSize, [&](Tile& tile, int n) {
                return tile.DrawScaled(static_cast<int>(x), static_cast<int>(y), tileset->DrawMode(n), zoom);
            });
        }
    }
}

void Level::DrawRows(int viewWidth, int viewHeight, int firstRowOffset, int screenX, int screenY)
{
    const int size = kCellSize;
    const int columns = viewWidth < 0 ? 0 : viewWidth / size + (viewWidth % size != 0 ? 1 : 0);
    const int rows = viewHeight < 0 ? 0 : viewHeight / size + (viewHeight % size != 0 ? 1 : 0);
    const int firstRow = firstRowOffset / size;
    const int remainder = firstRowOffset % size;
    const int count = tileset ? tileset->tileCount : 0;
    for (int i = 0; i < columns; ++i) {
        const int x = screenX + size * i;
        for (int j = 0; j < rows; ++j) {
            const int y = screenY + size * j - remainder;
            DrawCell(GetTile(i, firstRow + j, kBackLayer), count, static_cast<float>(x), static_cast<float>(y),
                     static_cast<float>(size), [&](Tile& tile, int) { return tile.Draw(x, y); });
        }
    }
}

void Level::DrawFlagOverlay(int viewWidth, int viewHeight, int scrollX, int scrollY, int screenX, int screenY,
                            float zoom)
{
    const VisibleCells cells = VisibleCells::Compute(viewWidth, viewHeight, scrollX, scrollY, zoom);
    for (int i = 0; i < cells.columns; ++i) {
        const int column = cells.firstColumn + i;
        if (column >= Width())
            break;
        for (int j = 0; j < cells.rows; ++j) {
            const int row = cells.firstRow + j;
            if (row >= Height())
                break;
            if (GetFlags(column, row) & 1)
                FillSquare(static_cast<float>(screenX) + cells.ColumnX(i), static_cast<float>(screenY) + cells.RowY(j),
                           cells.cellSize, kSolidColour);
        }
    }
}

int Tile::Draw(int x, int y) { return animation.Draw(x, y); }

int Tile::DrawScaled(int x, int y, int drawMode, float zoom) { return animation.DrawScaled(x, y, drawMode, zoom); }
