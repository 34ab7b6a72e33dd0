// The log's cost per message: a filtered one costs the formatting only; a written one opens,
// appends and closes the file.
#include <benchmark/benchmark.h>

#include "bench/BenchSupport.h"
#include <cstdlib>
#include <unistd.h>

#include "core/Log.h"

namespace {


void BM_FilteredMessage(benchmark::State& state)
{
    LogInTempFolder log;
    for (auto _ : state)
        LogValue("Frame count", 12, 1);
}
BENCHMARK(BM_FilteredMessage);

void BM_WrittenMessage(benchmark::State& state)
{
    LogInTempFolder log;
    for (auto _ : state) {
        g_Log->messageCount = 0;   // stay under the cap however long the run
        LogString("Loading frame file: ", "../Game Data/GFX/Entities/Cupcake/Cupcake-a-00.png", 2);
    }
}
BENCHMARK(BM_WrittenMessage);

} // namespace
