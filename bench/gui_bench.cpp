// CPU cost of the GUI toolkit's own work: reading a folder for the file selector (the library's
// enumeration, sorting and the extension filter), and measuring and drawing a list of rows, which
// every redraw of a list or open combo box does. The drawing benchmarks need the screen: run
// under Xvfb (xvfb-run -a build/bench/gui_bench); without a display they are skipped.
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "gui/FolderListing.h"
#include "bench/GuiBenchScreen.h"
#include "gui/ListBoxProc.h"
#include "rl/Layer.h"

namespace {

std::string g_benchFolder;

void RemoveBenchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(g_benchFolder, ignored);
}

// A folder of 1000 files (a third of them pictures) and 20 sub-folders, made once and removed at
// exit.
const std::string& BigFolder()
{
    static const std::string folder = [] {
        if (!rl::ProgramReady())
            install_allegro(SYSTEM_NONE, &errno, atexit);
        char pattern[] = "/tmp/marl-gui-bench-XXXXXX";
        const std::string path = std::string(mkdtemp(pattern)) + "/";
        g_benchFolder = path;
        std::atexit(RemoveBenchFolder);
        for (int i = 0; i < 1000; ++i)
            std::ofstream(path + "file " + std::to_string(i) + (i % 3 == 0 ? ".png" : ".txt")) << "x";
        for (int i = 0; i < 20; ++i)
            std::filesystem::create_directory(path + "folder " + std::to_string(i));
        return path;
    }();
    return folder;
}

void BM_ReadFolderAllFiles(benchmark::State& state)
{
    const std::string& folder = BigFolder();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadFolder(folder, "*.*"));
}
BENCHMARK(BM_ReadFolderAllFiles)->Unit(benchmark::kMillisecond);

void BM_ReadFolderTwoTypes(benchmark::State& state)
{
    const std::string& folder = BigFolder();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadFolder(folder, "PNG;TXT"));
}
BENCHMARK(BM_ReadFolderTwoTypes)->Unit(benchmark::kMillisecond);

const char* FileNames(int index, int* count)
{
    static std::string names[200];
    if (index < 0) {
        *count = 200;
        if (names[0].empty())
            for (int i = 0; i < 200; ++i)
                names[i] = "Skeleton number " + std::to_string(i) + ".txt";
        return nullptr;
    }
    return names[index].c_str();
}

// One draw of the file selector's list: 13 rows of 480 pixels and its scroll bar.
void BM_DrawList(benchmark::State& state)
{
    if (!GuiBenchScreen()) {
        state.SkipWithError("no screen");
        return;
    }
    DIALOG list {};
    list.proc = ListBoxProc;
    list.x = 155;
    list.y = 180;
    list.w = 480;
    list.h = 200;
    list.fg = 0xFFFFFF;
    list.dp = GetterPointer(FileNames);
    for (auto _ : state) {
        object_message(&list, MSG_DRAW, 0);
        list.d2 = (list.d2 + 1) % 150;
    }
}
BENCHMARK(BM_DrawList)->Unit(benchmark::kMicrosecond);

void BM_TextFitLongName(benchmark::State& state)
{
    if (!GuiBenchScreen()) {
        state.SkipWithError("no screen");
        return;
    }
    const std::string name = "A rather long skeleton file name that the combo box has to cut.txt";
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFit(name, 184));
}
BENCHMARK(BM_TextFitLongName)->Unit(benchmark::kMicrosecond);

} // namespace
