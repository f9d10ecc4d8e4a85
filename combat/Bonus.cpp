#include "combat/Bonus.h"

#include "combat/BonusReceiver.h"
#include "combat/GameSounds.h"
#include "content/Sprite.h"
#include "gameplay/CollitionCircles.h"
#include "gameplay/Images.h"

namespace NVolant {

namespace {

constexpr float kFps = 16.0f;
constexpr float kPulseMax = 1.1f;
constexpr float kPulseMin = 0.9f;

} // namespace

Bonus::Bonus(BonusKind kind) : m_kind(kind)
{
    const NLib::Sprite* master = Images::instance()->bonuses[static_cast<std::size_t>(kind) - 1].get();
    m_sprite = master ? std::make_unique<NLib::Sprite>(*master) : std::make_unique<NLib::Sprite>();
    m_sprite->setFps(kFps);
    m_sprite->scale = 1.0f;
    m_radius = m_sprite->frameWidth / 2.0f;
}

Bonus::~Bonus() = default;

void Bonus::setPosition(float x, float y, float z)
{
    m_position.set(x, y, z, 1.0f);
}

float Bonus::scale() const
{
    return m_sprite->scale;
}

bool Bonus::visible(const Vector4& camera, float& screenY) const
{
    screenY = camera.y + 600.0f - m_position.y;
    const float h = m_sprite->frameHeight;
    return screenY + h >= 0.0f && screenY - h <= 600.0f;
}

void Bonus::drawShadow(const Vector4& camera)
{
    float sy = 0.0f;
    if (!visible(camera, sy))
        return;
    m_sprite->setColor(m_shadowColour[0], m_shadowColour[1], m_shadowColour[2], m_shadowColour[3]);
    m_sprite->drawTransformed(Vector4(m_position.x + kShadowOffset, sy + kShadowOffset), m_sprite->scale,
                              0.0f);
    m_sprite->setColor(m_colour[0], m_colour[1], m_colour[2], m_colour[3]);
}

void Bonus::draw(const Vector4& camera)
{
    float sy = 0.0f;
    if (!visible(camera, sy))
        return;
    m_sprite->setColor(m_colour[0], m_colour[1], m_colour[2], m_colour[3]);
    m_sprite->drawTransformed(Vector4(m_position.x, sy), m_sprite->scale, 0.0f);
}

void Bonus::update(float dtMs)
{
    m_sprite->update(dtMs);
    float& scale = m_sprite->scale;
    if (m_collected) {
        scale += kSwellRate * dtMs;
        m_colour[3] -= kFadeRate * dtMs;
        if (m_colour[3] < 0.0f) {
            m_colour[3] = 0.0f;
            m_done = true;
            m_collected = false;
        }
        m_shadowColour[3] = m_colour[3] * kShadowAlpha;
    } else if (m_growing) {
        scale += kPulseRate * dtMs;
        if (scale > kPulseMax)
            m_growing = false;
    } else {
        scale -= kPulseRate * dtMs;
        if (scale < kPulseMin)
            m_growing = true;
    }
}

bool Bonus::touches(const BonusReceiver& plane) const
{
    CollitionCircles circle;
    circle.append(Vector4(0.0f, 0.0f, 0.0f), m_radius * kTouchFactor);
    circle.place(m_position, m_angle);
    return circle.overlaps(plane.collisionCircles());
}

bool Bonus::tryPickup(BonusReceiver& plane, GameSounds& sounds)
{
    // A bonus that is fading or gone cannot be taken twice.
    if (m_done || m_collected)
        return false;
    if (!touches(plane))
        return false;
    m_collected = true;
    applyTo(plane);
    sounds.play(SoundCue::Bonus, true, false, -1);
    return true;
}

void Bonus::applyTo(BonusReceiver& plane) const
{
    switch (m_kind) {
    case BonusKind::KillAll:
        plane.launchAtAllTargets();
        break;
    case BonusKind::AddDamage:
        plane.addDamage();
        break;
    case BonusKind::DoubleFire:
        plane.enableDoubleFire();
        break;
    case BonusKind::DoubleMissile:
        plane.enableDoubleMissile();
        break;
    case BonusKind::Stealth:
        plane.addStealth();
        break;
    case BonusKind::FourMissiles:
        plane.enableFourMissiles();
        break;
    case BonusKind::AutoAim:
        plane.enableAutoAim();
        break;
    case BonusKind::Repair:
        plane.repair();
        break;
    case BonusKind::RepairAll:
        plane.repairAll();
        break;
    case BonusKind::AddHull:
        plane.addHull();
        break;
    }
}

} // namespace NVolant
