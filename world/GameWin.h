#pragma once

#include <memory>

namespace NLib {
class Sprite;
}

namespace NVolant {

// "CONGRATULATIONS!" after the last level: plays its animation once, holds it, and is done five
// seconds later or as soon as the player clicks.
class GameWin final {
public:
    static constexpr float kShowTime = 5000.0f; // ms

    GameWin();
    GameWin(const GameWin&) = delete;
    GameWin& operator=(const GameWin&) = delete;
    virtual ~GameWin();

    void update(float dtMs);
    void finish() { m_countdown = 0.0f; }
    bool done() const { return m_countdown < 0.0f; }
    // Centred at (400, 250).
    void draw();

    float countdown() const { return m_countdown; }
    const NLib::Sprite& sprite() const { return *m_sprite; }

private:
    float m_countdown = kShowTime;
    std::unique_ptr<NLib::Sprite> m_sprite;
    bool m_animating = true;
};

} // namespace NVolant
