// A world update over the busiest stretch of the last level: every enemy in the activation band
// moving and firing, their rockets, missiles and flak in flight, the wakes, trails and explosions,
// and the plane's ramming and shot tests. The game's budget for the whole update is 100 us.
#include "combat/Effects.h"
#include "combat/Shots.h"
#include "content/ParticleSystem.h"
#include "combat/Arena.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "gameplay/CollitionCircles.h"
#include "gameplay/Images.h"
#include "platform/KGraphic.h"
#include "platform/KWindow.h"
#include "platform/Paths.h"
#include "world/Level.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr float kStep = 16.666666f;

struct Setup {
    Setup()
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        window = createWindow(0, true);
        window->openWindow(800, 600, 32, true, "bench");
        NLib::ResourceArchive* archive = NLib::ResourceArchive::create();
        archive->setPassword(NLib::ResourceArchive::kGamePassword);
        const std::string pack = getApplicationFolder() + "/../data.pk";
        if (!archive->open(pack))
            std::fprintf(stderr, "no data pack at %s\n", pack.c_str());
        setImageFileReader(
            [](const std::string& path) { return NLib::ResourceArchive::instance()->readFile(path); });
        NVolant::Images::instance();
    }
    std::unique_ptr<KWindow> window;
};

// The camera height whose activation band holds the most enemies.
float busiestCamera(const NVolant::Enemies& enemies, std::size_t* count)
{
    float best = 0.0f;
    *count = 0;
    const float top = enemies.all().empty() ? 0.0f : enemies.all().back()->startPosition().y;
    for (float y = 0.0f; y < top; y += 50.0f) {
        std::size_t n = 0;
        for (const auto& e : enemies.all())
            n += e->startPosition().y >= y - 200.0f && e->startPosition().y <= y + 700.0f;
        if (n > *count) {
            *count = n;
            best = y;
        }
    }
    return best;
}

// The level held at its busiest camera; after a few seconds of play the shots and effects in the
// air have reached their steady number, and each iteration is one more frame of it.
void BM_Level30BusiestUpdate(benchmark::State& state)
{
    static Setup setup;
    NVolant::Arena arena;
    auto level = std::make_unique<NVolant::Level>(arena, NVolant::Level::folderFor(30));
    std::size_t band = 0;
    const Vector4 camera(0.0f, busiestCamera(level->enemies(), &band), 0.0f, 1.0f);
    level->setCamera(camera);
    NVolant::CollitionCircles player;
    player.append(Vector4(0, 0), 12.0f);
    player.place(camera + Vector4(400.0f, 100.0f), 0.0f);
    for (int i = 0; i < 60 * 5; ++i) {
        level->update(kStep);
        level->setCamera(camera);
        level->collidePlayer(player);
    }
    for (auto _ : state) {
        level->update(kStep);
        level->setCamera(camera);
        benchmark::DoNotOptimize(level->collidePlayer(player));
    }
    state.counters["enemies_in_band"] = static_cast<double>(band);
    state.counters["active"] = static_cast<double>(level->enemies().active().size());
    state.counters["enemy_shots"] = static_cast<double>(arena.shots().enemyShots().size());
    state.counters["effects"] = static_cast<double>(
        arena.effects().animationCount() + arena.effects().trailCount() + arena.effects().burnerCount());
    level.reset();
}
BENCHMARK(BM_Level30BusiestUpdate)->Unit(benchmark::kMicrosecond);

} // namespace
