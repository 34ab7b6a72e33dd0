#include "level/LevelBatch.h"

#include <cmath>
#include <vector>

#include "core/Clock.h"
#include "level/Level.h"
#include "level/VisibleCells.h"
#include "rl/Bitmap.h"

namespace {

const rl::Colour kOutsideColour(1, 1, 0, 1);
const rl::Colour kBrokenTileColour(1, 1, 1, 1);

} // namespace

bool LevelBatch::Rebuild(const TileSet* tileset)
{
    std::vector<const rl::Bitmap*> pictures;
    if (tileset)
        for (int n = 0; n < tileset->tileCount; ++n)
            if (const AnyGraphics* graphics = tileset->Graphics(n))
                for (int set = 0; set < graphics->frameSetCount; ++set)
                    for (int frame = 0; frame < graphics->FrameCount(set); ++frame)
                        if (const Frame* shown = graphics->GetFrame(set, frame))
                            pictures.push_back(shown->bitmap);
    return atlas_.Build(pictures);
}

bool LevelBatch::Queue(Level& level, int viewWidth, int viewHeight, int scrollX, int scrollY, int screenX,
                       int screenY, float zoom, int which, bool advance)
{
    const VisibleCells cells = VisibleCells::Compute(viewWidth, viewHeight, scrollX, scrollY, zoom);
    const TileSet* tileset = level.GetTileSet();
    const int count = tileset ? tileset->tileCount : 0;
    for (int i = 0; i < cells.columns; ++i) {
        const float x = static_cast<float>(screenX) + cells.ColumnX(i);
        for (int j = 0; j < cells.rows; ++j) {
            const float y = static_cast<float>(screenY) + cells.RowY(j);
            Tile* tile = level.GetTile(cells.firstColumn + i, cells.firstRow + j, which);
            if (!tile) {
                atlas_.AddFill(x, y, cells.cellSize, cells.cellSize, kOutsideColour);
                continue;
            }
            const int n = tile->tileNumber;
            if (n == 0)
                continue;
            Animation& animation = tile->animation;
            if (advance && n > 0 && n < count && TimerTicked)
                animation.Update();
            const Frame* frame = animation.graphics ? animation.graphics->GetFrame(animation.frameSet, animation.frame)
                                                    : nullptr;
            const rl::Bitmap* image = frame ? frame->bitmap : nullptr;
            if (n < 0 || n >= count || !image) {
                atlas_.AddFill(x, y, cells.cellSize, cells.cellSize, kBrokenTileColour);
                continue;
            }
            const int mode = tileset->DrawMode(n);
            if (!image->IsValid() || (mode != 0 && mode != 1))
                continue;   // drawn as nothing, as a single draw would
            // Whole pixels at whole-pixel corners, rounded up, as a tile drawn on its own.
            const float left = static_cast<float>(static_cast<int>(x)), top = static_cast<float>(static_cast<int>(y));
            const float w = std::ceil(image->Width() * zoom), h = std::ceil(image->Height() * zoom);
            if (!atlas_.AddPicture(image, left, top, w, h, mode == 1))
                return false;
        }
    }
    return true;
}

void LevelBatch::DrawLayer(Level& level, int viewWidth, int viewHeight, int scrollX, int scrollY, int screenX,
                           int screenY, float zoom, int which)
{
    if (which != TileGrid::kBackLayer && which != TileGrid::kFrontLayer)
        return;
    bool queued = Queue(level, viewWidth, viewHeight, scrollX, scrollY, screenX, screenY, zoom, which, true);
    if (!queued) {
        // A picture the atlas lacks: take the tileset in again, then queue without advancing the
        // tiles a second time.
        atlas_.Discard();
        queued = Rebuild(level.GetTileSet()) &&
                 Queue(level, viewWidth, viewHeight, scrollX, scrollY, screenX, screenY, zoom, which, false);
    }
    if (queued) {
        atlas_.Draw();
        return;
    }
    atlas_.Discard();
    level.DrawLayer(viewWidth, viewHeight, scrollX, scrollY, screenX, screenY, zoom, which);
}
