#include "level/TileGrid.h"

#include "core/Assert.h"

namespace {

std::vector<std::unique_ptr<Tile[]>> MakeLayer(int width, int height)
{
    std::vector<std::unique_ptr<Tile[]>> layer;
    layer.reserve(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x)
        layer.push_back(std::make_unique<Tile[]>(static_cast<size_t>(height)));
    return layer;
}

} // namespace

void TileGrid::Build(int width, int height)
{
    Clear();
    if (width < 1 || height < 1)
        return;
    backLayer_ = MakeLayer(width, height);
    frontLayer_ = MakeLayer(width, height);
    width_ = width;
    height_ = height;
}

void TileGrid::Clear()
{
    backLayer_.clear();
    frontLayer_.clear();
    width_ = 0;
    height_ = 0;
}

Tile* TileGrid::GetTile(int x, int y, int layer)
{
    return const_cast<Tile*>(static_cast<const TileGrid*>(this)->GetTile(x, y, layer));
}

const Tile* TileGrid::GetTile(int x, int y, int layer) const
{
    if (!Contains(x, y))
        return nullptr;
    MARL_ASSERT(backLayer_.size() == static_cast<size_t>(width_) && frontLayer_.size() == backLayer_.size());
    if (layer == kBackLayer)
        return &backLayer_[static_cast<size_t>(x)][y];
    if (layer == kFrontLayer)
        return &frontLayer_[static_cast<size_t>(x)][y];
    return nullptr;
}

int32_t TileGrid::GetFlags(int x, int y) const
{
    const Tile* tile = GetTile(x, y, kBackLayer);
    return tile ? tile->flags : -1;
}

void TileGrid::SetFlags(int x, int y, int32_t value)
{
    if (Tile* tile = GetTile(x, y, kBackLayer))
        tile->flags = value;
}

bool TileGrid::CellBlocks(int x, int y) const
{
    const Tile* tile = GetTile(x, y, kBackLayer);
    return !tile || tile->tileNumber == -1 || (tile->flags & 1) != 0;
}
