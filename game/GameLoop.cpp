#include "game/GameLoop.h"

#include <algorithm>

#include "entities/EntityList.h"

GameLoop::GameLoop(EntityList& list, const TileGrid* level) : list_(list), level_(level) {}

void GameLoop::Start(int32_t now)
{
    scheduleStart_ = now;
    scheduled_ = 0;
}

int GameLoop::RunDueTicks(int32_t now)
{
    // Tick k of the schedule is due at scheduleStart_ + k * 1000 / 30 ms; 64-bit arithmetic keeps a
    // long session exact.
    const int64_t elapsed = static_cast<int64_t>(now) - scheduleStart_;
    int64_t due = elapsed * kTicksPerSecond / 1000 - scheduled_;
    if (due <= 0)
        return 0;
    if (due > kMaxCatchUpTicks) {
        due = kMaxCatchUpTicks;
        // Forget the backlog: the schedule restarts from now.
        Start(now);
    } else {
        scheduled_ += due;
    }
    for (int64_t i = 0; i < due; ++i)
        Tick();
    return static_cast<int>(due);
}

void GameLoop::Tick()
{
    list_.Collect(entities_);
    for (Entity* entity : entities_)
        entity->Think();
    for (Entity* entity : entities_)
        entity->Update(1, level_);
    CollidePairs();
    RemoveFinished();
    ++ticksRun_;
}

void GameLoop::CollidePairs()
{
    boxes_.clear();
    for (Entity* e : entities_) {
        if (e->IsFinished())
            continue;
        boxes_.push_back(Box {e->x + static_cast<float>(e->boxLeft), e->y + static_cast<float>(e->boxTop),
                              e->x + static_cast<float>(e->boxRight), e->y + static_cast<float>(e->boxBottom), e});
    }
    // Stable, so entities at the same left edge meet in list order and a tick is repeatable.
    std::stable_sort(boxes_.begin(), boxes_.end(), [](const Box& a, const Box& b) { return a.left < b.left; });
    for (size_t i = 0; i < boxes_.size(); ++i) {
        const Box& a = boxes_[i];
        for (size_t j = i + 1; j < boxes_.size() && boxes_[j].left <= a.right; ++j) {
            const Box& b = boxes_[j];
            if (b.top > a.bottom || a.top > b.bottom)
                continue;
            // Boxes are inclusive on every side, so touching edges count as overlapping.
            if (a.entity->entityCollision)
                a.entity->OnCollide(b.entity);
            if (b.entity->entityCollision)
                b.entity->OnCollide(a.entity);
        }
    }
}

void GameLoop::RemoveFinished()
{
    // Deleting an entity may spawn others (a burst where an enemy fell): the list is asked afresh.
    list_.Collect(entities_);
    for (Entity* e : entities_) {
        if (!e->IsFinished())
            continue;
        if (onRemove)
            onRemove(e);
        list_.Remove(e);
    }
}
