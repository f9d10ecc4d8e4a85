#pragma once

#include <cmath>
#include <cstdint>

namespace datagen::levels::terrain_noise {

// Hash of a lattice point, uniform in [0, 1).
inline double hash(std::uint64_t seed, std::int64_t a, std::int64_t b)
{
    std::uint64_t z = seed ^ (static_cast<std::uint64_t>(a) * 0x9E3779B97F4A7C15ull) ^
                      (static_cast<std::uint64_t>(b) * 0xC2B2AE3D27D4EB4Full);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
}

// Value noise in [0, 1] over a lattice of px x py cells that wraps: (x, y) in lattice units,
// so a picture of size S sampled at x * px / S repeats seamlessly.
inline double noise(std::uint64_t seed, double x, double y, int px, int py)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx), iy = static_cast<std::int64_t>(fy);
    auto h = [&](std::int64_t a, std::int64_t b) {
        return hash(seed, ((a % px) + px) % px, ((b % py) + py) % py);
    };
    const double tx = x - fx, ty = y - fy;
    const double sx = tx * tx * tx * (tx * (tx * 6 - 15) + 10), sy = ty * ty * ty * (ty * (ty * 6 - 15) + 10);
    const double a = h(ix, iy), b = h(ix + 1, iy), c = h(ix, iy + 1), d = h(ix + 1, iy + 1);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

// Octaves of wrapping noise over a picture of size w x h, starting at fx x fy lattice cells and
// doubling; normalised to [0, 1].
inline double fbm(std::uint64_t seed, double x, double y, int w, int h, int fx, int fy, int octaves,
                  double gain = 0.5)
{
    double sum = 0, amp = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * noise(seed + static_cast<std::uint64_t>(o) * 7919, x * fx / w, y * fy / h, fx, fy);
        total += amp;
        amp *= gain;
        fx *= 2;
        fy *= 2;
    }
    return sum / total;
}

inline double smoothstep(double lo, double hi, double v)
{
    const double t = std::fmin(1.0, std::fmax(0.0, (v - lo) / (hi - lo)));
    return t * t * (3 - 2 * t);
}

} // namespace datagen::levels::terrain_noise
