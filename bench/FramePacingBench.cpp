// Frame pacing of the capped loop: how far each frame's start lands from the 60-per-second grid
// when the cap sleeps instead of spinning, and how much processor time the wait itself takes.
#include "platform/KClock.h"
#include "platform/KWindow.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

namespace {

double cpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

void BM_CappedFrames(benchmark::State& state)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    std::unique_ptr<KWindow> window = createWindow(0, true);
    window->openWindow(800, 600, 32, true, "bench");
    window->setFrameRateCap(60);
    const double limit = window->getFrameTimeLimit();
    std::vector<double> errors;
    double cpu = 0.0, wall = 0.0;
    for (auto _ : state) {
        double last = getMilliseconds();
        const double cpu0 = cpuMilliseconds();
        const double wall0 = last;
        for (int i = 0; i < 120; ++i) {
            window->setViewTransform(0, 0, 0, 1, true);
            window->presentFrame(false, false);
            const double now = getMilliseconds();
            errors.push_back(std::abs(now - last - limit));
            last = now;
        }
        cpu += cpuMilliseconds() - cpu0;
        wall += getMilliseconds() - wall0;
    }
    std::sort(errors.begin(), errors.end());
    state.counters["interval_err_p50_ms"] = errors[errors.size() / 2];
    state.counters["interval_err_p99_ms"] = errors[errors.size() * 99 / 100];
    state.counters["cpu_share_pct"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_CappedFrames)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
