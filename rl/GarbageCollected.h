#pragma once
// The base of every rendering object that holds graphics memory. The layer keeps a list of all of
// them so that objects created before the screen existed can be loaded once it does (the auto
// loader), and so that whatever is left at process exit is released (the garbage collector).

namespace rl {

enum RlLoadResult : int {
    RL_LOADED = 0,         // loaded, or nothing was pending
    RL_NOT_YET = 1,        // not possible yet: try again on a later pass
    RL_LOAD_FAILED = 2,
};

class GarbageCollected {
public:
    GarbageCollected() = default;
    GarbageCollected(const GarbageCollected&) = delete;
    GarbageCollected& operator=(const GarbageCollected&) = delete;
    virtual ~GarbageCollected();

    // Releases the graphics memory; with unregister, also leaves the layer's list.
    virtual void Destroy(bool unregister) = 0;
    virtual RlLoadResult ExecutePendingLoad() = 0;
    // Moves the object's graphics memory off the card / back onto it.
    virtual void UnloadToMemory() = 0;
    virtual void SendToGPU() = 0;
    virtual bool IsValid() const = 0;
    virtual bool HasPendingLoad() const = 0;
    virtual void Register();

    // When set, the garbage collector deletes the object at exit, not only releases it.
    bool collectDeletes = false;

protected:
    void Unregister();

private:
    friend void CollectGarbage();
    bool registered_ = false;
};

// Runs every pending load (after the screen is set up); returns the number of objects it tried.
int RunAutoLoader();
// Releases every registered object (and deletes those with collectDeletes), then empties the list.
void CollectGarbage();
int RegisteredObjectCount();

} // namespace rl
