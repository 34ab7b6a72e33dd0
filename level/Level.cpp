#include "level/Level.h"

#include <cstring>

#include "core/Log.h"

Level::Level(int width, int height)
{
    SetTilesetFolder(kDefaultTilesetFolder);
    MakeNew(width, height);
}

Level::~Level() { Destroy(); }

void Level::MakeNew(int width, int height)
{
    LogValues("'LEVEL::MAKENEW' - Creating new level sized ", width, height, 1);
    if (width < 1 || height < 1 || width > kMaxSize || height > kMaxSize)
        return;
    if (HasGrid())
        Destroy();
    Create(width, height);
}

void Level::Create(int width, int height)
{
    if (HasGrid()) {
        LogValues("LEVEL::CREATE - Can't create, already exists!", Width(), Height(), 4);
        return;
    }
    // MakeNew keeps to these sizes; a direct call outside them would build nothing sensible.
    if (width < 1 || height < 1 || width > kMaxSize || height > kMaxSize) {
        LogValues("LEVEL::CREATE - Can't create, size out of range!", width, height, 4);
        return;
    }
    version = 1;
    Build(width, height);
    if (!background)
        background = std::make_unique<MBackground>();
    if (!tileset) {
        LogText("Tileset constructed", 1);
        tileset = std::make_unique<TileSet>();
        tileset->LoadPNG(TilesetFolder());
    }
    for (int x = 0; x < Width(); ++x)
        for (int y = 0; y < Height(); ++y)
            SetFlags(x, y, 0);
    LogValues("LEVEL::CREATE - New 'Level' created ", Width(), Height(), 1);
}

void Level::Destroy()
{
    if (HasGrid())
        Clear();   // before the tileset: the tiles' animations point into it
    else
        LogText("LEVEL::DESTROY - Can't destroy what doesn't exist!", 4);
    background.reset();
    tileset.reset();
    LogText("LEVEL::DESTROY - 'Level' destroyed!", 1);
}

int Level::SetTile(int x, int y, int tileNumber, int layer)
{
    const int count = tileset ? tileset->tileCount : 0;
    if (tileNumber < 0 || tileNumber >= count || !Contains(x, y))
        return 1;
    if (Tile* tile = GetTile(x, y, layer))
        tile->Assign(tileNumber, tileset->Graphics(tileNumber));
    return 0;
}

std::string Level::TilesetFolder() const { return std::string(tilesetFolder, strnlen(tilesetFolder, kFolderFieldSize)); }

void Level::SetTilesetFolder(const std::string& folder)
{
    const size_t length = std::min(folder.size(), kFolderFieldSize - 1);
    std::memset(tilesetFolder, 0, kFolderFieldSize);
    std::memcpy(tilesetFolder, folder.data(), length);
}
