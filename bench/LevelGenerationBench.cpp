// The level generator's cost: one level in memory (river, map, units, bonuses and the checker's
// retries), the shared terrain pictures, and composing a level's sector graphics as the game
// does at load time.
#include "levels/LevelGenerator.h"
#include "levels/TerrainArt.h"
#include "levels/TerrainComposer.h"

#include <benchmark/benchmark.h>

namespace {

using namespace datagen::levels;

void BM_MakeLevel(benchmark::State& state)
{
    const UnitCatalog catalog = UnitCatalog::defaults();
    for (auto _ : state)
        benchmark::DoNotOptimize(makeLevel(static_cast<int>(state.range(0)), catalog));
}
BENCHMARK(BM_MakeLevel)->Arg(1)->Arg(15)->Arg(30)->Unit(benchmark::kMillisecond);

void BM_TerrainPictures(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(terrain_art::allPictures());
}
BENCHMARK(BM_TerrainPictures)->Unit(benchmark::kMillisecond);

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

} // namespace
