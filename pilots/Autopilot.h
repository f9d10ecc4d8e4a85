#pragma once

#include "gameplay/PlayerControls.h"
#include "pilots/Attention.h"
#include "pilots/PilotSkill.h"

#include <cstdint>
#include <vector>

namespace NVolant {

class GameField;

// A computer pilot. It looks at the world the way a player sees the screen and answers with the
// controls a player would give (a point to steer to, cannon, missiles): it steers toward targets and bonuses,
// keeps away from enemy fire and from anything that rams, holds the cannon while a target is in line and
// launches missiles at bridges and crowds. Its choices depend only on the world and its seed, so
// a level flown twice with the same seed is flown the same way. Its skill says how much of a
// person's limits it flies with (PilotSkill): the ace has none.
class Autopilot final {
public:
    explicit Autopilot(std::uint32_t seed = 0, const PilotSkill& skill = PilotSkill::ace());

    // The controls for the next frame; the steering point is always set (a PilotHand turns it into
    // a mouse's moves).
    PlayerControls next(const GameField& field);

    struct Point {
        float x = 0.0f;
        float y = 0.0f;
    };

private:
    // Something to keep away from: where it is on screen, how it moves (px/ms) and how close
    // hurts. A bridge is a wide band rather than a point.
    struct Threat {
        Point at;
        Point velocity;
        float radius = 0.0f;
        float halfWidth = 0.0f;
        float weight = 1.0f;
    };

    float random();
    // A person's limits, none for the ace.
    bool notices(std::uint64_t key);
    void keepNearestThreats(const Point& here);
    float misjudged(int targetId) const;
    Point handTo(const Point& meant);

    void gatherThreats(const GameField& field);
    float danger(const Point& from, const Point& to) const;

    const PilotSkill& m_skill;
    std::uint32_t m_seed;
    Attention m_attention;
    std::uint32_t m_noise;
    Point m_hand{400.0f, 480.0f};
    Point m_tremor;
    Point m_tremorGoal;
    std::uint32_t m_state;
    std::uint32_t m_frame = 0;
    Point m_aim{400.0f, 480.0f};
    float m_wanderPhase = 0.0f;
    std::vector<Threat> m_threats;
};

} // namespace NVolant
