#include "resources/RLBMPPlugin.h"

#include <memory>

#include "core/Log.h"
#include "rl/Bitmap.h"

RLBMPPlugin::RLBMPPlugin() { LogText("New RL BMP plugin created", 1); }

RLBMPPlugin::~RLBMPPlugin() { LogText("RL BMP plugin destroyed", 1); }

void* RLBMPPlugin::Load(const std::string& fileName)
{
    LogText("RL BMP PLUGIN - Want to load: " + fileName, 1);
    auto bitmap = std::make_unique<rl::Bitmap>(fileName, 0);
    if (!bitmap->IsValid()) {
        // Dropped here rather than left to the garbage collector: nobody else ever sees it.
        LogText("ERROR: FILE NOT FOUND!", 1);
        return nullptr;
    }
    // Unloading empties the bitmap without deleting it; the collector frees the shell at exit.
    bitmap->collectDeletes = true;
    LogText("Load successful!", 1);
    LogText("", 1);
    return bitmap.release();
}

int32_t RLBMPPlugin::Unload(void* resource)
{
    LogText("RL BMP PLUGIN - Unloading resource", 1);
    auto* bitmap = static_cast<rl::Bitmap*>(resource);
    if (bitmap && bitmap->IsValid()) {
        bitmap->Destroy(false);
        LogText("Unloaded BITMAP successfully", 1);
    } else {
        LogText("BITMAP was already unloaded or never existed!", 1);
    }
    return 0;
}
