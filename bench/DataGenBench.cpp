// The content generator's whole run as the build does it: pictures, sprites, the 30 levels and
// the audio, written to a folder of their own.
#include "Generators.h"
#include "common/DataTree.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

void BM_GenerateAllData(benchmark::State& state)
{
    const std::string folder = (std::filesystem::temp_directory_path() / "skyvane-datagen-bench").string();
    for (auto _ : state) {
        const datagen::DataTree tree(folder);
        datagen::generateArt(tree);
        datagen::generateLevels(tree);
        datagen::generateAudio(tree);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_GenerateAllData)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace
