// One tick of the game loop over many entities spread across a level: the physics step, the move
// with its collision against the level's cells, and the pairs found by the sweep.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include <allegro.h>
#include <unistd.h>

#include "bench/BenchSupport.h"
#include "core/Clock.h"
#include "core/Random.h"
#include "entities/BuiltInEntities.h"
#include "entities/EntityList.h"
#include "entities/EntityRegistry.h"
#include "game/GameLoop.h"
#include "game/PlaySession.h"
#include "level/Level.h"
#include "level/TileGrid.h"
#include "tests/skeleton/SkinTestSupport.h"

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

// One tick of the sample level as marl-play runs it: every entity of Jungle.LEVENTS thinking (the
// skeleton-driven ones blending their poses), moving against the level and colliding. Pictures
// load as placeholders: a tick draws nothing.
void SampleLevelTick(benchmark::State& state)
{
    LogInTempFolder log;
    StandBesideGameData(MARL_SOURCE_DIR);
    TestResources resources;
    EntityRegistry registry;
    RegisterBuiltInEntities(registry);
    g_EntityRegistry = &registry;
    SeedRandom(1);

    PACKFILE* file = pack_fopen("../Game Data/Levels/Jungle.LEV", F_READ);
    if (!file)
        std::abort();
    Level level(file);
    pack_fclose(file);
    EntityList entities;
    if (!entities.LoadFile("../Game Data/Levels/Jungle.LEVENTS"))
        std::abort();
    {
        PlaySession session(entities, &level, 800, 600);
        TimerTicked = 1;
        int32_t now = 0;
        session.Start(now);
        for (auto _ : state) {
            now += 34;   // a little over one tick's 33 1/3 ms: one tick each time
            ElapsedMs = now;
            session.Advance(now);
        }
        state.counters["entities"] = static_cast<double>(entities.Size());
    }
    g_EntityRegistry = nullptr;
}
BENCHMARK(SampleLevelTick)->Unit(benchmark::kMicrosecond);

} // namespace
