#include "player/Plane.h"

#include "combat/Arena.h"
#include "combat/Bonus.h" // the manager's list needs the whole type where it is created
#include "combat/Bullet.h"
#include "combat/Missile.h"
#include "combat/TargetLookup.h"
#include "content/ParticleSystem.h"
#include "content/Sprite.h"
#include "gameplay/Images.h"
#include "gameplay/PlayerControls.h"
#include "gameplay/PlaneParams.h"
#include "gameplay/PlayConstants.h"
#include "platform/KDrawBlend.h"
#include "platform/KGraphic.h"
#include "platform/Screen.h"
#include "player/AimSight.h"

#include <algorithm>

namespace NVolant {

namespace {

constexpr float kAcceleration = 0.0003f; // world px/ms²
constexpr float kMaxSpeed = 0.1f;        // world px/ms
constexpr float kFadePerMs = 0.001f;
constexpr float kStealthAlpha = 0.5f;
constexpr float kEdge = 10.0f;
constexpr float kBottomLimit = 540.0f;
constexpr int kEngineVolume = 70;
constexpr int kPlaneShownUntilFrame = 12;

// Registry particle templates.
constexpr int kLightSmoke = 2, kMediumSmoke = 3, kHeavySmoke = 4, kFireTemplate = 5;

} // namespace

Plane::Plane(Arena& arena) : m_arena(arena)
{
    Images* images = Images::instance();
    m_params = images->playerParams.get();
    m_sprite = std::make_unique<NLib::Sprite>(*images->playerPlane);
    m_aimSight = std::make_unique<AimSight>(arena);
    m_hull = m_params->hull;
    m_maxHull = m_params->hull;
    m_sprite->setGroup(m_sprite->groupCount / 2);
    m_sprite->setFps(90.0f);
}

Plane::~Plane()
{
    m_arena.sounds().stop(SoundCue::PlayerPlane);
}

void Plane::setStart(const Vector4& p)
{
    m_position.x = p.x;
    m_position.z = p.z;
    m_position.w = p.w;
    m_cameraOffset.y = p.y >= 1.0f ? p.y - m_bottomMargin : p.y;
    m_position.y = static_cast<float>(kScreenHeight) - m_bottomMargin;
    m_target = m_position;
    m_lastTarget = m_position;
}

Vector4 Plane::worldPosition() const
{
    Vector4 w = m_cameraOffset +
                Vector4(m_position.x, static_cast<float>(kScreenHeight) - m_position.y, m_position.z);
    w.w = 1.0f;
    return w;
}

void Plane::takeOver(const Plane& old)
{
    m_cameraOffset = old.m_cameraOffset;
    m_position = old.m_position;
    m_target = old.m_target;
    m_lastTarget = old.m_lastTarget;
    m_stealthTime = kTakeOverStealth;
    m_alpha = kStealthAlpha;
}

void Plane::beginLevelExit()
{
    m_state = PlaneState::LeavingLevel;
    m_exitPosition = m_position;
    m_forward.y = 1.0f;
    m_exitSpeed = m_speed;
}

CollitionPoints Plane::collisionPoints() const
{
    CollitionPoints placed = m_params->collisionPoints;
    placed.place(worldPosition(), m_angle);
    return placed;
}

CollitionCircles Plane::collisionCircles() const
{
    CollitionCircles placed = m_params->collisionCircles;
    placed.place(worldPosition(), m_angle);
    return placed;
}

SteeringPoint Plane::steeringPoint() const
{
    return {static_cast<int>(m_target.x), static_cast<int>(m_target.y)};
}

void Plane::update(float dtMs, const PlayerControls& controls)
{
    // The target starts from the steering point in whole pixels, where the last frame left it
    // unless the player moved it.
    const SteeringPoint from = controls.steer.value_or(steeringPoint());
    m_target.x = static_cast<float>(from.x);
    m_target.y = static_cast<float>(from.y);
    m_sprite->update(dtMs);
    const Vector4 oldPosition = m_position;
    m_stepFrom = m_position;

    switch (m_state) {
    case PlaneState::Flying:
        m_speed += kAcceleration * dtMs;
        if (kMaxSpeed < m_speed)
            m_speed = kMaxSpeed;
        steer(dtMs, controls);
        fire(dtMs, controls);
        if (!m_arena.sounds().isPlaying(SoundCue::PlayerPlane))
            m_arena.sounds().play(SoundCue::PlayerPlane, true, true, kEngineVolume);
        m_arena.bonuses().checkPickup(*this);
        if (m_stealthTime > 0.0f) {
            if (m_alpha > kStealthAlpha)
                m_alpha -= kFadePerMs * dtMs;
            m_stealthTime -= dtMs;
        } else if (m_alpha < 1.0f) {
            m_alpha += kFadePerMs * dtMs;
            if (!(m_alpha < 1.0f))
                m_alpha = 1.0f;
        }
        break;
    case PlaneState::Exploding: {
        m_speed *= 0.98f;
        const int before = m_explosion->getFrame();
        m_explosion->update(dtMs);
        const int frame = m_explosion->getFrame();
        // The last frame ends it; an animation too fast to show it (it wrapped) or without frames
        // ends it as well rather than leaving the game waiting forever.
        if (frame == m_explosion->frameCount - 1 || frame < before || m_explosion->frameCount < 1) {
            m_state = PlaneState::Destroyed;
            m_arena.sounds().stop(SoundCue::PlayerPlane);
        }
        break;
    }
    case PlaneState::LeavingLevel:
        m_arena.sounds().play(SoundCue::PlayerPlane, false, true, kEngineVolume);
        m_speed *= 0.99f;
        m_exitSpeed *= 1.02f;
        m_exitPosition.y -= 2.0f * m_exitSpeed * dtMs;
        m_shadowDrift.x += 1.0f;
        m_shadowDrift.y += 1.0f;
        if (m_speed < 0.02f) {
            m_state = PlaneState::LevelLeft;
            m_speed = 0.0f;
            m_arena.sounds().stop(SoundCue::PlayerPlane);
        }
        break;
    default:
        break;
    }

    // Every bank but the full left one flaps its frames twice as fast.
    if (m_sprite->currentGroup != 0)
        m_sprite->update(dtMs);

    if (m_smoke) {
        if (m_state == PlaneState::Flying)
            moveEmitters(oldPosition.x, oldPosition.y, true);
        else if (m_state == PlaneState::LeavingLevel)
            moveEmitters(m_exitPosition.x, m_exitPosition.y, true);
    }

    m_aimSight->update(dtMs);
    m_aimSight->track(worldPosition(), m_cameraOffset);
    m_aimSight->update(dtMs);

    const Vector4 travel = m_forward * (m_speed * dtMs);
    m_cameraOffset.x += travel.x;
    m_cameraOffset.y += travel.y;
    m_cameraOffset.z += travel.z;
    m_lastTarget.x = static_cast<float>(static_cast<int>(m_position.x));

    if (m_smoke) {
        if (m_state == PlaneState::Flying)
            moveEmitters(m_position.x, m_position.y, false);
        else if (m_state == PlaneState::LeavingLevel)
            moveEmitters(m_exitPosition.x, m_exitPosition.y, false);
        m_smoke->update(dtMs / 1000.0f, 0.0f);
        if (m_fire)
            m_fire->update(dtMs / 1000.0f, 0.0f);
        if (m_hull < 1 && m_smoke->aliveCount() == 0) {
            m_smoke.reset();
            m_fire.reset();
            m_smokeTemplate = -1;
        }
    }
}

void Plane::moveEmitters(float x, float y, bool carry)
{
    m_smoke->moveTo(x, y, carry);
    if (m_fire)
        m_fire->moveTo(x, y, carry);
}

void Plane::steer(float dtMs, const PlayerControls& controls)
{
    const float s = m_params->speedVal;
    if (controls.steerRight)
        m_target.x += s * dtMs;
    else if (controls.steerLeft)
        m_target.x -= s * dtMs;
    if (controls.steerUp)
        m_target.y -= s * dtMs;
    else if (controls.steerDown)
        m_target.y += s * dtMs;

    const float w = m_sprite->frameWidth;
    const float h = m_sprite->frameHeight;
    if (!(m_target.y < kBottomLimit - h / 2.0f))
        m_target.y = kBottomLimit - h / 2.0f;
    if (m_target.y < h / 2.0f + kEdge)
        m_target.y = h / 2.0f + kEdge;
    if (!(m_target.x < static_cast<float>(kScreenWidth) - kEdge - w / 2.0f))
        m_target.x = static_cast<float>(kScreenWidth) - kEdge - w / 2.0f;
    if (m_target.x < w / 2.0f + kEdge)
        m_target.x = w / 2.0f + kEdge;

    const Vector4 step = (m_target - m_position) / kSteerDivisor;
    m_position += step;

    const int groups = m_sprite->groupCount;
    int g = (static_cast<int>(step.x) + 4) * groups / 8;
    if (g < 0)
        g = 0;
    if (g >= groups)
        g = groups - 1;
    m_sprite->setGroup(g);
    m_lastTarget = m_target;
}

void Plane::launchMissile(const Vector4& at, int target)
{
    auto missile = std::make_unique<Missile>(m_arena);
    missile->setPosition(at);
    missile->setAngle(m_angle);
    missile->launch();
    missile->setSounds(SoundCue::PlayerMissile, SoundCue::PlayerMissileExpl);
    missile->setTarget(target);
    m_arena.shots().add(std::move(missile));
}

void Plane::fire(float dtMs, const PlayerControls& controls)
{
    const Vector4 w = worldPosition();
    if (m_missileCooldown < 0.0f) {
        if (!controls.missiles) {
            m_aimSight->setArmed(true);
        } else {
            m_missileCooldown = kMissilePeriod;
            m_aimSight->setArmed(false);
            const int target = m_aimSight->missileTarget();
            if (m_fourMissiles) {
                for (int i = 0; i < 4; ++i) {
                    auto missile = std::make_unique<Missile>(m_arena);
                    missile->setPosition(w + Vector4(-6.0f + 4.0f * static_cast<float>(i), 0.0f));
                    missile->setAngle(m_angle);
                    missile->launch();
                    missile->makeFourMissileVariant(i);
                    missile->setSounds(SoundCue::PlayerMissile, SoundCue::PlayerMissileExpl);
                    missile->setTarget(target);
                    m_arena.shots().add(std::move(missile));
                }
                m_arena.scores().countShot();
                m_missileCooldown = kMissilePeriod + kFourMissileExtra;
            } else if (m_doubleMissile) {
                launchMissile(w + Vector4(-6.0f, -20.0f), target);
                launchMissile(w + Vector4(6.0f, -20.0f), target);
                m_arena.scores().countShot();
            } else {
                launchMissile(w + Vector4(0.0f, -20.0f), target);
                m_arena.scores().countShot();
            }
        }
    } else {
        m_missileCooldown -= dtMs;
    }

    if (!(m_bulletCooldown < 0.0f)) {
        m_bulletCooldown -= dtMs;
        return;
    }
    if (!controls.cannon)
        return;
    m_bulletCooldown = m_bulletPeriod;
    const int n = m_doubleFire ? 2 : 1;
    const int kind = (m_bulletKind == 1 || m_bulletKind == 2) ? m_bulletKind : 0;
    for (int i = 0; i < n; ++i) {
        auto bullet = std::make_unique<Bullet>(m_arena, kind);
        bullet->setPosition(w + Vector4(-m_arena.guns().takeSide(), 10.0f));
        bullet->setAngle(m_aimSight->bulletAngle());
        bullet->launch();
        m_arena.shots().add(std::move(bullet));
    }
    m_arena.scores().countShot();
    m_arena.sounds().play(m_arena.guns().takeFirstChannel() ? SoundCue::PlayerBullet1
                                                            : SoundCue::PlayerBullet2,
                          true, false, -1);
}

void Plane::applyDamage(int points)
{
    if (m_state != PlaneState::Flying || points < 1)
        return;
    m_hull -= points;
    m_arena.sounds().play(points >= 50 ? SoundCue::PlayerHitBig : SoundCue::PlayerHitSmall, true, false, -1);
    if (m_hull > 0)
        updateDamageSmoke();
    else
        explode();
}

void Plane::explode()
{
    if (m_state != PlaneState::Flying)
        return;
    m_state = PlaneState::Exploding;
    m_explosion = std::make_unique<NLib::Sprite>(*Images::instance()->playerExplode);
    m_arena.sounds().play(SoundCue::PlaneExplodes, true, false, -1);
}

void Plane::updateDamageSmoke()
{
    const int third = m_maxHull / 3;
    int smokeTemplate = -1;
    float fireScale = 0.0f;
    if (m_hull <= third) {
        smokeTemplate = kHeavySmoke;
        fireScale = 8.0f;
    } else if (m_hull <= 2 * third) {
        smokeTemplate = kMediumSmoke;
        fireScale = 6.0f;
    } else if (m_hull < m_maxHull) {
        smokeTemplate = kLightSmoke;
        fireScale = 4.0f;
    }
    if (smokeTemplate < 0) {
        stopDamageSmoke();
        return;
    }
    const auto& templates = Images::instance()->particles;
    if (!m_smoke) {
        m_smoke = std::make_unique<ParticleSystem>(*templates[static_cast<std::size_t>(smokeTemplate)],
                                                   m_arena.random());
        m_smoke->fireAt(m_position.x, m_position.y);
        m_fire = std::make_unique<ParticleSystem>(*templates[kFireTemplate], m_arena.random());
        m_fire->fireAt(m_position.x, m_position.y);
        m_fire->transpose(0.0f, 3.0f);
    } else if (m_smokeTemplate != smokeTemplate) {
        m_smoke = std::make_unique<ParticleSystem>(*templates[static_cast<std::size_t>(smokeTemplate)],
                                                   m_arena.random());
        m_smoke->fireAt(m_position.x, m_position.y);
    } else if (m_smoke->isStopped()) {
        m_smoke->fireAt(m_position.x, m_position.y);
    }
    m_smokeTemplate = smokeTemplate;
    if (m_fire) {
        m_fire->setScale(fireScale);
        m_fire->fireAt(m_position.x, m_position.y);
    }
}

void Plane::stopDamageSmoke()
{
    // The particles already out fade on their own.
    if (m_smoke) {
        m_smoke->stop(false);
        if (m_fire)
            m_fire->stop(false);
    }
}

void Plane::addDamage()
{
    m_bulletKind = std::min(m_bulletKind + 1, 2);
}

void Plane::enableDoubleFire()
{
    m_doubleFire = true;
    m_fourMissiles = false;
}

void Plane::enableDoubleMissile()
{
    m_doubleMissile = true;
}

void Plane::addStealth()
{
    m_stealthTime += kStealthPerBonus;
}

void Plane::enableFourMissiles()
{
    m_fourMissiles = true;
    m_doubleMissile = false;
}

void Plane::enableAutoAim()
{
    m_aimSight->setActive(true);
}

void Plane::repair()
{
    m_hull = std::min(m_hull + 50, m_maxHull);
    updateDamageSmoke();
}

void Plane::repairAll()
{
    m_hull = m_maxHull;
    stopDamageSmoke();
}

void Plane::addHull()
{
    m_maxHull += 100;
    m_hull = std::min(m_hull + 100, m_maxHull);
    updateDamageSmoke();
}

void Plane::launchAtAllTargets()
{
    if (const TargetLookup* lookup = m_arena.targets()) {
        const Vector4 w = worldPosition();
        for (int id : lookup->targetsAheadOf(w))
            launchMissile(w + Vector4(0.0f, -20.0f), id);
        m_arena.scores().countShot();
    }
}

void Plane::drawDamageSmoke()
{
    if (!m_smoke)
        return;
    m_smoke->draw();
    if (m_fire) {
        // Fire glows: drawn additively.
        KGraphic* texture = m_fire->texture();
        if (texture)
            texture->setBlendMode(0);
        m_fire->draw();
        if (texture)
            texture->setBlendMode(1);
    }
}

Vector4 Plane::drawnPosition() const
{
    const std::optional<float> blend = KDrawBlend::current();
    // A jump (a new plane at its start) is shown at once, never slid through.
    constexpr float kLongestStep = 40.0f;
    const Vector4 step = m_position - m_stepFrom;
    if (!blend || std::fabs(step.x) > kLongestStep || std::fabs(step.y) > kLongestStep)
        return m_position;
    return m_stepFrom + step * *blend;
}

void Plane::draw()
{
    switch (m_state) {
    case PlaneState::Flying: {
        const Vector4 at = drawnPosition();
        m_sprite->setColor(0.0f, 0.0f, 0.0f, kShadowAlpha * m_alpha);
        m_sprite->draw(at + kShadowOffset);
        m_sprite->setColor(1.0f, 1.0f, 1.0f, m_alpha);
        m_sprite->drawTransformed(at, 1.0f, m_angle);
        m_aimSight->draw();
        drawDamageSmoke();
        break;
    }
    case PlaneState::Exploding:
        if (m_explosion->getFrame() < kPlaneShownUntilFrame)
            m_sprite->drawTransformed(m_position, 1.0f, m_angle);
        m_explosion->drawTransformed(m_position, 1.0f, m_angle);
        break;
    case PlaneState::LeavingLevel:
        m_sprite->setColor(0.0f, 0.0f, 0.0f, kShadowAlpha);
        m_sprite->draw(m_exitPosition + kShadowOffset + m_shadowDrift);
        m_sprite->setColor(1.0f, 1.0f, 1.0f, 1.0f);
        m_sprite->drawTransformed(m_exitPosition, 1.0f, m_angle);
        drawDamageSmoke();
        break;
    default:
        break;
    }
}

} // namespace NVolant
