#pragma once
// The game's fixed-rate loop over the current game list: 30 ticks a second on the program clock.
//
// One tick, in this order:
//   1. Think on every entity, in list order;
//   2. Update (time step 1, the level) on every entity;
//   3. OnCollide for every pair of entities whose boxes overlap, in both directions: a hears of b
//      when a's entityCollision switch is on (an entity that has turned it off, like a camera that
//      has fired its trigger, hears of nothing); finished entities take no part;
//   4. every finished entity (ENT_ALIVE cleared, or flags exactly ENT_DEAD) is removed from the
//      list, after every other entity has forgotten its links to it, and deleted.
// The tick works on the entities the list held when it began: what they spawn meanwhile joins the
// list at once (nothing is invalidated) and thinks first on the next tick. Entities never remove
// each other; they finish, and the tick removes them.
//
// Pairs are found by a sweep over the boxes sorted by their left edges, so a tick costs what the
// entities that can touch cost, not the square of the list.

#include <cstdint>
#include <functional>
#include <vector>

class Entity;
class EntityList;
class TileGrid;

class GameLoop {
public:
    static constexpr int kTicksPerSecond = 30;
    // After a stall (a slow frame, a debugger, a dialog) at most this many ticks catch up; the rest
    // of the missed time is dropped rather than run in a burst that would stall again.
    static constexpr int kMaxCatchUpTicks = 4;

    // The list and the level stay the caller's and must outlive the loop.
    GameLoop(EntityList& list, const TileGrid* level);

    // Starts the tick schedule at clock time now (the first tick is due one period later).
    void Start(int32_t now);
    // Runs the ticks due by clock time now; returns how many ran.
    int RunDueTicks(int32_t now);
    // One tick, whatever the clock says.
    void Tick();

    // Called with each finished entity just before it is removed and deleted (the level player
    // forgets its player or camera there).
    std::function<void(const Entity*)> onRemove;

    int64_t TicksRun() const { return ticksRun_; }

private:
    void CollidePairs();
    void RemoveFinished();

    EntityList& list_;
    const TileGrid* level_;
    int64_t ticksRun_ = 0;
    int64_t scheduled_ = 0;      // ticks the schedule has handed out since scheduleStart_
    int32_t scheduleStart_ = 0;

    struct Box {
        float left, top, right, bottom;
        Entity* entity;
    };
    // Scratch space, kept between ticks so a tick does not allocate once the list has settled.
    std::vector<Entity*> entities_;
    std::vector<Box> boxes_;
};
