#include "level/TileSet.h"

#include <cstdio>

#include "core/Log.h"
#include "graphics/SpriteFiles.h"

TileSet::~TileSet()
{
    LogText("Tileset deconstructing....", 1);
    LogText("Destroying 'TileSet'", 1);
    drawModes.clear();
    graphics.reset();
    tileCount = 0;
    LogText("Tileset deconstructed", 1);
}

std::optional<std::string> TileSet::TileStem(const std::string& folder, int n)
{
    char buffer[spritefiles::kNameBufferSize];
    const int written = std::snprintf(buffer, sizeof buffer, "%sTile %03d", folder.c_str(), n);
    if (written < 0 || static_cast<size_t>(written) >= sizeof buffer)
        return std::nullopt;
    return std::string(buffer, static_cast<size_t>(written));
}

int TileSet::LoadPNG(const std::string& folder)
{
    LogText("", 2);
    LogText("******** TILESET::LOADPNG - Loading 'TileSet' from directory - ", 2);
    LogText(folder, 2);

    // Only the first picture of each tile is looked for: a tile without it ends the numbering.
    int count = 0;
    for (;;) {
        const std::optional<std::string> stem = TileStem(folder, count);
        if (!stem || !spritefiles::FileExists(spritefiles::FirstPictureName(*stem, 0)))
            break;
        ++count;
    }
    tileCount = count;
    LogValue("Animations found = ", count, 2);

    drawModes.assign(static_cast<size_t>(count), 0);
    graphics = std::make_unique<AnyGraphics[]>(static_cast<size_t>(count));

    LogText("Wanting to load: ", 2);
    for (int n = 0; n < count; ++n)
        graphics[n].Load(TileStem(folder, n).value_or(""));
    return 0;
}

AnyGraphics* TileSet::Graphics(int n) const
{
    if (!graphics || n < 0 || n >= tileCount || static_cast<size_t>(n) >= drawModes.size())
        return nullptr;
    return &graphics[n];
}

int32_t TileSet::DrawMode(int n) const
{
    if (n < 0 || static_cast<size_t>(n) >= drawModes.size())
        return 0;
    return drawModes[static_cast<size_t>(n)];
}
