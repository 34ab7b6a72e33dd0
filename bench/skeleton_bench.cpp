// The skeleton's hot path, posing (SetPose blending two frames, then UpdatePositions), on chains
// and balanced trees of 10, 100 and 1,000 bones; and Save and Load of a 200-bone skeleton with 100
// frames while the log writes at the program's priority 2.
//
// "per_bone" is the time per bone of one pose-and-update.
#include <benchmark/benchmark.h>

#include "bench/BenchSupport.h"
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "core/Log.h"
#include "skeleton/Skeleton.h"

namespace {

enum Shape { kChain = 0, kTree = 1 };

// bones in all, the root included; every node of a tree has two children, filled level by level.
void Build(Skeleton& skeleton, int bones, Shape shape)
{
    std::vector<SkeleNode*> nodes {skeleton.Root()};
    for (int i = 1; i < bones; ++i) {
        SkeleNode* parent = shape == kChain ? nodes.back() : nodes[static_cast<size_t>((i - 1) / 2)];
        nodes.push_back(skeleton.AddBone(parent, "Bone " + std::to_string(i), static_cast<float>(i % 37), 10));
    }
    // Two frames whose angles differ by varying amounts, some across the 0/360 seam.
    for (int i = 0; i < bones; ++i)
        skeleton.GetBoneByIndex(i)->relativeAngle = static_cast<float>((i * 53) % 360);
    skeleton.StorePoseInFrame(0, 0);
    for (int i = 0; i < bones; ++i) {
        Bone* bone = skeleton.GetBoneByIndex(i);
        bone->relativeAngle = static_cast<float>((i * 97 + 200) % 360);
        bone->length = 5 + static_cast<float>(i % 11);
    }
    skeleton.StorePoseAsNewFrame(0, 0);
}

void BM_PoseAndUpdate(benchmark::State& state)
{
    const int bones = static_cast<int>(state.range(0));
    Skeleton skeleton;
    Build(skeleton, bones, static_cast<Shape>(state.range(1)));
    float t = 0;
    for (auto _ : state) {
        skeleton.SetPose(0, 0, 0, 1, t);
        skeleton.UpdatePositions();
        benchmark::DoNotOptimize(skeleton.GetBoneByIndex(bones - 1)->endX);
        t += 0.01f;
        if (t > 1)
            t = 0;
    }
    state.counters["per_bone"] =
        benchmark::Counter(bones, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetLabel(state.range(1) == kChain ? "chain" : "tree");
}
BENCHMARK(BM_PoseAndUpdate)->ArgsProduct({{10, 100, 1000}, {kChain, kTree}})->ArgNames({"bones", "shape"});

// The two halves of posing on their own.
void BM_PoseOnly(benchmark::State& state)
{
    const int bones = static_cast<int>(state.range(0));
    Skeleton skeleton;
    Build(skeleton, bones, static_cast<Shape>(state.range(1)));
    float t = 0;
    for (auto _ : state) {
        skeleton.SetPose(0, 0, 0, 1, t);
        benchmark::DoNotOptimize(skeleton.GetBoneByIndex(bones - 1)->relativeAngle);
        t += 0.01f;
        if (t > 1)
            t = 0;
    }
    state.counters["per_bone"] =
        benchmark::Counter(bones, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PoseOnly)->ArgsProduct({{1000}, {kChain, kTree}});
void BM_UpdateOnly(benchmark::State& state)
{
    const int bones = static_cast<int>(state.range(0));
    Skeleton skeleton;
    Build(skeleton, bones, static_cast<Shape>(state.range(1)));
    for (auto _ : state) {
        skeleton.UpdatePositions();
        benchmark::DoNotOptimize(skeleton.GetBoneByIndex(bones - 1)->endX);
    }
    state.counters["per_bone"] =
        benchmark::Counter(bones, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_UpdateOnly)->ArgsProduct({{1000}, {kChain, kTree}});


// 200 bones (a trunk with limbs of four), 100 frames in 4 sets, every bone with a skin path.
void BuildBig(Skeleton& skeleton)
{
    std::vector<SkeleNode*> nodes {skeleton.Root()};
    for (int i = 1; i < 200; ++i) {
        SkeleNode* parent = i % 4 == 1 ? skeleton.Root() : nodes.back();
        nodes.push_back(skeleton.AddBone(parent, "Bone " + std::to_string(i), static_cast<float>(i * 7 % 360), 12.5f));
        nodes.back()->bone->skinPath = "../Game Data/GFX/Skins/Bone " + std::to_string(i) + ".png";
        nodes.back()->bone->skinOffsetX = static_cast<float>(i % 9);
    }
    for (int s = 0; s < 4; ++s) {
        for (int f = 0; f < 25; ++f) {
            for (int i = 0; i < 200; ++i)
                skeleton.GetBoneByIndex(i)->relativeAngle = static_cast<float>((i * 31 + f * 17 + s) % 360) + 0.25f;
            if (s == 0 && f == 0)
                skeleton.StorePoseInFrame(0, 0);
            else if (f == 0)
                skeleton.StorePoseAsNewFrame(0, s);
            else
                skeleton.StorePoseAsNewFrame(f - 1, s);
        }
    }
}

void BM_Save(benchmark::State& state)
{
    LogInTempFolder log;
    Skeleton skeleton;
    BuildBig(skeleton);
    for (auto _ : state) {
        g_Log->messageCount = 0;   // stay under the log's cap however long the run
        if (skeleton.Save("Big.txt") != 0)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state)
{
    LogInTempFolder log;
    {
        Skeleton skeleton;
        BuildBig(skeleton);
        skeleton.Save("Big.txt");
    }
    Skeleton skeleton;
    for (auto _ : state) {
        g_Log->messageCount = 0;
        if (skeleton.Load("Big.txt") != 0 || skeleton.BoneCount() != 200)
            state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

} // namespace
