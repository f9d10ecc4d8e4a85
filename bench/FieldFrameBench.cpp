// A frame of play on level 30 where it is busiest: the world's update and the software draw of
// everything on screen.
#include "content/ResourceArchive.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "content/LevelFiles.h"
#include "gameplay/Images.h"
#include "platform/KGraphic.h"
#include "platform/KWindow.h"
#include "platform/Paths.h"
#include "player/Plane.h"
#include "score/Scores.h"
#include "world/GameField.h"
#include "world/Level.h"
#include "world/Terrain.h"
#include "world/TerrainDecor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr float kStep = 16.666666f;

struct Setup {
    Setup()
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
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
        busiest = busiestCamera(30);
    }

    // The camera height at which the most enemies of a level are alive at once.
    static float busiestCamera(int level)
    {
        const auto bytes =
            NLib::ResourceArchive::instance()->readFile(NVolant::Level::folderFor(level) + "enemies.dat");
        const auto records = NVolant::LevelFiles::readEnemies(bytes);
        float best = 0.0f;
        std::size_t most = 0;
        for (float camera = 0.0f; camera < 30000.0f; camera += 50.0f) {
            const auto alive =
                std::count_if(records.begin(), records.end(), [camera](const NVolant::EnemyRecord& r) {
                    return r.position.y >= camera - 200.0f && r.position.y <= camera + 700.0f;
                });
            if (static_cast<std::size_t>(alive) > most) {
                most = static_cast<std::size_t>(alive);
                best = camera;
            }
        }
        return best;
    }

    // A field playing level 30 with the plane flown into its busiest stretch, firing, and a
    // second of play behind it so that shots, explosions and smoke are about.
    std::unique_ptr<NVolant::GameField> busyField() const
    {
        auto field = std::make_unique<NVolant::GameField>();
        field->setLevel(30);
        field->startLevel();
        field->plane()->setStart(Vector4(400.0f, busiest + 100.0f, 0.0f, 1.0f));
        field->onKey('Q');
        field->onKey('Z');
        field->onKey('J');
        for (int i = 0; i < 60; ++i)
            field->update(kStep);
        return field;
    }

    std::unique_ptr<KWindow> window;
    float busiest = 0.0f;
};

Setup& setup()
{
    static Setup s;
    return s;
}

// Only the world's step: plane, terrain, effects, shots, bonuses, enemies, scores, collisions.
void BM_Level30WorldUpdate(benchmark::State& state)
{
    std::unique_ptr<NVolant::GameField> field = setup().busyField();
    int frames = 0;
    std::size_t active = 0;
    for (auto _ : state) {
        field->update(kStep);
        active += field->level() ? field->level()->enemies().active().size() : 0;
        // Two seconds on, the plane has flown out of the stretch: back to its start.
        if (++frames == 120) {
            state.PauseTiming();
            field.reset();
            field = setup().busyField();
            frames = 0;
            state.ResumeTiming();
        }
    }
    state.counters["active enemies"] = static_cast<double>(active) / static_cast<double>(state.iterations());
    field.reset();
}
BENCHMARK(BM_Level30WorldUpdate)->Unit(benchmark::kMicrosecond);

// The frame as the player sees it, drawn by the software renderer and presented.
void BM_Level30FrameDraw(benchmark::State& state)
{
    KWindow& window = *setup().window;
    std::unique_ptr<NVolant::GameField> field = setup().busyField();
    for (auto _ : state) {
        window.setClearColor(0, 0, 0, 1);
        window.setViewTransform(0, 0, 0, 1, true);
        field->draw();
        window.presentFrame(false, false);
    }
    field.reset();
}
BENCHMARK(BM_Level30FrameDraw)->Unit(benchmark::kMillisecond);

// Starting level 30 from its files: map, sector pictures composed from their textures, scenery,
// enemies and bonuses.
void BM_Level30Load(benchmark::State& state)
{
    setup();
    for (auto _ : state) {
        auto field = std::make_unique<NVolant::GameField>();
        field->setLevel(30);
        field->startLevel();
        benchmark::DoNotOptimize(field.get());
    }
}
BENCHMARK(BM_Level30Load)->Unit(benchmark::kMillisecond);

// The ground pass alone: water, tiles, scenery and cloud shadows, where level 30 is busiest.
void BM_Level30GroundDraw(benchmark::State& state)
{
    KWindow& window = *setup().window;
    std::unique_ptr<NVolant::GameField> field = setup().busyField();
    NVolant::Terrain& terrain = field->level()->terrain();
    for (auto _ : state) {
        window.setClearColor(0, 0, 0, 1);
        window.setViewTransform(0, 0, 0, 1, true);
        terrain.draw();
        window.presentFrame(false, false);
    }
    const NVolant::TerrainDecor* decor = terrain.decor();
    state.counters["scenery props"] = decor ? static_cast<double>(decor->visibleCount(terrain.position().y)) : 0.0;
    field.reset();
}
BENCHMARK(BM_Level30GroundDraw)->Unit(benchmark::kMillisecond);

// The ground pass in flight: the view moves up at the plane's full speed, so scenery comes into
// sight and is painted as it would in play.
void BM_Level30GroundFlight(benchmark::State& state)
{
    KWindow& window = *setup().window;
    std::unique_ptr<NVolant::GameField> field = setup().busyField();
    NVolant::Terrain& terrain = field->level()->terrain();
    const Vector4 start = terrain.position();
    float scroll = start.y;
    for (auto _ : state) {
        scroll += 0.1f * kStep;
        if (scroll > start.y + 5000.0f)
            scroll = start.y;
        terrain.setPosition(start.x, scroll, start.z, start.w);
        window.setClearColor(0, 0, 0, 1);
        window.setViewTransform(0, 0, 0, 1, true);
        terrain.draw();
        window.presentFrame(false, false);
    }
    field.reset();
}
BENCHMARK(BM_Level30GroundFlight)->Unit(benchmark::kMillisecond);

} // namespace
