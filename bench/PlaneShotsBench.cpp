// The plane and a heavy fire fight: 300 projectiles of both sides in flight (rounds, flak,
// missiles with their trails, rockets) over 40 enemy shapes of the real parameter files, each
// enemy asking the shot manager for its damage and the plane asking for the enemy fire, as one
// frame of the world update does. The game's budget for the whole world update is 100 us.
#include "combat/Bullet.h"
#include "combat/Effects.h"
#include "combat/Missile.h"
#include "combat/Shots.h"
#include "combat/TankRocket.h"
#include "content/ParticleSystem.h"
#include "content/Random.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"
#include "gameplay/CollitionCircles.h"
#include "gameplay/PlayerControls.h"
#include "gameplay/EBoatParams.h"
#include "gameplay/EHelicParams.h"
#include "gameplay/ETankParams.h"
#include "gameplay/Images.h"
#include "platform/KGraphic.h"
#include "platform/KWindow.h"
#include "platform/Paths.h"
#include "player/Plane.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr float kStep = 16.666666f;
constexpr int kShots = 300;
constexpr int kEnemies = 40;
// Rounds give out after 400 px, 24 frames: the fight is dealt afresh at that rhythm.
constexpr int kFramesPerDeal = 24;

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

// Enemy outlines from the shipped parameter files, spread over the screen ahead of the plane.
std::vector<NVolant::CollitionCircles> enemyShapes(const Vector4& camera)
{
    const NVolant::Images& images = *NVolant::Images::instance();
    std::vector<NVolant::CollitionCircles> masters;
    for (const auto& p : images.boatParams)
        masters.push_back(p->collisionCircles);
    for (const auto& p : images.tankParams)
        masters.push_back(p->collisionCircles);
    for (const auto& p : images.helicParams)
        masters.push_back(p->collisionCircles);
    std::vector<NVolant::CollitionCircles> shapes;
    for (int i = 0; i < kEnemies; ++i) {
        NVolant::CollitionCircles placed = masters[static_cast<std::size_t>(i) % masters.size()];
        const float x = 40.0f + static_cast<float>(i % 8) * 100.0f;
        const float y = camera.y + 150.0f + static_cast<float>(i / 8) * 90.0f;
        placed.place(Vector4(x, y), static_cast<float>(i * 45 % 360));
        shapes.push_back(std::move(placed));
    }
    return shapes;
}

template <typename T> std::unique_ptr<T> aimed(std::unique_ptr<T> shot, const Vector4& at, float angle)
{
    shot->setPosition(at);
    shot->setAngle(angle);
    shot->launch();
    return shot;
}

// 300 projectiles anywhere on screen: the player's rounds and missiles flying up, the enemies'
// flak and rockets coming down.
void deal(const Vector4& camera)
{
    NVolant::Shots::destroy();
    NVolant::Effects::destroy();
    NVolant::Shots* shots = NVolant::Shots::instance();
    shots->setCamera(camera);
    NVolant::Effects::instance()->setCamera(camera);
    for (int i = 0; i < kShots; ++i) {
        const Vector4 at(NLib::rnd(20.0f, 780.0f), camera.y + NLib::rnd(0.0f, 600.0f));
        const float turn = NLib::rnd(-10.0f, 10.0f);
        if (i < 150)
            shots->add(aimed(std::make_unique<NVolant::Bullet>(i % 3), at, turn));
        else if (i < 190)
            shots->add(aimed(std::make_unique<NVolant::Missile>(), at, turn));
        else if (i < 260)
            shots->addEnemy(aimed(std::make_unique<NVolant::Bullet>(3 + i % 2), at, 180.0f + turn));
        else
            shots->addEnemy(aimed(std::make_unique<NVolant::TankRocket>(), at, 180.0f + turn));
    }
}

void BM_PlaneAndShotsAgainstFortyEnemies(benchmark::State& state)
{
    static Setup setup;
    NLib::resetRnd();
    NVolant::Plane plane;
    plane.setStart(Vector4(400.0f, 3000.0f));
    const Vector4 camera = plane.cameraOffset();
    const auto shapes = enemyShapes(camera);
    std::size_t live = 0, frames = 0;
    int damage = 0;
    const NVolant::PlayerControls idle;
    for (auto _ : state) {
        if (frames % kFramesPerDeal == 0) {
            state.PauseTiming();
            deal(camera);
            state.ResumeTiming();
        }
        plane.update(kStep, idle);
        NVolant::Shots* shots = NVolant::Shots::instance();
        shots->update(kStep);
        for (const auto& shape : shapes)
            damage += shots->hitByPlayerShot(shape);
        damage += shots->hitByEnemyShot(plane.collisionCircles());
        live += shots->playerShots().size() + shots->enemyShots().size();
        ++frames;
    }
    benchmark::DoNotOptimize(damage);
    state.counters["live shots"] = static_cast<double>(live) / static_cast<double>(frames);
    NVolant::Shots::destroy();
    NVolant::Effects::destroy();
}
BENCHMARK(BM_PlaneAndShotsAgainstFortyEnemies)->Unit(benchmark::kMicrosecond);

} // namespace
