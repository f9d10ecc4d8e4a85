#include "levels/River.h"

#include <algorithm>
#include <cmath>

namespace datagen::levels {

namespace {

float smooth01(float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

float catmull(float p0, float p1, float p2, float p3, float t)
{
    const float t2 = t * t, t3 = t2 * t;
    return 0.5f * (2 * p1 + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 +
                   (-p0 + 3 * p1 - 3 * p2 + p3) * t3);
}

float hashUnit(std::uint64_t seed, int a, int b)
{
    Rng r(seedOf(seed, static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)),
                 static_cast<std::uint64_t>(static_cast<std::uint32_t>(b))));
    return static_cast<float>(r.unit() * 2 - 1);
}

} // namespace

River::River(const Settings& s, Rng& rng) : m_noiseSeed(rng.next())
{
    const std::size_t n = static_cast<std::size_t>(s.length / kStep) + 2;
    m_centre.assign(n, 400);
    m_half.assign(n, 100);
    m_split.assign(n, 0);
    m_slope.assign(n, 0);
    m_calm.assign(n, 0);

    // Control points of the meander: the river swings from side to side, mostly alternating,
    // now and then widening into a broad reach or pinching into narrows.
    std::vector<float> ys, cs, ws;
    float y = -600;
    int side = rng.chance(0.5) ? 1 : -1;
    while (y < s.length + 1200) {
        ys.push_back(y);
        if (rng.chance(0.75))
            side = -side;
        cs.push_back(400 + static_cast<float>(side) * static_cast<float>(rng.uniform(30, 170)));
        float w = static_cast<float>(rng.uniform(s.minHalfWidth + 15, s.maxHalfWidth - 20));
        const double kind = rng.unit();
        if (kind < 0.18)
            w = static_cast<float>(rng.uniform(s.maxHalfWidth, s.maxHalfWidth + 70)); // broad reach
        else if (kind < 0.33)
            w = s.minHalfWidth; // narrows
        ws.push_back(w);
        y += static_cast<float>(rng.uniform(520, 950));
    }
    std::size_t seg = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const float yy = static_cast<float>(i) * kStep;
        while (seg + 2 < ys.size() && ys[seg + 1] <= yy)
            ++seg;
        const std::size_t a = seg == 0 ? 0 : seg - 1, b = seg, c = std::min(seg + 1, ys.size() - 1),
                          d = std::min(seg + 2, ys.size() - 1);
        const float t = std::clamp((yy - ys[b]) / std::max(1.0f, ys[c] - ys[b]), 0.0f, 1.0f);
        m_centre[i] = catmull(cs[a], cs[b], cs[c], cs[d], t);
        m_half[i] = std::max(s.minHalfWidth, catmull(ws[a], ws[b], ws[c], ws[d], t));
    }

    // Islands: the channel splits into two narrower arms for a stretch well away from bridges.
    auto nearBridge = [&](float a, float b, float margin) {
        return std::any_of(s.bridges.begin(), s.bridges.end(),
                           [&](float by) { return by > a - margin && by < b + margin; });
    };
    for (int f = 0, tries = 0; f < s.forks && tries < 60; ++tries) {
        const float len = static_cast<float>(rng.uniform(1300, 2200));
        const float a = static_cast<float>(rng.uniform(1500, std::max(1600.0f, s.length - len - 1200)));
        const float b = a + len;
        if (nearBridge(a, b, 450))
            continue;
        if (std::any_of(m_forks.begin(), m_forks.end(),
                        [&](const auto& k) { return a < k.second + 900 && b > k.first - 900; }))
            continue;
        m_forks.push_back({a, b});
        ++f;
        const float island = static_cast<float>(rng.uniform(70, 150));
        for (std::size_t i = 0; i < n; ++i) {
            const float yy = static_cast<float>(i) * kStep;
            if (yy <= a || yy >= b)
                continue;
            const float u = (yy - a) / len;
            const float bump = std::pow(std::sin(3.14159265f * u), 0.8f);
            const float arm = std::max(s.minHalfWidth, m_half[i] * (1 - 0.3f * bump));
            m_half[i] = arm;
            m_split[i] = bump * (arm + island);
        }
    }
    std::sort(m_forks.begin(), m_forks.end());

    // Bridge crossings: narrow, straight and away from the screen edges, eased in and out.
    for (float by : s.bridges) {
        const std::size_t bi = std::min(n - 1, static_cast<std::size_t>(std::max(0.0f, by / kStep)));
        const float bc = std::clamp(m_centre[bi], 330.0f, 470.0f);
        for (std::size_t i = 0; i < n; ++i) {
            const float dist = std::fabs(static_cast<float>(i) * kStep - by);
            const float wgt = 1 - smooth01((dist - 140) / 260);
            if (wgt <= 0)
                continue;
            m_centre[i] += (bc - m_centre[i]) * wgt;
            m_half[i] += (s.bridgeHalfWidth - m_half[i]) * wgt;
            m_split[i] *= 1 - wgt;
            m_calm[i] = std::max(m_calm[i], wgt);
        }
    }

    // Keep land on both banks: shift the river inward, then narrow it if it is still too wide.
    for (std::size_t i = 0; i < n; ++i) {
        const float reach = m_split[i] + m_half[i];
        const float room = 400 - kMinBank;
        if (reach > room) {
            const float k = room / reach;
            m_split[i] *= k;
            m_half[i] *= k;
        }
        const float r2 = m_split[i] + m_half[i];
        m_centre[i] = std::clamp(m_centre[i], kMinBank + r2, 800 - kMinBank - r2);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t a = i == 0 ? 0 : i - 1, b = std::min(n - 1, i + 1);
        m_slope[i] = (m_centre[b] - m_centre[a]) / (static_cast<float>(b - a) * kStep);
    }
}

float River::sample(const std::vector<float>& v, float y) const
{
    const float f = std::clamp(y / kStep, 0.0f, static_cast<float>(v.size() - 1));
    const std::size_t i = std::min(v.size() - 2, static_cast<std::size_t>(f));
    const float t = f - static_cast<float>(i);
    return v[i] + (v[i + 1] - v[i]) * t;
}

float River::noise(float x, float y) const
{
    constexpr float kGrid = 88;
    const float gx = x / kGrid, gy = y / kGrid;
    const int ix = static_cast<int>(std::floor(gx)), iy = static_cast<int>(std::floor(gy));
    const float tx = smooth01(gx - static_cast<float>(ix)), ty = smooth01(gy - static_cast<float>(iy));
    const float a = hashUnit(m_noiseSeed, ix, iy), b = hashUnit(m_noiseSeed, ix + 1, iy);
    const float c = hashUnit(m_noiseSeed, ix, iy + 1), d = hashUnit(m_noiseSeed, ix + 1, iy + 1);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

float River::landDistance(float x, float y) const
{
    const float c = centre(y), s = split(y), w = halfWidth(y);
    const float across = std::min(std::fabs(x - (c - s)), std::fabs(x - (c + s))) - w;
    const float slope = sample(m_slope, y);
    const float calm = sample(m_calm, y);
    return across / std::sqrt(1 + slope * slope) + noise(x, y) * 14 * (1 - calm);
}

} // namespace datagen::levels
