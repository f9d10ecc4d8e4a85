#include "levels/RoadPlanner.h"

#include "levels/DecorPlacer.h"
#include "levels/Placement.h"

#include <algorithm>
#include <cmath>

namespace datagen::levels {

namespace {

constexpr float kWidth = 800;

float smooth01(float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

} // namespace

RoadPlanner::RoadPlanner(const LevelData& level, const River& river, const UnitCatalog& catalog)
    : m_level(level), m_river(river), m_catalog(catalog),
      m_height(level.height())
{
}

float RoadPlanner::shoreX(const River& river, float y, int side)
{
    float x = side < 0 ? 0.0f : kWidth;
    const float step = side < 0 ? 8.0f : -8.0f;
    while (x >= 0 && x <= kWidth && river.landDistance(x, y) > 0)
        x += step;
    return std::clamp(x, 0.0f, kWidth);
}

bool RoadPlanner::inBridgeBand(float y, float margin) const
{
    const float half = m_catalog.road.frameHeight / 2;
    return std::any_of(m_level.bridges.begin(), m_level.bridges.end(),
                       [&](float by) { return std::fabs(y - by) < half + margin; });
}

std::vector<Point> RoadPlanner::plan(int side, std::uint64_t wander) const
{
    std::vector<Point> pts;
    for (float y = 0; y <= m_height; y += kStep) {
        const float sh = shoreX(m_river, y, side);
        // The road keeps a wandering distance from the water, slowly, as a valley road does.
        const float phase = y / 1400.0f + static_cast<float>((wander >> (side < 0 ? 0 : 16)) & 0xFF) / 40.0f;
        const float d = 95 + 45 * std::sin(phase) + 15 * std::sin(phase * 2.7f + 1);
        float x = sh - static_cast<float>(side) * d;
        x = side < 0 ? std::clamp(x, 26.0f, std::max(26.0f, sh - 48)) : std::clamp(x, std::min(774.0f, sh + 48), 774.0f);
        pts.push_back({x, y});
    }
    // Tanks by the road: the road bends to pass beside each tank on its bank.
    for (const EnemyRecord& e : m_level.enemies) {
        if (enemyKindOf(e.type) != EnemyKind::Tank)
            continue;
        const bool left = e.position.x < m_river.centre(e.position.y);
        if (left != (side < 0))
            continue;
        const std::size_t i = std::min(pts.size() - 1, static_cast<std::size_t>(std::max(0.0f, e.position.y / kStep)));
        const float gap = pts[i].x - e.position.x;
        if (std::fabs(gap) > 240)
            continue;
        bool dry = true;
        for (float t = 0; t <= 1 && dry; t += 0.05f)
            dry = m_river.landDistance(e.position.x + gap * t, e.position.y) > 20;
        if (!dry)
            continue;
        const float target = e.position.x + (gap < 0 ? -40.0f : 40.0f);
        for (Point& p : pts) {
            const float w = std::exp(-std::pow((p.y - e.position.y) / 150.0f, 2.0f));
            p.x += (target - p.x) * w;
        }
    }
    // Smooth, meet the bridges, step off the water and out from under buildings toward the
    // screen edge; twice, so that the steps are smoothed too.
    auto blocked = [&](float x, float y) {
        if (DecorPlacer::atBridge(m_level, m_catalog, x, y))
            return false;
        return m_river.landDistance(x, y) < 36;
    };
    // Round buildings rather than under them, on the side with room.
    for (const EnemyRecord& e : m_level.enemies) {
        if (enemyKindOf(e.type) != EnemyKind::Building)
            continue;
        const Point h = placement::groundHalfExtents(m_catalog.shapeOf(e.type));
        const std::size_t i =
            std::min(pts.size() - 1, static_cast<std::size_t>(std::max(0.0f, e.position.y / kStep)));
        const float gap = pts[i].x - e.position.x, clear = h.x + 44;
        if (std::fabs(gap) >= clear)
            continue;
        float target = e.position.x + (gap < 0 ? -clear : clear);
        if (target < 10 || target > kWidth - 10 || m_river.landDistance(target, e.position.y) < 30)
            target = e.position.x + (gap < 0 ? clear : -clear);
        for (Point& p : pts) {
            const float w = std::exp(-std::pow((p.y - e.position.y) / (h.y + 90), 4.0f));
            p.x += (target - p.x) * w;
        }
    }
    for (int round = 0; round < 2; ++round) {
        for (int pass = 0; pass < 3; ++pass) {
            std::vector<Point> s = pts;
            for (std::size_t i = 2; i + 2 < pts.size(); ++i)
                s[i].x = (pts[i - 2].x + pts[i - 1].x + pts[i].x + pts[i + 1].x + pts[i + 2].x) / 5;
            pts = s;
        }
        // Every bridge end is met by the road on its bank.
        for (const EnemyRecord& e : m_level.enemies) {
            if (e.type != kBridgeType)
                continue;
            const float target =
                e.position.x + static_cast<float>(side) * (m_catalog.bridge.frameWidth / 2 + 20);
            for (Point& p : pts) {
                const float w = 1 - smooth01((std::fabs(p.y - e.position.y) - 30) / 260);
                p.x += (target - p.x) * w;
            }
        }
        // How far each point must step toward the edge, spread and eased over its
        // neighbours so that the road swings aside rather than jogs.
        std::vector<float> need(pts.size(), 0), eased(pts.size(), 0);
        for (std::size_t i = 0; i < pts.size(); ++i) {
            float x = pts[i].x;
            while (blocked(x, pts[i].y) && x > 4 && x < kWidth - 4)
                x += static_cast<float>(side) * 4;
            need[i] = std::fabs(x - pts[i].x);
        }
        constexpr int kReach = 5;
        for (std::size_t i = 0; i < pts.size(); ++i) {
            float wsum = 0, acc = 0;
            for (int d = -kReach; d <= kReach; ++d) {
                const long j = static_cast<long>(i) + d;
                if (j < 0 || j >= static_cast<long>(pts.size()))
                    continue;
                float m = 0;
                for (int e = -kReach; e <= kReach; ++e) {
                    const long k = j + e;
                    if (k >= 0 && k < static_cast<long>(pts.size()))
                        m = std::max(m, need[static_cast<std::size_t>(k)]);
                }
                acc += m;
                wsum += 1;
            }
            eased[i] = acc / wsum;
        }
        for (std::size_t i = 0; i < pts.size(); ++i) {
            if (DecorPlacer::atBridge(m_level, m_catalog, pts[i].x, pts[i].y))
                continue;
            pts[i].x = std::clamp(pts[i].x + static_cast<float>(side) * eased[i], 4.0f, kWidth - 4);
            while (blocked(pts[i].x, pts[i].y) && pts[i].x > 4 && pts[i].x < kWidth - 4)
                pts[i].x += static_cast<float>(side) * 4;
        }
    }
    // A last smoothing where it keeps the road dry takes out the kinks of the steps.
    for (int pass = 0; pass < 3; ++pass) {
        const std::vector<Point> before = pts;
        for (std::size_t i = 2; i + 2 < pts.size(); ++i) {
            const float x = (before[i - 2].x + before[i - 1].x + before[i].x + before[i + 1].x + before[i + 2].x) / 5;
            if (!blocked(x, pts[i].y) && !inBridgeBand(pts[i].y, 60))
                pts[i].x = x;
        }
    }
    return pts;
}

} // namespace datagen::levels
