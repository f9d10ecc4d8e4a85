#pragma once

#include <cstdint>
#include <vector>

namespace datagen::levels {

// The level generator's own random source (splitmix64): fixed seeds give the same levels on
// every machine and standard library, which std::mt19937 with its distributions would not.
class Rng final {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double lo, double hi) { return lo + (hi - lo) * unit(); }
    // Uniform integer in [lo, hi] (inclusive).
    int range(int lo, int hi)
    {
        if (hi <= lo)
            return lo;
        return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool chance(double p) { return unit() < p; }
    template <typename T> const T& pick(const std::vector<T>& items) { return items[next() % items.size()]; }

private:
    std::uint64_t m_state;
};

// Mixes several numbers into one seed, so every level and every attempt gets its own stream.
inline std::uint64_t seedOf(std::uint64_t a, std::uint64_t b = 0, std::uint64_t c = 0)
{
    Rng r(a * 0x100000001B3ull ^ (b + 0x632BE59BD9B4E019ull) * 0x9E3779B97F4A7C15ull ^ (c << 17));
    r.next();
    return r.next();
}

} // namespace datagen::levels
