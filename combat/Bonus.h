#pragma once

#include "platform/Vector4.h"

#include <array>
#include <memory>

namespace NLib {
class Sprite;
}

namespace NVolant {

class BonusReceiver;
class GameSounds;

// The kinds by their number in "bonuses.dat"; kind n shows the registry's bonus picture n.
enum class BonusKind {
    KillAll = 1,
    AddDamage = 2,
    DoubleFire = 3,
    DoubleMissile = 4,
    Stealth = 5,
    FourMissiles = 6,
    AutoAim = 7,
    Repair = 8,
    RepairAll = 9,
    AddHull = 10,
};

// A pick-up lying still in the world. It pulses gently until the plane touches it, then applies
// its effect once, chimes, swells and fades out; the manager deletes it once it is done. The kinds
// differ only in what they do to the plane.
class Bonus final {
public:
    static constexpr int kKindCount = 10;
    // Growth of the idle pulse, and the swell and fade after pick-up, per millisecond.
    static constexpr float kPulseRate = 0.0004f;
    static constexpr float kSwellRate = 0.002f;
    static constexpr float kFadeRate = 0.003f;
    static constexpr float kShadowAlpha = 0.23f;
    static constexpr float kShadowOffset = 8.0f;
    // The touch circle is a little larger than the picture.
    static constexpr float kTouchFactor = 1.3f;

    // Takes a copy of the kind's registry sprite.
    explicit Bonus(BonusKind kind);
    Bonus(const Bonus&) = delete;
    Bonus& operator=(const Bonus&) = delete;
    ~Bonus();

    void draw(const Vector4& camera);
    void drawShadow(const Vector4& camera);
    void update(float dtMs);
    // When the plane touches a bonus that is still lying there: collect it, apply its effect to
    // the plane and chime. False for a bonus already collected or done.
    bool tryPickup(BonusReceiver& plane, GameSounds& sounds);

    void setPosition(float x, float y, float z);

    int kind() const { return static_cast<int>(m_kind); }
    const Vector4& position() const { return m_position; }
    float angle() const { return m_angle; }
    bool done() const { return m_done; }
    bool collected() const { return m_collected; }
    bool growing() const { return m_growing; }
    float radius() const { return m_radius; }
    float scale() const;
    const std::array<float, 4>& colour() const { return m_colour; }
    const std::array<float, 4>& shadowColour() const { return m_shadowColour; }
    const NLib::Sprite& sprite() const { return *m_sprite; }

private:
    void applyTo(BonusReceiver& plane) const;
    bool touches(const BonusReceiver& plane) const;
    // Screen y of the centre, and whether the picture can show on screen at all.
    bool visible(const Vector4& camera, float& screenY) const;

    BonusKind m_kind;
    Vector4 m_position{0.0f, 0.0f, 0.0f, 1.0f};
    float m_angle = 0.0f;
    std::unique_ptr<NLib::Sprite> m_sprite;
    bool m_done = false;
    bool m_collected = false;
    bool m_growing = false;
    float m_radius = 0.0f;
    std::array<float, 4> m_colour{1.0f, 1.0f, 1.0f, 1.0f};
    std::array<float, 4> m_shadowColour{0.0f, 0.0f, 0.0f, kShadowAlpha};
};

} // namespace NVolant
