#include "game/GameDraw.h"

#include "entities/EntityList.h"
#include "game/CameraView.h"
#include "level/Level.h"

void DrawGame(const CameraView& view, Level& level, EntityList& entities)
{
    const int scrollX = static_cast<int>(view.camX), scrollY = static_cast<int>(view.camY);
    level.DrawLayer(view.width, view.height, scrollX, scrollY, 0, 0, view.zoom, 0);
    level.DrawLayer(view.width, view.height, scrollX, scrollY, 0, 0, view.zoom, TileGrid::kBackLayer);
    entities.DrawAll(static_cast<float>(scrollX), static_cast<float>(scrollY), view.zoom);
    level.DrawLayer(view.width, view.height, scrollX, scrollY, 0, 0, view.zoom, TileGrid::kFrontLayer);
}
