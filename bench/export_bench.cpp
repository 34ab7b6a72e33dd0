// Exporting the shipped Jungle Explorer (all three sets, 120 frames at 30 a second, with skins) on
// the software renderer: the whole marl-export run, and in process the two halves of one frame,
// drawing it (pose, clear, skins, read back) and encoding it as a PNG.
//
// "frames/s" is frames exported a second; the whole run includes start-up and loading.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/Paths.h"
#include "export/PngWriter.h"
#include "resources/RLBMPPlugin.h"
#include "resources/ResourceManager.h"
#include "rl/Canvas.h"
#include "rl/Layer.h"
#include "skeleton/Skeleton.h"

namespace {

const std::string kJungle = "../Game Data/Skeletons/Jungle Explorer.txt";
// Walk loops in 2 s, Idle and Wave in 1 s each: 4 s of frames at the rate.
int JungleFrames(int fps) { return 4 * fps; }

std::string TempFolder()
{
    char pattern[] = "/tmp/marl-export-bench-XXXXXX";
    if (!mkdtemp(pattern))
        std::abort();
    return pattern;
}

void BM_ExportJungleExplorer(benchmark::State& state)
{
    const std::string out = TempFolder();
    const int fps = static_cast<int>(state.range(0));
    const std::string command = "env -u DISPLAY '" MARL_EXPORT_PROGRAM "' '" + ExecutablePath() + kJungle +
                                "' --fps " + std::to_string(fps) + " --out '" + out + "' >/dev/null 2>&1";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("marl-export failed");
    std::filesystem::remove_all(out);
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(JungleFrames(fps)) * state.iterations(),
                                                    benchmark::Counter::kIsRate);
}
// At 30 a second (120 frames) and, to show the rate once start-up is paid, at 120 (480 frames).
BENCHMARK(BM_ExportJungleExplorer)->Arg(30)->Arg(120)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// The engine without a display, the skeleton loaded, posed half-way through its walk.
struct Offscreen {
    RLBMPPlugin png;
    ResourceManager manager;
    Skeleton skeleton;
    int width = 77, height = 153;   // the exporter's canvas for the Jungle Explorer

    Offscreen()
    {
        // Skins are found from the program's folder.
        if (chdir(ExecutablePath().c_str()) != 0 || !rl::InitProgramWithoutDisplay() ||
            !rl::InitOffscreenScreen(width, height))
            std::abort();
        rl::SetCoverageAlpha(true);
        manager.AddPlugin("PNG", &png);
        g_ResourceManager = &manager;
        if (skeleton.Load(kJungle) != 0)
            std::abort();
        skeleton.SetPose(0, 2, 0, 3, 0.5f);
        skeleton.UpdatePositions();
    }

    std::vector<uint32_t> Draw()
    {
        rl::Canvas::Fill(0, 0, 0, 0);
        skeleton.DrawSkinsScaled(40, 87, 1, 0);
        std::vector<uint32_t> pixels = rl::Canvas::ReadPixels(0, 0, width, height);
        ToStraightAlpha(pixels);
        return pixels;
    }
};

Offscreen& Engine()
{
    static Offscreen engine;
    return engine;
}

void BM_DrawFrame(benchmark::State& state)
{
    Offscreen& engine = Engine();
    for (auto _ : state) {
        engine.skeleton.SetPose(0, 2, 0, 3, 0.5f);
        engine.skeleton.UpdatePositions();
        benchmark::DoNotOptimize(engine.Draw());
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DrawFrame)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_EncodeFrame(benchmark::State& state)
{
    Offscreen& engine = Engine();
    const std::vector<uint32_t> pixels = engine.Draw();
    const std::string folder = TempFolder();
    std::string error;
    for (auto _ : state)
        if (!WritePng(folder + "/frame.png", engine.width, engine.height, pixels.data(), error))
            state.SkipWithError(error.c_str());
    std::filesystem::remove_all(folder);
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EncodeFrame)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
