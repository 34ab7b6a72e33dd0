// One tick of the game loop over many entities spread across a level: the physics step, the move
// with its collision against the level's cells, and the pairs found by the sweep.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "bench/BenchSupport.h"
#include "core/Random.h"
#include "entities/EntityList.h"
#include "game/GameLoop.h"
#include "level/TileGrid.h"

namespace {

// Walks, falls and lands as the game's creatures do, and counts the entities it touches.
class Walker : public Entity {
public:
    Walker(float x, float y) : Entity(x, y, "walker")
    {
        boxLeft = -20;
        boxTop = -50;
        boxRight = 20;
        boxBottom = 50;
        collidesWithLevel = true;
        entityCollision = true;
        friction = 0.1f;
    }
    void Think() override
    {
        driveX = 0.2f * static_cast<float>(RandomInt() % 3 - 1);
        Step();
    }
    void Update(float dt, const TileGrid* level) override
    {
        const float oldX = std::ceil(x), oldY = std::ceil(y);
        x += velX * dt;
        y += velY * dt;
        CollideWithLevel(level, oldX, oldY);
    }
    void OnCollide(Entity*) override { ++touches; }
    int touches = 0;
};

void GameTick(benchmark::State& state)
{
    LogInTempFolder log;
    const int count = static_cast<int>(state.range(0));
    TileGrid level;
    level.Build(300, 20);
    for (int x = 0; x < level.Width(); ++x)
        level.SetFlags(x, level.Height() - 1, 1);   // a floor
    EntityList list;
    SetCurrentGameList(&list);
    SeedRandom(1);
    const float width = static_cast<float>(level.Width() * TileGrid::kCellSize);
    for (int i = 0; i < count; ++i)
        list.Add(std::make_unique<Walker>(width * static_cast<float>(i) / static_cast<float>(count) + 100, 1000));
    GameLoop loop(list, &level);
    for (auto _ : state)
        loop.Tick();
    state.counters["entities"] = static_cast<double>(list.Size());
    SetCurrentGameList(nullptr);
}
BENCHMARK(GameTick)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace
