#pragma once

#include "platform/Vector4.h"

#include <array>
#include <memory>

namespace NLib {
class Sprite;
}

namespace NVolant {

class BonusReceiver;

// A pick-up lying still in the world. It pulses gently until the plane touches it, then applies
// its effect once, chimes, swells and fades out; the manager deletes it once it is done. One
// subclass per kind.
class Bonus {
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

    Bonus(const Bonus&) = delete;
    Bonus& operator=(const Bonus&) = delete;
    virtual ~Bonus();

    virtual void draw(const Vector4& camera);
    virtual void drawShadow(const Vector4& camera);
    virtual void update(float dtMs);
    // When the plane touches a bonus that is still lying there: collect it, apply its effect to
    // the plane and chime. False for a bonus already collected or done.
    bool tryPickup(BonusReceiver& plane);

    void setPosition(float x, float y, float z);

    int kind() const { return m_kind; }
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

protected:
    // kind 1..10; takes a copy of the kind's registry sprite.
    explicit Bonus(int kind);

private:
    // The kind's effect on the plane.
    virtual void applyTo(BonusReceiver& plane) = 0;
    bool touches(const BonusReceiver& plane) const;
    // Screen y of the centre, and whether the picture can show on screen at all.
    bool visible(const Vector4& camera, float& screenY) const;

    int m_kind;
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
