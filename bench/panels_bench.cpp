// One draw of the skeleton editor's side panels for skeletons of very different sizes: the bones
// panel with 100 and with 50,000 bones, both showing rows 67 .. 99 (bone 99 selected), and with
// 50,000 bones scrolled to the end (longer names: "49999) Bone 49999"), and the frames panel with 26 frames in each of three sets, with 50,000 bones, and with
// 5,000 frames in each set. A panel draws only the rows it shows, so the figures should stay close
// to each other. Needs the screen: run under Xvfb (xvfb-run -a build/bench/panels_bench); without a
// display the benchmarks are skipped.
#include <allegro.h>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>

#include "editor/skeleton/BonePanelProc.h"
#include "editor/skeleton/EditorDialog.h"
#include "editor/skeleton/EditorState.h"
#include "editor/skeleton/FramePanelProc.h"
#include "editor/skeleton/Playback.h"
#include "editor/skeleton/SkeletonEditor.h"
#include "entities/E_EditorEnt.h"
#include "bench/GuiBenchScreen.h"
#include "skeleton/Skeleton.h"

namespace {

// The editor's model holding a skeleton of bones bones (a chain of short ones under the Trunk) and
// three sets of frames frames each; the editor entity stands on the last frame of the last set and
// the bone selected is selected.
void MakeSkeleton(int bones, int frames, int selected)
{
    g_Editor.Clear();
    CreateEditorModel();
    Skeleton& skeleton = *g_Editor.skeleton;
    SkeleNode* node = skeleton.Root();
    for (int i = 1; i < bones; ++i)
        node = skeleton.AddBone(i % 50 == 0 ? skeleton.Root() : node, "Bone " + std::to_string(i), 10, 5);
    for (int s = 0; s < 3; ++s) {
        if (s > 0)
            skeleton.StorePoseAsNewFrame(0, s);
        while (skeleton.GetFrameSet(s)->FrameCount() < frames)
            skeleton.StorePoseAsNewFrame(skeleton.GetFrameSet(s)->FrameCount() - 1, s);
    }
    JumpTo(2, frames - 1);
    g_Editor.SelectedBone = skeleton.GetBoneByIndex(selected);
}

void DrawPanel(benchmark::State& state, int entry, DialogProc proc, int bones, int frames, int selected)
{
    if (!GuiBenchScreen()) {
        state.SkipWithError("no screen");
        return;
    }
    MakeSkeleton(bones, frames, selected);
    DIALOG& panel = g_EditorDialog[entry];
    ShowPanel(entry == kFramePanelEntry ? 0 : 1);
    for (auto _ : state)
        proc(MSG_DRAW, &panel, 0);
    state.counters["top row"] = panel.d2;
    g_Editor.Clear();
}

void BM_BonePanelDraw(benchmark::State& state)
{
    DrawPanel(state, kBonePanelEntry, BonePanelProc, static_cast<int>(state.range(0)), 1,
              static_cast<int>(state.range(1)));
}
BENCHMARK(BM_BonePanelDraw)->Args({100, 99})->Args({50000, 99})->Args({50000, 49999})->Unit(benchmark::kMicrosecond);

void BM_FramePanelDraw(benchmark::State& state)
{
    DrawPanel(state, kFramePanelEntry, FramePanelProc, static_cast<int>(state.range(0)),
              static_cast<int>(state.range(1)), 0);
}
BENCHMARK(BM_FramePanelDraw)->Args({100, 26})->Args({50000, 26})->Args({100, 5000})->Unit(benchmark::kMicrosecond);

} // namespace
