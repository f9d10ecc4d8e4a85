// The content generator's cost: one level in memory, composing a level's sector graphics as the
// game does at load time, and the whole audio run as the build does it.
#include "Generators.h"
#include "common/DataTree.h"
#include "levels/LevelGenerator.h"
#include "levels/TerrainArt.h"
#include "levels/TerrainComposer.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

using namespace datagen::levels;

void BM_MakeLevel(benchmark::State& state)
{
    const UnitCatalog catalog = UnitCatalog::defaults();
    for (auto _ : state)
        benchmark::DoNotOptimize(makeLevel(static_cast<int>(state.range(0)), catalog));
}
BENCHMARK(BM_MakeLevel)->Arg(1)->Arg(30)->Unit(benchmark::kMillisecond);

void BM_ComposeLevel30(benchmark::State& state)
{
    const LevelData level = makeLevel(30, UnitCatalog::defaults());
    const auto pictures = terrain_art::allPictures();
    for (auto _ : state)
        benchmark::DoNotOptimize(composeTerrain(level, [&](const std::string& p) -> const Image* {
            auto it = pictures.find(p);
            return it == pictures.end() ? nullptr : &it->second;
        }));
}
BENCHMARK(BM_ComposeLevel30)->Unit(benchmark::kMillisecond);

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
