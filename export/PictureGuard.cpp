#include "export/PictureGuard.h"

#include <allegro.h>
#include <memory>

#include "rl/Bitmap.h"

void* PictureGuard::Load(const std::string& fileName)
{
    if (void* picture = pictures_.Load(fileName))
        return picture;
    broken_.push_back(fileName);
    BITMAP* blank = create_bitmap_ex(32, 1, 1);
    if (!blank)
        return nullptr;
    clear_to_color(blank, makeacol32(0, 0, 0, 0));
    auto standIn = std::make_unique<rl::Bitmap>(blank, true);
    // Released like the plug-in's own pictures: emptied on unload, deleted by the collector.
    standIn->collectDeletes = true;
    return standIn.release();
}

int32_t PictureGuard::Unload(void* resource) { return pictures_.Unload(resource); }
