#pragma once

namespace NVolant {

// The identifiers a running game hands out: enemies and projectiles each count 1..kLast and then
// start again at 1. Engine and flight sounds are keyed by them, homing missiles find their target.
class RunningIds final {
public:
    static constexpr int kLast = 100000;

    // The last enemy identifier given and the next projectile identifier (a game starts at 0, 1).
    explicit RunningIds(int lastEnemy = 0, int nextShot = 1) : m_lastEnemy(lastEnemy), m_nextShot(nextShot) {}

    int nextEnemy()
    {
        m_lastEnemy = m_lastEnemy >= kLast ? 1 : m_lastEnemy + 1;
        return m_lastEnemy;
    }

    int nextShot()
    {
        const int id = m_nextShot;
        m_nextShot = m_nextShot >= kLast ? 1 : m_nextShot + 1;
        return id;
    }

    int lastEnemy() const { return m_lastEnemy; }

private:
    int m_lastEnemy;
    int m_nextShot;
};

} // namespace NVolant
