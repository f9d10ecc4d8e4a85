#pragma once

#include <array>
#include <cstdint>

namespace NLib {

// The random sequence of one running game, starting from its seed. Particles, enemies and effects
// draw from it in a fixed order, so the same input on the same seed plays the same game.
class Random final {
public:
    explicit Random(std::uint32_t seed = 0) : Random(seed, seed) {}
    // The integer choices from a seed of their own (a game started by the player takes it from
    // the clock, as the choices always did, while the sequence above starts at seed).
    Random(std::uint32_t seed, std::uint32_t integerSeed);

    // The game's own 32-bit linear congruential generator, spread over min..max.
    float between(float min, float max);
    // The integer choices (explosion pictures, tank bursts): 0..2^31-1, the sequence glibc's rand
    // gives after srand(seed), which these choices were always drawn from.
    int integer();

    // The generator's state after the draws so far.
    std::uint32_t state() const { return m_state; }

private:
    static constexpr std::size_t kDegree = 31;
    static constexpr std::size_t kSeparation = 3;

    std::uint32_t m_state;
    std::array<std::uint32_t, kDegree> m_table{};
    std::size_t m_front = kSeparation;
    std::size_t m_rear = 0;
};

} // namespace NLib
