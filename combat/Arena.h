#pragma once

#include "combat/Bonuses.h"
#include "combat/Effects.h"
#include "combat/GameSounds.h"
#include "combat/Guns.h"
#include "combat/RunningIds.h"
#include "combat/Shots.h"
#include "content/Random.h"
#include "score/Scores.h"

#include <cstdint>

namespace NVolant {

class TargetLookup;

// What the weapons, the enemies and the plane of one running game act on: its random sequence,
// sounds, scores, effects, bonuses, shots, identifiers and the turns of the player's guns. The world owns one
// per game and hands it down; nothing here outlives the game.
class Arena final {
public:
    explicit Arena(std::uint32_t seed = 0) : Arena(seed, seed) {}
    Arena(std::uint32_t seed, std::uint32_t integerSeed);
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;
    ~Arena();

    NLib::Random& random() { return m_random; }
    const NLib::Random& random() const { return m_random; }
    GameSounds& sounds() { return m_sounds; }
    const GameSounds& sounds() const { return m_sounds; }
    Scores& scores() { return m_scores; }
    const Scores& scores() const { return m_scores; }
    Effects& effects() { return m_effects; }
    const Effects& effects() const { return m_effects; }
    Bonuses& bonuses() { return m_bonuses; }
    const Bonuses& bonuses() const { return m_bonuses; }
    Shots& shots() { return m_shots; }
    const Shots& shots() const { return m_shots; }
    RunningIds& ids() { return m_ids; }
    Guns& guns() { return m_guns; }

    // The running level's enemies as the weapons see them; null without a level: missiles then fly
    // straight and the sight switches off.
    const TargetLookup* targets() const { return m_targets; }
    void setTargets(const TargetLookup* targets) { m_targets = targets; }

    // A new level: no shots, bonuses or effects, everything at the start camera.
    void clearLevel();
    // Back to a checkpoint: the shots and the effects start again, the bonuses stay.
    void clearFlight();

private:
    NLib::Random m_random;
    GameSounds m_sounds;
    Scores m_scores;
    Effects m_effects;
    Bonuses m_bonuses;
    // Declared last, so destroyed first: bullets leave their impacts in the effects as they go.
    Shots m_shots;
    RunningIds m_ids;
    Guns m_guns;
    const TargetLookup* m_targets = nullptr;
};

} // namespace NVolant
