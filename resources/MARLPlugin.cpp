#include "resources/MARLPlugin.h"

#include <algorithm>

#include "core/Log.h"
#include "skeleton/Skeleton.h"

MARLPlugin::MARLPlugin() { LogText("New MARL plugin created", 1); }

MARLPlugin::~MARLPlugin() { LogText("RL MARL plugin destroyed", 1); }

void* MARLPlugin::Load(const std::string& fileName)
{
    auto skeleton = std::make_unique<Skeleton>();
    if (skeleton->Load(fileName) == 1) {
        // Nobody will ever see the skeleton that could not be filled.
        skeleton.reset();
        LogText("ERROR: FILE NOT FOUND!", 1);
        return nullptr;
    }
    LogText("Load successful!", 1);
    LogText("", 1);
    return skeleton.release();
}

int32_t MARLPlugin::Unload(void* resource)
{
    LogText("MARL PLUGIN - Unloading resource", 1);
    auto* skeleton = static_cast<Skeleton*>(resource);
    if (skeleton) {
        skeleton->DeleteLimb(skeleton->Root());
        if (skeleton->FrameSetCount() > 0)
            skeleton->ClearFrameSets();
        LogText("Unloaded MARL successfully", 1);
        // Kept alive, empty, for whoever still points at it; freed with the plug-in. Emptying it
        // a second time must not make it a second owner.
        const bool kept = std::any_of(emptied_.begin(), emptied_.end(),
                                      [skeleton](const std::unique_ptr<Skeleton>& s) { return s.get() == skeleton; });
        if (!kept)
            emptied_.emplace_back(skeleton);
    } else {
        LogText("MARL was already unloaded or never existed!", 1);
    }
    return 0;
}
