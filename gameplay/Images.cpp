#include "gameplay/Images.h"

#include "content/ParticleSystem.h"
#include "content/BitmapText.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"
#include "gameplay/EBoatParams.h"
#include "gameplay/EnemyParams.h"
#include "gameplay/ETankParams.h"
#include "platform/KGraphic.h"
#include "gameplay/PlaneParams.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace NVolant {

namespace {

std::string numbered(const char* format, int n)
{
    char path[96];
    std::snprintf(path, sizeof path, format, n, n);
    return path;
}

template <typename T, std::size_t N>
void loadNumbered(const NLib::ResourceArchive& archive, std::array<std::unique_ptr<T>, N>& slots,
                  const char* format)
{
    for (std::size_t i = 0; i < N; ++i)
        slots[i] = std::make_unique<T>(archive, numbered(format, static_cast<int>(i + 1)));
}

} // namespace

Images::Images()
{
    const NLib::ResourceArchive* archive = NLib::ResourceArchive::existing();
    if (!archive)
        throw std::logic_error("the image registry needs the resource archive to be opened first");
    const NLib::ResourceArchive& a = *archive;
    using NLib::Sprite;
    // The order is the one the game has always loaded in; a broken installation reports the
    // first bad file in it.
    loadNumbered(a, boats, "dat/boat%02d/boat%02d.xml");
    loadNumbered(a, boatParams, "dat/boat%02d/params.xml");
    loadNumbered(a, helics, "dat/helic%02d/helic%02d.xml");
    loadNumbered(a, helicParams, "dat/helic%02d/params.xml");
    loadNumbered(a, planes, "dat/plane%02d/plane%02d.xml");
    loadNumbered(a, planeParams, "dat/plane%02d/params.xml");
    playerPlane = std::make_unique<Sprite>(a, "dat/player_plane/plane.xml");
    playerParams = std::make_unique<PlaneParams>(a, "dat/player_plane/params.xml");
    playerExplode = std::make_unique<Sprite>(a, "dat/player_plane/explode.xml");
    loadNumbered(a, tanks, "dat/tank%02d/sprite.xml");
    loadNumbered(a, tankParams, "dat/tank%02d/params.xml");
    loadNumbered(a, buildings, "dat/building%02d/sprite.xml");
    loadNumbered(a, buildingParams, "dat/building%02d/params.xml");
    loadNumbered(a, bonuses, "dat/bonus%02d/sprite.xml");
    bridge = std::make_unique<Sprite>(a, "dat/bridge/bridge.xml");
    bridgeExplode = std::make_unique<Sprite>(a, "dat/bridge/bridgeExplode.xml");
    road = std::make_unique<Sprite>(a, "dat/bridge/road.xml");
    bridgeParams = std::make_unique<EnemyParams>(a, "dat/bridge/params.xml", EnemyParams::kBridgeHull);
    missile = std::make_unique<Sprite>(a, "dat/missile/missile.xml");
    missileExplode1 = std::make_unique<Sprite>(a, "dat/missile/missile_explode1.xml");
    missileExplode2 = std::make_unique<Sprite>(a, "dat/missile/missile_explode2.xml");
    loadNumbered(a, bullets, "dat/bullet%02d/sprite.xml");
    bulletExplode = std::make_unique<Sprite>(a, "dat/bullet_expl/sprite.xml");
    bulletExplode->setFps(20.0f);
    loadNumbered(a, flaks, "dat/flak%02d/sprite.xml");
    explosions.push_back(std::make_unique<Sprite>(a, "dat/explode1/explode.xml"));
    explosions.push_back(std::make_unique<Sprite>(a, "dat/explode2/explode.xml"));
    fire = std::make_unique<Sprite>(a, "dat/fire/fire.xml");
    font = std::make_unique<NLib::BitmapText>(a, "menu/font.png");
    particleTexture = createGraphic();
    particleTexture->loadFromFile("dat/particles/tail_plane.png", true, true);
    for (std::size_t i = 0; i < particles.size(); ++i) {
        particles[i] = std::make_unique<ParticleSystem>(
            a, numbered("dat/particles/particle%d.psi", static_cast<int>(i + 2)), particleTexture.get(),
            0.0f);
        particles[i]->setScale(4.0f);
    }
    aimSight = std::make_unique<Sprite>(a, "dat/aim_sight/sprite.xml");
    lifeIcon = std::make_unique<Sprite>(a, "dat/life_icon/sprite.xml");
    hullIcon = std::make_unique<Sprite>(a, "dat/hull_icon/sprite.xml");
}

Images::~Images() = default;

} // namespace NVolant
