#include "rl/GarbageCollected.h"

#include <algorithm>
#include <string>
#include <vector>

#include "rl/Layer.h"

namespace rl {

namespace {

// Never destroyed: objects may unregister during static destruction, after the collector ran.
std::vector<GarbageCollected*>& Registered()
{
    static auto* objects = new std::vector<GarbageCollected*>();
    return *objects;
}

} // namespace

GarbageCollected::~GarbageCollected() { Unregister(); }

void GarbageCollected::Register()
{
    if (registered_)
        return;
    Registered().push_back(this);
    registered_ = true;
}

void GarbageCollected::Unregister()
{
    if (!registered_)
        return;
    auto& objects = Registered();
    objects.erase(std::remove(objects.begin(), objects.end(), this), objects.end());
    registered_ = false;
}

int RegisteredObjectCount() { return static_cast<int>(Registered().size()); }

int RunAutoLoader()
{
    std::vector<GarbageCollected*> pending;
    for (GarbageCollected* object : Registered())
        if (object->HasPendingLoad())
            pending.push_back(object);
    const int count = static_cast<int>(pending.size());
    LayerLog("\nAuto Loader: Executing " + std::to_string(count) + " pending loading commands");

    while (!pending.empty()) {
        const size_t before = pending.size();
        std::vector<GarbageCollected*> again;
        for (GarbageCollected* object : pending) {
            const int result = object->ExecutePendingLoad();
            if (result == RL_NOT_YET)
                again.push_back(object);
            else if (result == RL_LOAD_FAILED)
                LayerError("Auto Loader: Couldn't load a resource!");
            else if (result != RL_LOADED)
                LayerError("Auto Loader: Unknown RlLoadResult enumeration!");
        }
        pending.swap(again);
        if (pending.size() == before) {
            LayerError("Auto Loader: Circular dependancy detected! Bailing out!");
            break;
        }
    }
    LayerLog("Auto Loader: Completed\n");
    return count;
}

void CollectGarbage()
{
    // Work on a copy: destroying or deleting one object may unregister others meanwhile, so each
    // is handled only while it is still registered.
    const std::vector<GarbageCollected*> objects = Registered();
    LayerLog("\nGarbage Collector: Destroying " + std::to_string(objects.size()) + " items");
    auto isRegistered = [](GarbageCollected* object) {
        const auto& now = Registered();
        return std::find(now.begin(), now.end(), object) != now.end();
    };
    for (GarbageCollected* object : objects) {
        if (!isRegistered(object))
            continue;
        object->Destroy(false);
        if (object->collectDeletes)
            delete object;
    }
    for (GarbageCollected* object : Registered())
        object->registered_ = false;
    Registered().clear();
    LayerLog("Garbace Collector: Completed\n");
}

} // namespace rl
