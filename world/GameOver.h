#pragma once

#include <memory>

namespace NLib {
class Sprite;
}

namespace NVolant {

// "GAME OVER" on screen after the last life: plays its animation once, holds it, and is done
// four seconds later or as soon as the player clicks.
class GameOver final {
public:
    static constexpr float kShowTime = 4000.0f; // ms

    GameOver();
    GameOver(const GameOver&) = delete;
    GameOver& operator=(const GameOver&) = delete;
    virtual ~GameOver();

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
};

} // namespace NVolant
