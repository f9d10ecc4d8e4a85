#include "enemies/EBoat.h"

#include "combat/Arena.h"
#include "combat/TankRocket.h"
#include "content/ParticleSystem.h"
#include "content/Sprite.h"
#include "enemies/Enemies.h"
#include "enemies/GroundQuery.h"
#include "gameplay/Images.h"
#include "platform/Screen.h"

namespace NVolant {

namespace {

// The wake template among the registry's particle templates ("particle3.psi").
constexpr std::size_t kWakeTemplate = 1;
// Fires sit this far apart along the boat.
constexpr float kFireSpacing = 16.0f;

} // namespace

EBoat::EBoat(Enemies& enemies, int type, const NLib::Sprite& master, const EBoatParams& params)
    : Enemy(enemies, type, master), m_params(params)
{
    m_value = m_hull = m_params.hull;
}

EBoat::~EBoat()
{
    releaseWake();
    if (m_finished) {
        static constexpr SoundCue kExplosions[4] = {SoundCue::BoatExplosion1, SoundCue::BoatExplosion2,
                                                    SoundCue::BoatExplosion1, SoundCue::BoatExplosion3};
        arena().sounds().playAt(kExplosions[m_type % 10 % 4], m_position, 300.0f);
    }
}

void EBoat::setDirection(int g)
{
    Enemy::setDirection(g);
    applyHeading();
}

void EBoat::startWake()
{
    Images* images = Images::instance();
    const ParticleSystem* wakeTemplate = images->particles[kWakeTemplate].get();
    if (!wakeTemplate)
        return;
    auto wake = std::make_unique<ParticleSystem>(*wakeTemplate, arena().random());
    const Vector4 p = screenPoint();
    wake->fireAt(p.x, p.y);
    wake->moveTo(p.x + m_direction.x, p.y + m_direction.y, false);
    m_wake = arena().effects().addBurner(std::move(wake));
}

void EBoat::releaseWake()
{
    if (!m_wake)
        return;
    // The wake's last particles fade out as a trail instead of vanishing with the boat.
    Effects& effects = arena().effects();
    auto wake = effects.releaseBurner(m_wake);
    if (wake && wake->aliveCount() > 0) {
        wake->stop(false);
        effects.adoptTrail(std::move(wake));
    }
    m_wake = nullptr;
}

void EBoat::update(float dtMs)
{
    m_speed = speedFrom(kSpeeds);
    m_sprite->update(dtMs);
    for (auto& fire : m_fires)
        fire->update(dtMs);

    if (m_speed > 0.0f) {
        if (!m_wake)
            startWake();
        m_position += m_direction * (m_speed * dtMs);
        CollitionPoints outline = m_params.collisionPoints;
        outline.place(m_position, m_angle);
        const GroundQuery* ground = m_enemies.ground();
        const float half = m_sprite->frameWidth / 2.0f;
        if ((ground && ground->anyTile(outline)) || m_position.x + half > static_cast<float>(kScreenWidth) ||
            m_position.x - half < 0.0f) {
            setDirection((group() + 4) % 8);
            m_params.nextGun();
        }
    }

    if (takeHits(m_params.collisionCircles) != 0) {
        arena().sounds().playAt(SoundCue::BoatHit, m_position, 300.0f);
        if (m_hull < 1) {
            award();
            explode();
            countKill(Kill::Boat);
            releaseWake();
        } else if (m_fires.empty() && Images::instance()->fire) {
            m_fires.push_back(std::make_unique<NLib::Sprite>(*Images::instance()->fire));
        }
    }

    if (!m_finished && m_weaponRange != 0) {
        if (m_fireCooldown < 0.0f) {
            m_fireCooldown = kFirePeriod;
            fireRocket();
        } else {
            m_fireCooldown -= dtMs;
        }
    }
    followWithWake();
}

void EBoat::followWithWake()
{
    // The wake leaves from the stern of the heading the boat now has.
    if (!m_wake)
        return;
    const Vector4 p = screenPoint();
    const auto& tail = m_params.tailPos.points();
    const auto g = static_cast<std::size_t>(group());
    const Vector4 offset = g < tail.size() ? tail[g] : Vector4();
    m_wake->moveTo(p.x + offset.x, p.y + offset.y, false);
}

void EBoat::fireRocket()
{
    const Vector4 muzzle = m_position + turned(m_params.nextGun(), m_angle);
    launchShot(std::make_unique<TankRocket>(arena()), muzzle, 180.0f,
               static_cast<float>(m_weaponRange) * kRangeUnit, true);
}

void EBoat::draw(const Vector4& camera)
{
    const Vector4 p = screenPoint(m_position, camera);
    m_sprite->draw(p);
    // Fires alternate ahead of and behind the middle along the boat.
    for (std::size_t i = 0; i < m_fires.size(); ++i) {
        const int n = static_cast<int>(i);
        const int k = (n % 2 == 1) ? n / 2 + 1 : -(n / 2);
        NLib::Sprite& fire = *m_fires[i];
        Vector4 at = p + Vector4(m_direction.x, -m_direction.y) * (kFireSpacing * static_cast<float>(k));
        at.y -= fire.frameHeight / 2.0f;
        fire.draw(at);
    }
}

int EBoat::collideWithPlayer(const CollitionCircles& circles)
{
    const int damage = ram(m_params.collisionCircles, circles);
    if (damage != 0)
        releaseWake();
    return damage;
}

} // namespace NVolant
