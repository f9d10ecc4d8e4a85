#pragma once

#include <memory>
#include <string>

namespace NLib {
class Sprite;
}

namespace NVolant {

// The label over the field when a game ends: "GAME OVER" after the last life (four seconds),
// "CONGRATULATIONS!" after the last level (five). It plays its animation once, holds the last
// picture, and is done when its time is up or as soon as the player clicks.
class EndLabel final {
public:
    static constexpr float kGameOverTime = 4000.0f; // ms
    static constexpr float kVictoryTime = 5000.0f;  // ms

    static std::unique_ptr<EndLabel> gameOver();
    static std::unique_ptr<EndLabel> victory();

    EndLabel(const std::string& spritePath, float showTimeMs);
    EndLabel(const EndLabel&) = delete;
    EndLabel& operator=(const EndLabel&) = delete;
    ~EndLabel();

    void update(float dtMs);
    void finish() { m_countdown = 0.0f; }
    bool done() const { return m_countdown < 0.0f; }
    // Centred at (400, 250).
    void draw();

    float countdown() const { return m_countdown; }
    const NLib::Sprite& sprite() const { return *m_sprite; }

private:
    float m_countdown;
    std::unique_ptr<NLib::Sprite> m_sprite;
};

} // namespace NVolant
