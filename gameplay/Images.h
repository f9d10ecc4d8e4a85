#pragma once

#include "content/Singleton.h"

#include <array>
#include <memory>
#include <vector>

class KGraphic;

namespace NLib {
class BitmapText;
class Sprite;
} // namespace NLib

namespace NVolant {

class EBoatParams;
class EnemyParams;
class ETankParams;
class ParticleSystem;
class PlaneParams;

// Everything that more than one object shows: master sprites, parameter sets, the font, the
// particle templates and their texture, loaded once from the resource archive. Game objects copy
// the masters. A missing or malformed description or parameter file is a broken installation.
class Images final : public NLib::Singleton<Images> {
public:
    // Loads everything through the process-wide archive, which must exist by then (the first
    // call of instance() loads).
    Images();
    Images(const Images&) = delete;
    Images& operator=(const Images&) = delete;
    virtual ~Images();

    template <std::size_t N> using Sprites = std::array<std::unique_ptr<NLib::Sprite>, N>;

    Sprites<4> boats;
    std::array<std::unique_ptr<EBoatParams>, 4> boatParams;
    Sprites<4> helics;
    std::array<std::unique_ptr<EnemyParams>, 4> helicParams;
    Sprites<4> planes;
    std::array<std::unique_ptr<EnemyParams>, 4> planeParams;
    std::unique_ptr<NLib::Sprite> playerPlane;
    std::unique_ptr<NLib::Sprite> playerExplode;
    std::unique_ptr<PlaneParams> playerParams;
    std::unique_ptr<NLib::Sprite> bridge;
    std::unique_ptr<NLib::Sprite> road;
    std::unique_ptr<NLib::Sprite> bridgeExplode;
    std::unique_ptr<EnemyParams> bridgeParams;
    Sprites<5> tanks;
    std::array<std::unique_ptr<ETankParams>, 5> tankParams;
    Sprites<12> buildings;
    std::array<std::unique_ptr<EnemyParams>, 12> buildingParams;
    Sprites<10> bonuses;
    std::unique_ptr<NLib::Sprite> missile;
    std::unique_ptr<NLib::Sprite> missileExplode1;
    std::unique_ptr<NLib::Sprite> missileExplode2;
    Sprites<3> bullets;
    std::unique_ptr<NLib::Sprite> bulletExplode;
    Sprites<2> flaks;
    std::vector<std::unique_ptr<NLib::Sprite>> explosions;
    std::unique_ptr<NLib::Sprite> fire;
    std::unique_ptr<NLib::BitmapText> font;
    // Trails, boat wakes and menu sparks, then light, medium and heavy smoke, then fire.
    std::array<std::unique_ptr<ParticleSystem>, 6> particles;
    std::unique_ptr<KGraphic> particleTexture;
    std::unique_ptr<NLib::Sprite> aimSight;
    std::unique_ptr<NLib::Sprite> lifeIcon;
    std::unique_ptr<NLib::Sprite> hullIcon;
};

} // namespace NVolant
