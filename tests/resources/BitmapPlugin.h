#pragma once
// A picture plug-in for the sprite tests that draw.

#include <memory>
#include <string>
#include <vector>

#include "resources/RPlugin.h"
#include "rl/Bitmap.h"

namespace testplugins {

// Turns pictures into real rl::Bitmaps, as the engine's bitmap plug-in does: an unloaded bitmap
// loses its texture but the object stays alive (frames may still point at it), freed with the
// plug-in.
class BitmapPlugin : public RPlugin {
public:
    void* Load(const std::string& fileName) override
    {
        ++loadCount;
        auto bitmap = std::make_unique<rl::Bitmap>(fileName);
        if (!bitmap->IsValid())
            return nullptr;
        made.push_back(std::move(bitmap));
        return made.back().get();
    }
    int32_t Unload(void* resource) override
    {
        ++unloadCount;
        static_cast<rl::Bitmap*>(resource)->Destroy(false);
        return 0;
    }
    int loadCount = 0;
    int unloadCount = 0;
    std::vector<std::unique_ptr<rl::Bitmap>> made;
};

} // namespace testplugins
