#pragma once

#include "levels/Rng.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace datagen::levels {

// The river valley of one level as smooth curves over the height y (world pixels from the
// bottom): a centre line that meanders, a channel half-width that widens and narrows, and a
// split that opens the channel into two arms around an island. Bridges get straight, narrow
// crossings. Everything the tile map needs comes from landDistance().
class River final {
public:
    struct Settings {
        float length = 12000;       // world pixels of map
        std::vector<float> bridges; // heights of the bridge crossings
        float bridgeHalfWidth = 80; // half-width of the water under a bridge
        int forks = 1;              // islands to open
        float minHalfWidth = 60, maxHalfWidth = 150;
    };

    static constexpr float kStep = 8;     // sampling step of the curves
    static constexpr float kMinBank = 96; // land kept between the river and each screen edge

    River(const Settings& settings, Rng& rng);

    float centre(float y) const { return sample(m_centre, y); }
    float halfWidth(float y) const { return sample(m_half, y); }
    float split(float y) const { return sample(m_split, y); }
    // Signed distance to the nearest shore, positive on land, about perpendicular to it.
    float landDistance(float x, float y) const;
    const std::vector<std::pair<float, float>>& forks() const { return m_forks; }

private:
    float sample(const std::vector<float>& v, float y) const;
    float noise(float x, float y) const;

    std::vector<float> m_centre, m_half, m_split, m_slope, m_calm;
    std::vector<std::pair<float, float>> m_forks;
    std::uint64_t m_noiseSeed;
};

} // namespace datagen::levels
