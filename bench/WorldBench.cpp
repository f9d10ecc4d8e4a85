// The world on the software renderer with the generated data: terrain, particles, a busy frame.
#include "content/ParticleSystem.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"
#include "platform/KGraphic.h"
#include "platform/KWindow.h"
#include "platform/Paths.h"
#include "gameplay/Images.h"
#include "content/Random.h"
#include "world/Terrain.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// One window and the data pack of the build this benchmark belongs to, shared by every case.
struct World {
    World()
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
        images = NVolant::Images::instance();
        const auto start = std::chrono::steady_clock::now();
        terrain.load(*archive, "levels/01/level.xml", random);
        loadSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    void frame() { window->setViewTransform(0, 0, 0, 1, true); }

    std::unique_ptr<KWindow> window;
    NVolant::Images* images = nullptr;
    NLib::Random random;
    NVolant::Terrain terrain;
    double loadSeconds = 0.0;
};

World& world()
{
    static World w;
    return w;
}

void BM_LevelLoad(benchmark::State& state)
{
    for (auto _ : state) {
        NVolant::Terrain terrain;
        terrain.load(*NLib::ResourceArchive::instance(), "levels/30/level.xml", world().random);
        benchmark::DoNotOptimize(terrain.rows());
    }
}
BENCHMARK(BM_LevelLoad)->Unit(benchmark::kMillisecond)->Setup([](const benchmark::State&) { world(); });

void BM_TerrainDraw(benchmark::State& state)
{
    World& w = world();
    float scroll = 0.0f;
    for (auto _ : state) {
        w.frame();
        w.terrain.setPosition(400, scroll, 0, 1);
        w.terrain.draw();
        scroll += 1.6667f;
    }
}
BENCHMARK(BM_TerrainDraw)->Unit(benchmark::kMicrosecond);

// An endless emitter kept at its 500-particle cap.
std::unique_ptr<NVolant::ParticleSystem> fullEmitter()
{
    NVolant::ParticleInfo info;
    info.emission = 1000;
    info.lifetime = -1.0f;
    info.lifeMin = 1.0f;
    info.lifeMax = 2.0f;
    info.spread = 6.28f;
    info.speedMin = 0.5f;
    info.speedMax = 2.0f;
    info.radialMin = 5.0f;
    info.radialMax = 10.0f;
    info.tangentialMin = 1.0f;
    info.tangentialMax = 3.0f;
    info.sizeStart = 1.0f;
    info.sizeEnd = 2.0f;
    info.spinEnd = 3.0f;
    info.colorStart[0] = info.colorStart[3] = 1.0f;
    info.colorEnd[2] = 1.0f;
    auto emitter = std::make_unique<NVolant::ParticleSystem>(info, world().images->particleTexture.get(),
                                                             0.0f, &world().random);
    emitter->setScale(4.0f);
    emitter->fireAt(400, 300);
    for (int i = 0; i < 60; ++i)
        emitter->update(0.0166667f, 0.0f);
    return emitter;
}

void BM_ParticleUpdate500(benchmark::State& state)
{
    const auto emitter = fullEmitter();
    for (auto _ : state) {
        emitter->update(0.0166667f, 0.0f);
        benchmark::DoNotOptimize(emitter->aliveCount());
    }
    state.counters["particles"] = emitter->aliveCount();
}
BENCHMARK(BM_ParticleUpdate500)->Unit(benchmark::kMicrosecond);

void BM_ParticleDraw500(benchmark::State& state)
{
    const auto emitter = fullEmitter();
    for (auto _ : state) {
        world().frame();
        emitter->draw();
    }
    state.counters["particles"] = emitter->aliveCount();
}
BENCHMARK(BM_ParticleDraw500)->Unit(benchmark::kMicrosecond);

// Terrain, 40 sprites and 6 emitters: a busy frame of play.
void BM_BusyFrame(benchmark::State& state)
{
    World& w = world();
    std::vector<NLib::Sprite> sprites;
    for (int i = 0; i < 40; ++i) {
        const auto& family = i % 3 == 0 ? w.images->boats : i % 3 == 1 ? w.images->helics : w.images->planes;
        sprites.emplace_back(*family[static_cast<std::size_t>(i) % 4]);
        sprites.back().position =
            Vector4(static_cast<float>(40 + (i * 97) % 720), static_cast<float>(30 + (i * 53) % 540));
    }
    std::vector<std::unique_ptr<NVolant::ParticleSystem>> emitters;
    for (int i = 0; i < 6; ++i) {
        emitters.push_back(std::make_unique<NVolant::ParticleSystem>(
            *w.images->particles[static_cast<std::size_t>(i)], w.random));
        emitters.back()->fireAt(static_cast<float>(100 + i * 110), 300.0f);
        for (int f = 0; f < 120; ++f)
            emitters.back()->update(0.0166667f, 0.0f);
    }
    float scroll = 0.0f;
    for (auto _ : state) {
        w.frame();
        w.terrain.setPosition(400, scroll, 0, 1);
        w.terrain.draw();
        for (NLib::Sprite& s : sprites) {
            s.update(16.6667f);
            s.drawAtPosition();
        }
        for (auto& e : emitters) {
            e->update(0.0166667f, 0.0f);
            e->draw();
        }
        scroll += 1.6667f;
    }
}
BENCHMARK(BM_BusyFrame)->Unit(benchmark::kMillisecond);

} // namespace
