// From nothing to the main menu taking clicks: window, data pack, save file, registries, menu and
// its first frame. The intro's fades are left out (they take the same 80 frames on any machine).
#include "app/GameApp.h"
#include "app/MenuScreens.h"

#include "platform/KGraphic.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

class WithoutIntro final : public NVolant::MenuScreens {
public:
    std::unique_ptr<NControls::Control> makeIntro() override { return nullptr; }
};

void StartToMainMenu(benchmark::State& state)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const std::filesystem::path home = std::filesystem::temp_directory_path() / "skyvane-startup-bench";
    std::filesystem::remove_all(home);
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    for (auto _ : state) {
        auto app = std::make_unique<NVolant::GameApp>(std::make_unique<WithoutIntro>());
        app->frame();
        benchmark::DoNotOptimize(app.get());
        state.PauseTiming();
        app.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove_all(home);
}
BENCHMARK(StartToMainMenu)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
