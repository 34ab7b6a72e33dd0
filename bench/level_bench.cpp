// The level's hot paths: an entity's box colliding with the cells after each move, and drawing one
// layer of the largest level into the editor's 704 x 512 map view.
//
// CollideWithLevel needs no screen. DrawLayer does (run under Xvfb); its time is the main thread's
// CPU time, which is our own loop plus handing the quads to the GL driver (the driver's rendering
// threads are not counted). The frame is flipped outside the timed part. BM_DrawLayerEmpty draws a
// level of empty cells: the cost of our own visiting of the cells without any drawing. The drawing
// benchmarks run a fixed count of frames: flipping a drawn frame costs about 10 ms (the software
// driver draws it then), and a count picked by the timed part alone would run to thousands of
// frames and minutes a case.
//
// BM_MapView draws the level editor's whole map view (backdrop, both layers in their batches, the
// hovered cell's frame) for a 300 x 300 and a 50 x 50 level with every cell of both layers filled:
// the time should follow the cells shown, not the level's size. BM_MapViewFrame times the whole
// frame, flip included, and BM_Flip the flip of an empty frame.
//
// The figures vary by a tenth or more between runs on a small machine, the software GL driver's
// threads and the X server sharing its cores. Compare sizes over interleaved repetitions:
//   xvfb-run -a -s "-screen 0 1024x768x24 -noreset" build/bench/level_bench --benchmark_filter=MapView
//       --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true   (one command line)
// (LP_NUM_THREADS=0 keeps the driver's drawing on the main thread: steadier draw figures, slower frames).
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include <allegro.h>

#include "editor/level/LevelEditorState.h"
#include "editor/level/MapViewProc.h"
#include "entities/Entity.h"
#include "level/Level.h"
#include "resources/RLBMPPlugin.h"
#include "resources/ResourceManager.h"
#include "rl/Canvas.h"
#include "rl/Layer.h"

namespace {

// A 300 x 300 grid with a floor, walls every 7 columns and scattered solid cells.
void FillRoom(TileGrid& grid)
{
    grid.Build(300, 300);
    for (int x = 0; x < 300; ++x)
        for (int y = 0; y < 300; ++y)
            if (y % 9 == 8 || (x % 7 == 6 && y % 9 > 4) || (x * 31 + y * 17) % 23 == 0)
                grid.SetFlags(x, y, 1);
}

void BM_CollideWithLevel(benchmark::State& state)
{
    TileGrid grid;
    FillRoom(grid);
    Entity mover(64 * 10 + 5, 64 * 10 + 5, "mover");
    mover.collidesWithLevel = true;
    mover.boxRight = 31;
    mover.boxBottom = 100;
    mover.velX = 9;
    mover.velY = -7;
    for (auto _ : state) {
        const float oldX = std::ceil(mover.x), oldY = std::ceil(mover.y);
        mover.x += mover.velX;
        mover.y += mover.velY;
        const int result = mover.CollideWithLevel(&grid, oldX, oldY);
        benchmark::DoNotOptimize(result);
        // Turn back from whatever stopped it, so it keeps moving through the level.
        if (result & (kBlockedLeft | kBlockedRight))
            mover.velX = (result & kBlockedRight) ? -9.0f : 9.0f;
        if (result & (kBlockedAbove | kBlockedBelow))
            mover.velY = (result & kBlockedBelow) ? -7.0f : 7.0f;
    }
}
BENCHMARK(BM_CollideWithLevel);

// The screen, a tileset of four pictures and a 300 x 300 level with a tile in every cell.
struct DrawingSetUp {
    DrawingSetUp()
    {
        char pattern[] = "/tmp/marl-bench-XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        root = pattern;
        std::filesystem::create_directories(root + "/bin");
        std::filesystem::create_directories(root + "/Game Data/GFX/Misc");
        std::filesystem::create_directories(root + "/Game Data/GFX/Tileset - Jungle PNG");
        if (chdir((root + "/bin").c_str()) != 0 || !rl::InitProgram(true, true, true) ||
            !rl::InitScreen(800, 600, false, 32, 8, 0))
            std::abort();
        WriteSquare("../Game Data/GFX/Misc/Background3.png", 800, makeacol32(20, 40, 90, 255));
        for (int n = 0; n < 5; ++n)
            WriteSquare("../Game Data/GFX/Tileset - Jungle PNG/Tile 00" + std::to_string(n) + "-a-00.png", 64,
                        makeacol32(40 * n, 200 - 30 * n, 60, 255));
        manager.AddPlugin("PNG", &png);
        g_ResourceManager = &manager;
        level = std::make_unique<Level>(300, 300);
        emptyLevel = std::make_unique<Level>(300, 300);
        for (int x = 0; x < 300; ++x)
            for (int y = 0; y < 300; ++y)
                level->SetTile(x, y, 1 + (x + y) % 4, 1);
        for (int size : {300, 50}) {
            auto& full = size == 300 ? fullLevel : smallLevel;
            full = std::make_unique<Level>(size, size);
            for (int x = 0; x < size; ++x)
                for (int y = 0; y < size; ++y) {
                    full->SetTile(x, y, 1 + (x + y) % 4, 1);
                    full->SetTile(x, y, 1 + (x * 3 + y) % 4, 2);
                }
        }
    }
    ~DrawingSetUp()
    {
        level.reset();
        emptyLevel.reset();
        fullLevel.reset();
        smallLevel.reset();
        g_LevelEditor.Clear();
        g_ResourceManager = nullptr;
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    static void WriteSquare(const std::string& name, int size, int colour)
    {
        BITMAP* image = create_bitmap_ex(32, size, size);
        clear_to_color(image, colour);
        save_bitmap(name.c_str(), image, nullptr);
        destroy_bitmap(image);
    }

    std::string root;
    RLBMPPlugin png;
    ResourceManager manager;
    std::unique_ptr<Level> level;        // a tile in every cell
    std::unique_ptr<Level> emptyLevel;   // every cell empty
    std::unique_ptr<Level> fullLevel;    // 300 x 300, both layers filled
    std::unique_ptr<Level> smallLevel;   // 50 x 50, both layers filled
};

DrawingSetUp& Drawing()
{
    static DrawingSetUp setUp;
    return setUp;
}

void DrawLayerOf(benchmark::State& state, Level& level)
{
    const float zoom = static_cast<float>(state.range(0)) / 10.0f;
    // The middle of the level, where every visible cell holds a tile.
    const int scroll = static_cast<int>(64 * 150 * zoom);
    for (auto _ : state) {
        level.DrawLayer(704, 512, scroll, scroll, 20, 30, zoom, 1);
        state.PauseTiming();
        rl::Canvas::Refresh();
        state.ResumeTiming();
    }
    state.SetLabel("zoom " + std::to_string(zoom).substr(0, 3));
}
void BM_DrawLayer(benchmark::State& state) { DrawLayerOf(state, *Drawing().level); }
BENCHMARK(BM_DrawLayer)->Arg(2)->Arg(10)->Iterations(200)->Unit(benchmark::kMicrosecond);

void BM_DrawLayerEmpty(benchmark::State& state) { DrawLayerOf(state, *Drawing().emptyLevel); }
BENCHMARK(BM_DrawLayerEmpty)->Arg(2)->Arg(10)->Iterations(200)->Unit(benchmark::kMicrosecond);

// Arguments: the level's size (300 or 50) and the zoom in tenths. The view looks at the middle of
// the level where it can (a 50 x 50 level at zoom 0.2 is smaller than the view and shows from its
// corner, the rest of the view yellow: as many cells drawn either way).
void MapView(benchmark::State& state, bool wholeFrame)
{
    DrawingSetUp& setUp = Drawing();
    const int size = static_cast<int>(state.range(0));
    std::unique_ptr<Level>& level = size == 300 ? setUp.fullLevel : setUp.smallLevel;
    g_LevelEditor.level = std::move(level);
    g_LevelEditor.zoom = static_cast<float>(state.range(1)) / 10.0f;
    const int shownColumns = static_cast<int>(704 / (64 * g_LevelEditor.zoom));
    g_LevelEditor.scrollX = g_LevelEditor.scrollY = std::max(0, (size - shownColumns) / 2);
    // One frame outside the timing: it builds the tileset's atlas and loads the backdrop.
    DrawMap(20, 30, 704, 512);
    rl::Canvas::Refresh();
    for (auto _ : state) {
        DrawMap(20, 30, 704, 512);
        if (!wholeFrame)
            state.PauseTiming();
        rl::Canvas::Refresh();
        if (!wholeFrame)
            state.ResumeTiming();
    }
    level = std::move(g_LevelEditor.level);
    state.SetLabel(std::to_string(size) + " x " + std::to_string(size) + ", zoom " +
                   std::to_string(g_LevelEditor.zoom).substr(0, 3));
}
void BM_MapView(benchmark::State& state) { MapView(state, false); }
BENCHMARK(BM_MapView)
    ->Args({300, 10})->Args({50, 10})->Args({300, 2})->Args({50, 2})
    ->Iterations(200)->Unit(benchmark::kMillisecond);

// The whole frame as the editor sees it: the map view drawn and flipped, in wall-clock time, so the
// software GL driver's own threads count too. Under 16 ms keeps the editor at 60 frames a second.
void BM_MapViewFrame(benchmark::State& state) { MapView(state, true); }
BENCHMARK(BM_MapViewFrame)->Args({300, 2})->Args({50, 2})->UseRealTime()->Unit(benchmark::kMillisecond);

// The flip of a frame with nothing drawn: what a frame costs beyond its drawing.
void BM_Flip(benchmark::State& state)
{
    Drawing();
    for (auto _ : state)
        rl::Canvas::Refresh();
}
BENCHMARK(BM_Flip)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
