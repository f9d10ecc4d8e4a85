#pragma once

#include "combat/Arena.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NVolant {

class Level;

// Everything one running game changes: the arena (random sequence, sounds, scores and statistics,
// effects, bonuses, shots, identifiers, gun turns) and the level being flown with its terrain and
// enemies. A new game is a new world; what lives below the world reaches it through the arena it is
// handed, never through a process-wide accessor.
class World final {
public:
    // The game's random sequence starts at seed: the same seed and input play the same game.
    explicit World(std::uint32_t seed = 0) : World(seed, seed) {}
    World(std::uint32_t seed, std::uint32_t integerSeed);
    World(const World&) = delete;
    World& operator=(const World&) = delete;
    ~World();

    Arena& arena() { return m_arena; }
    const Arena& arena() const { return m_arena; }

    // Replaces the level in flight with the one in folder ("levels/NN/").
    Level& loadLevel(const std::string& folder);
    void dropLevel();
    Level* level() { return m_level.get(); }
    const Level* level() const { return m_level.get(); }

private:
    Arena m_arena;
    std::unique_ptr<Level> m_level;
};

} // namespace NVolant
