// A game tick of the entity classes: an explosion's particles (Think + Update), a snowfall over a
// level, and cactus men walking on their shipped skeleton (pose blend included).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>
#include <vector>

#include "bench/BenchSupport.h"
#include "core/Clock.h"
#include "core/Random.h"
#include "entities/E_CactusMan.h"
#include "entities/EntityList.h"
#include "level/TileGrid.h"
#include "particles/ParticleTree.h"
#include "tests/skeleton/SkinTestSupport.h"

namespace {

// Think + Update of one explosion tree, per particle. A tree lives 20 ticks; it is made afresh
// (outside the timing) when it has finished.
void ExplosionTick(benchmark::State& state)
{
    LogInTempFolder log;
    SeedRandom(1);
    const int count = static_cast<int>(state.range(0));
    auto tree = std::make_unique<exploPT>(100, 100, "Explosion", count);
    for (auto _ : state) {
        tree->Think();
        tree->Update(1, nullptr);
        if (tree->flags == ENT_DEAD) {
            state.PauseTiming();
            tree = std::make_unique<exploPT>(100, 100, "Explosion", count);
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(ExplosionTick)->Arg(10)->Arg(100)->Arg(10000);

// A level of 60 x 12 cells with a floor and pillars.
void BuildLevel(TileGrid& level)
{
    level.Build(60, 12);
    for (int x = 0; x < level.Width(); ++x) {
        level.SetFlags(x, 10, 1);
        if (x % 7 == 3)
            for (int y = 6; y < 10; ++y)
                level.SetFlags(x, y, 1);
    }
}

void SnowTick(benchmark::State& state)
{
    LogInTempFolder log;
    SeedRandom(1);
    TileGrid level;
    BuildLevel(level);
    snowPT snow(0, 0, "Snow Fall - Front");
    for (int t = 0; t < 1000; ++t) {   // every flake falling or settled
        snow.Think();
        snow.Update(1, &level);
    }
    for (auto _ : state) {
        snow.Think();
        snow.Update(1, &level);
    }
    state.SetItemsProcessed(state.iterations() * snow.count);
}
BENCHMARK(SnowTick);

// Think + Update of 100 cactus men, per cactus man.
void CactusManTick(benchmark::State& state)
{
    LogInTempFolder log;
    StandBesideGameData(MARL_SOURCE_DIR);
    TestResources resources;
    SeedRandom(1);
    TileGrid level;
    BuildLevel(level);
    EntityList list;
    SetCurrentGameList(&list);
    for (int i = 0; i < 100; ++i)
        list.Add(std::make_unique<E_CactusMan>(static_cast<float>(100 + 35 * i), 500, "CactusMan"));
    std::vector<Entity*> all;
    list.Collect(all);
    TimerTicked = 1;
    for (auto _ : state) {
        for (Entity* e : all)
            e->Think();
        for (Entity* e : all)
            e->Update(1, &level);
        ElapsedMs += 33;
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(all.size()));
    SetCurrentGameList(nullptr);
    while (list.Size() > 0)
        list.Remove(list.GetEntity(0));
}
BENCHMARK(CactusManTick);

} // namespace
