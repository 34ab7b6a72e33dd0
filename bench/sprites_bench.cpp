// What sharing an image costs: a second Load (and its Unload) of a name the resource manager already
// holds, as every frame naming a shared picture does; and the per-draw cost of timing an animation.
#include <benchmark/benchmark.h>

#include "bench/BenchSupport.h"
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/Clock.h"
#include "core/Log.h"
#include "graphics/Animation.h"
#include "graphics/AnyGraphics.h"
#include "resources/ResourceManager.h"

namespace {


class TagPlugin : public RPlugin {
public:
    void* Load(const std::string& fileName) override { return tags.emplace_back(fileName).data(); }
    int32_t Unload(void*) override { return 0; }
    std::vector<std::string> tags;
};

void BM_LoadOfAnAlreadyLoadedName(benchmark::State& state)
{
    LogInTempFolder log;
    TagPlugin plugin;
    plugin.tags.reserve(static_cast<size_t>(state.range(0)));
    ResourceManager manager;
    manager.AddPlugin("PNG", &plugin);
    // A database of the given size, as a level's tiles and entities fill it.
    for (int i = 0; i < state.range(0); ++i)
        manager.Load("../Game Data/GFX/Tileset - Jungle PNG/Tile " + std::to_string(i) + "-a-00.png");
    const std::string name = "../Game Data/GFX/Tileset - Jungle PNG/Tile " + std::to_string(state.range(0) / 2) + "-a-00.png";
    for (auto _ : state) {
        benchmark::DoNotOptimize(manager.Load(name));
        benchmark::DoNotOptimize(manager.Unload(name));
    }
}
BENCHMARK(BM_LoadOfAnAlreadyLoadedName)->Arg(10)->Arg(1000);

void BM_AnimationUpdate(benchmark::State& state)
{
    LogInTempFolder log;
    AnyGraphics graphics;
    graphics.CreateFrameSets(1);
    graphics.frameSets[0].CreateFrames(8);
    for (int f = 0; f < 8; ++f)
        graphics.frameSets[0].frames[f].duration = 30;
    Animation animation;
    ElapsedMs = 0;
    animation.SetupAnims(&graphics);
    for (auto _ : state) {
        ElapsedMs += 10;
        animation.Update();
        benchmark::DoNotOptimize(animation.frame);
    }
}
BENCHMARK(BM_AnimationUpdate);

} // namespace
