#include "tests/level/LevelFuzzTarget.h"

#include <allegro.h>
#include <cstring>
#include <memory>
#include <string_view>

#include "core/Alert.h"
#include "core/Packfiles.h"
#include "level/Level.h"
#include "tests/skeleton/SkinTestSupport.h"

namespace {

std::string SaveToMemory(const Level& level)
{
    std::string bytes;
    PACKFILE* out = packfiles::OpenMemoryWriter(&bytes);
    level.Save(out);
    pack_fclose(out);
    return bytes;
}

} // namespace

std::string FuzzLevelFile(const uint8_t* data, size_t size)
{
    static TestResources resources;   // the backdrop and any tiles load as placeholders
    SetAlertRecording(true);
    ClearRecordedAlerts();

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PACKFILE* in = packfiles::OpenMemoryReader(bytes);
    Level level(in);
    pack_fclose(in);

    if (std::memchr(level.tilesetFolder, 0, Level::kFolderFieldSize) == nullptr)
        return "the tileset folder has no terminator";
    if (!level.HasGrid())
        return level.Width() == 0 && level.Height() == 0 ? "" : "a level without a grid has a size";
    if (level.Width() < 1 || level.Height() < 1 || level.Width() > Level::kMaxSize || level.Height() > Level::kMaxSize)
        return "a size outside 1 ... 300 was built";
    if (level.version != 1 && level.version != 2)
        return "version " + std::to_string(level.version) + " was kept";
    const TileSet* tiles = level.GetTileSet();
    for (int x = 0; x < level.Width(); ++x)
        for (int y = 0; y < level.Height(); ++y)
            for (int layer : {1, 2}) {
                const Tile* tile = level.GetTile(x, y, layer);
                const bool drawable = tiles && tile->tileNumber >= 0 && tile->tileNumber < tiles->tileCount;
                if (!drawable && tile->animation.graphics)
                    return "a tile outside the tileset plays a picture";
            }

    // What a loaded level writes reads back into a level that writes the same bytes.
    const std::string written = SaveToMemory(level);
    PACKFILE* again = packfiles::OpenMemoryReader(written);
    Level reread(again);
    pack_fclose(again);
    if (SaveToMemory(reread) != written)
        return "a written level does not read back the same";
    return "";
}
