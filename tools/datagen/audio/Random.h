#pragma once

#include <cstdint>

namespace datagen::audio {

// A small PCG32 generator. The standard library's distributions differ between implementations,
// so every random choice of the audio generator goes through this class to keep the output
// byte-identical everywhere.
class Random final {
public:
    explicit Random(std::uint64_t seed) : m_state(0)
    {
        next();
        m_state += seed;
        next();
    }

    std::uint32_t next()
    {
        const std::uint64_t old = m_state;
        m_state = old * 6364136223846793005ULL + 1442695040888963407ULL;
        const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
        const auto rot = static_cast<std::uint32_t>(old >> 59u);
        return (xorshifted >> rot) | (xorshifted << ((-rot) & 31u));
    }

    // Uniform in [0, 1).
    double unit() { return (next() >> 8) * (1.0 / 16777216.0); }
    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    // Uniform integer in [0, count); count > 0.
    int below(int count) { return static_cast<int>(unit() * count); }
    bool chance(double probability) { return unit() < probability; }
    // Uniform in [-1, 1).
    float bipolar() { return static_cast<float>(2.0 * unit() - 1.0); }

private:
    std::uint64_t m_state;
};

} // namespace datagen::audio
