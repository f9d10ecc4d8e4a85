#include "world/CloudShadows.h"

#include "content/ResourceArchive.h"
#include "platform/KGraphic.h"
#include "platform/Log.h"
#include "platform/Screen.h"

#include <algorithm>
#include <cmath>

namespace NVolant {

namespace {

// A well-mixed 64-bit value from the slot number: each cloud keeps its own look.
std::uint64_t mix(std::uint64_t v)
{
    v += 0x9E3779B97F4A7C15ull;
    v = (v ^ (v >> 30)) * 0xBF58476D1CE4E5B9ull;
    v = (v ^ (v >> 27)) * 0x94D049BB133111EBull;
    return v ^ (v >> 31);
}

// A number in [lo, hi) from 16 bits of the mixed value.
float part(std::uint64_t bits, int which, float lo, float hi)
{
    const float unit = static_cast<float>((bits >> (16 * which)) & 0xFFFFu) / 65536.0f;
    return lo + (hi - lo) * unit;
}

constexpr float kMaxScale = 2.0f;
// Clouds leave the valley on one side and come back on the other, this far apart.
constexpr float kCycle = 2000.0f;

} // namespace

CloudShadows::CloudShadows() = default;

CloudShadows::~CloudShadows() = default;

void CloudShadows::load(const NLib::ResourceArchive& archive, const std::string& path)
{
    const NLib::ByteBuffer bytes = archive.readFile(path);
    m_picture = createGraphic();
    if (bytes.empty() || !m_picture->loadFromMemory(path, bytes.data(), bytes.size(), true, true)) {
        LOG_ERROR("cloud picture %s is missing or unreadable", path.c_str());
        m_picture.reset();
        return;
    }
    m_picture->setFiltering(true);
}

CloudShadows::Cloud CloudShadows::cloud(std::int64_t slot) const
{
    const std::uint64_t bits = mix(static_cast<std::uint64_t>(slot));
    Cloud c;
    c.scale = part(bits, 0, 1.2f, kMaxScale);
    c.angle = part(bits, 1, 0.0f, 360.0f);
    c.darkness = part(bits, 2, 0.16f, 0.26f);
    const double drift = part(bits, 3, 0.0f, kCycle) + kWindX * m_time;
    c.x = static_cast<float>(std::fmod(drift, static_cast<double>(kCycle))) - (kCycle - kScreenWidth) / 2.0f;
    c.y = static_cast<float>(static_cast<double>(slot) * kSpacing + kWindY * m_time);
    return c;
}

void CloudShadows::draw(float scroll) const
{
    if (!m_picture)
        return;
    const float w = m_picture->getWidth();
    const float h = m_picture->getHeight();
    const float reach = 0.75f * kMaxScale * std::max(w, h);
    const float whole = std::floor(scroll);
    // The slots whose clouds can reach the view: the level heights in sight, less the drift.
    const double drift = kWindY * m_time;
    const auto first = static_cast<std::int64_t>(std::floor((whole - reach - drift) / kSpacing));
    const auto last = static_cast<std::int64_t>(std::ceil((whole + kScreenHeight + reach - drift) / kSpacing));
    for (std::int64_t slot = first; slot <= last; ++slot) {
        const Cloud c = cloud(slot);
        const float cy = whole + static_cast<float>(kScreenHeight) - c.y;
        m_picture->setModulateColor(0.0f, 0.0f, 0.0f, c.darkness);
        m_picture->blendImageRectEx(0.0f, 0.0f, w, h, c.x - w * c.scale / 2, cy - h * c.scale / 2, c.angle, c.scale,
                                    1.0f, false, false, (c.scale - 1.0f) * w / 2, (c.scale - 1.0f) * h / 2);
    }
    m_picture->setModulateColor(1.0f, 1.0f, 1.0f, 1.0f);
}

} // namespace NVolant
