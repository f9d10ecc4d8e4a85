// The audio half of the content generator: effects, one piece of music, the encoder, and the
// whole run as the build does it (the figure that must stay well under half a minute).

#include "Generators.h"
#include "audio/EffectCatalogue.h"
#include "audio/MusicCatalogue.h"
#include "audio/VorbisEncoder.h"
#include "common/DataTree.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

using namespace datagen::audio;

void BM_RenderAllEffects(benchmark::State& state)
{
    for (auto _ : state)
        for (const EffectRecipe& recipe : effectCatalogue())
            benchmark::DoNotOptimize(renderEffect(recipe).data());
}
BENCHMARK(BM_RenderAllEffects)->Unit(benchmark::kMillisecond);

void BM_RenderMusic(benchmark::State& state)
{
    const MusicRecipe& recipe = musicCatalogue().at(static_cast<std::size_t>(state.range(0)));
    const TrackStyle style = recipe.style();
    for (auto _ : state)
        benchmark::DoNotOptimize(renderMusic(style).left.data());
    state.SetLabel(recipe.path);
}
BENCHMARK(BM_RenderMusic)->DenseRange(0, 4)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_EncodeStereoMinute(benchmark::State& state)
{
    StereoBuffer buffer(samplesFor(60.0));
    std::uint32_t noise = 1;
    for (std::size_t i = 0; i < buffer.frames(); ++i) {
        noise = noise * 1664525u + 1013904223u;
        buffer.left[i] = static_cast<float>(noise >> 8) / 16777216.0f * 0.2f - 0.1f;
        buffer.right[i] = 0.3f * buffer.left[i];
    }
    const VorbisEncoder encoder(0.0f);
    for (auto _ : state)
        benchmark::DoNotOptimize(encoder.encode(buffer).data());
}
BENCHMARK(BM_EncodeStereoMinute)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_GenerateAllAudio(benchmark::State& state)
{
    const std::string folder = (std::filesystem::temp_directory_path() / "skyvane-audio-bench").string();
    for (auto _ : state)
        datagen::generateAudio(datagen::DataTree(folder));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_GenerateAllAudio)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace
