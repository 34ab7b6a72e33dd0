// The level file: reading and writing a level through an Allegro packfile.
#include "level/Level.h"

#include <cstring>

#include <allegro.h>

#include "core/Alert.h"
#include "core/Log.h"

namespace {

constexpr int32_t kWrittenVersion = 2;

// Numbers are stored as little-endian 32-bit integers whatever the machine's order.
bool WriteNumber(PACKFILE* file, int32_t value)
{
    const uint32_t bits = static_cast<uint32_t>(value);
    const unsigned char bytes[4] = {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
                                    static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
    return pack_fwrite(bytes, 4, file) == 4;
}

bool ReadNumber(PACKFILE* file, int32_t& value)
{
    unsigned char bytes[4];
    if (pack_fread(bytes, 4, file) != 4)
        return false;
    value = static_cast<int32_t>(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                                 uint32_t(bytes[3]) << 24);
    return true;
}

} // namespace

Level::Level(PACKFILE* file)
{
    SetTilesetFolder(kDefaultTilesetFolder);
    Load(file);
}

int Level::Save(PACKFILE* file) const
{
    // A level without a grid would be stored as 0 x 0, which no reader takes back: writing it
    // over a good file would lose that file.
    if (!HasGrid()) {
        LogText("LEVEL::SAVE - No level to save!", 4);
        return 1;
    }
    int problems = 0;
    const auto write = [&](int32_t value) {
        if (!WriteNumber(file, value))
            ++problems;
    };
    write(kWrittenVersion);
    write(Width());
    write(Height());
    for (int x = 0; x < Width(); ++x)
        for (int y = 0; y < Height(); ++y)
            for (int layer : {kBackLayer, kFrontLayer}) {
                const Tile* tile = GetTile(x, y, layer);
                write(tile->tileNumber);
                write(tile->flags);
            }
    // The path, then zero bytes up to the field's end (the field is kept zero-filled).
    char field[kFolderFieldSize] = {};
    std::memcpy(field, tilesetFolder, strnlen(tilesetFolder, kFolderFieldSize - 1));
    if (pack_fwrite(field, kFolderFieldSize, file) != static_cast<long>(kFolderFieldSize))
        ++problems;
    if (problems != 0)
        LogValue("LEVEL::SAVE - Write Problems = ", problems, 4);
    return problems;
}

int Level::Load(PACKFILE* file)
{
    LogText("Level::load - Loading starting...", 2);
    int32_t fileVersion = 0;
    if (!ReadNumber(file, fileVersion) || (fileVersion != 1 && fileVersion != 2)) {
        ShowAlert("Level wrong version", "Can't Open", "", "&Continue");
        LogValue("'LEVEL::LOAD' - Can't open level, wrong version! Version: ", fileVersion, 4);
        return 1;
    }
    // The size decides what is allocated: refuse anything the level cannot hold before building.
    int32_t width = 0, height = 0;
    if (!ReadNumber(file, width) || !ReadNumber(file, height) || width < 1 || height < 1 || width > kMaxSize ||
        height > kMaxSize) {
        LogValues("'LEVEL::LOAD' - Can't open level, size out of range! Size:", width, height, 4);
        return 1;
    }
    MakeNew(width, height);
    version = fileVersion;

    int problems = 0;
    const auto readTile = [&](Tile* tile) {
        int32_t number = 0;
        if (ReadNumber(file, number))
            // Kept as stored even when the tileset cannot show it (it then draws as a white square).
            tile->Assign(number, tileset ? tileset->Graphics(number) : nullptr);
        else
            ++problems;
        if (!ReadNumber(file, tile->flags))
            ++problems;
    };
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            readTile(GetTile(x, y, kBackLayer));
            if (fileVersion == 2)
                readTile(GetTile(x, y, kFrontLayer));
        }

    char field[kFolderFieldSize] = {};
    if (pack_fread(field, kFolderFieldSize, file) == static_cast<long>(kFolderFieldSize)) {
        field[kFolderFieldSize - 1] = 0;   // a field without its terminator is cut, never overrun
        std::memcpy(tilesetFolder, field, kFolderFieldSize);
    } else {
        ++problems;   // a fragment of a path is no folder: keep the one we have
    }
    LogValue("'LEVEL::LOAD' - Read Problems = ", problems, 4);
    return problems;
}
