// CPU cost of the text renderer and the shapes' geometry. The GUI measures text all the time
// (TextFit tries every prefix of a label), so Width matters more than drawing.
// Width and Print need the screen for the glyph texture: run under Xvfb
// (xvfb-run -a build/bench/text_bench); without a display those two are skipped.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

#include "rl/Canvas.h"
#include "rl/Ellipse.h"
#include "rl/GlyphCache.h"
#include "rl/Layer.h"
#include "rl/Rect.h"
#include "rl/TextRenderer.h"
#include "rl/TextTags.h"

namespace {

const std::string kLabel = "Bones: [color FF0000]Trunk[/color], Left Arm, Right Arm, Head";

rl::TextRenderer* GuiFont()
{
    static std::unique_ptr<rl::TextRenderer> font = [] {
        std::unique_ptr<rl::TextRenderer> made;
        char pattern[] = "/tmp/marl-bench-XXXXXX";
        if (!getenv("DISPLAY") || !mkdtemp(pattern) || chdir(pattern) != 0)
            return made;
        if (rl::InitProgram(false, false, false) && rl::InitScreen(800, 600, false, 32, 8, 0))
            made = std::make_unique<rl::TextRenderer>(rl::DefaultFontFile(), 11, 13);
        return made;
    }();
    return font && font->IsValid() ? font.get() : nullptr;
}

void BM_SplitTaggedText(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(rl::SplitTaggedText(kLabel, true));
}
BENCHMARK(BM_SplitTaggedText);

void BM_Width(benchmark::State& state)
{
    rl::TextRenderer* font = GuiFont();
    if (!font) {
        state.SkipWithError("no screen");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(font->Width(kLabel));
}
BENCHMARK(BM_Width);

// What TextFit does for one label: the width of every prefix.
void BM_WidthOfEveryPrefix(benchmark::State& state)
{
    rl::TextRenderer* font = GuiFont();
    if (!font) {
        state.SkipWithError("no screen");
        return;
    }
    const std::string label = "../Game Data/Skeletons/Cactus Man.txt";
    for (auto _ : state)
        for (size_t n = 0; n <= label.size(); ++n)
            benchmark::DoNotOptimize(font->Width(label.substr(0, n)));
}
BENCHMARK(BM_WidthOfEveryPrefix);

// The CPU side of a print: splitting and emitting the quads (the software GL's rasterising is
// not ours to measure, so the frame is never shown).
void BM_Print(benchmark::State& state)
{
    rl::TextRenderer* font = GuiFont();
    if (!font) {
        state.SkipWithError("no screen");
        return;
    }
    for (auto _ : state)
        font->Print(kLabel, 10, 20);
    rl::Canvas::Fill(0, 0, 0, 1);
}
BENCHMARK(BM_Print);

// Loading a font renders every glyph once.
void BM_RenderGlyphAtlas(benchmark::State& state)
{
    std::string error;
    auto face = rl::FontFace::Open(rl::DefaultFontFile(), 11, 13, 0, error);
    if (!face) {
        state.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : state) {
        rl::GlyphAtlas atlas;
        benchmark::DoNotOptimize(rl::RenderGlyphAtlas(*face, true, 4096, atlas, error));
    }
}
BENCHMARK(BM_RenderGlyphAtlas)->Unit(benchmark::kMillisecond);

void BM_CircleVertices(benchmark::State& state)
{
    const rl::Circle circle(100, 100, static_cast<float>(state.range(0)), 1, 0.5f);
    for (auto _ : state)
        benchmark::DoNotOptimize(circle.Vertices());
}
BENCHMARK(BM_CircleVertices)->Arg(5)->Arg(50)->Arg(500);

void BM_RoundedRectContour(benchmark::State& state)
{
    const rl::Rect rect(10, 10, 200, 100, 1, 10, 0.5f);
    const int segments = rect.CornerSegments(10);
    for (auto _ : state)
        benchmark::DoNotOptimize(rect.Contour(0, segments));
}
BENCHMARK(BM_RoundedRectContour);

} // namespace
