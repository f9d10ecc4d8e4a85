#include "levels/DecorPlacer.h"

#include "levels/MapBuilder.h"
#include "levels/Placement.h"
#include "levels/RoadPlanner.h"

#include <algorithm>
#include <cmath>

namespace datagen::levels {

namespace {

using NVolant::DecorProp;

constexpr float kPi = 3.14159265f;
constexpr float kWidth = 800;

std::uint32_t rgba(int r, int g, int b, int a = 255)
{
    return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 |
           static_cast<std::uint32_t>(b) << 16 | static_cast<std::uint32_t>(a) << 24;
}

// A colour near white, so a piece keeps its look but no two are quite alike: a little warmer for
// what grows, a little cooler for snow (a warm tint turns snow pink).
std::uint32_t vary(Rng& rng, float amount, bool cool = false)
{
    const float k = 1 - amount * static_cast<float>(rng.unit());
    const auto c = [&](float extra) {
        return static_cast<int>(std::lround(255 * std::clamp(k + extra, 0.0f, 1.0f)));
    };
    const int a = c(0);
    const int b = c(static_cast<float>(rng.uniform(-0.04, 0.0)));
    const int d = c(static_cast<float>(rng.uniform(-0.06, 0.0)));
    return cool ? rgba(d, b, a) : rgba(a, b, d);
}

float pieceSize(decor_art::Piece p)
{
    const NVolant::DecorPiece& r = decor_art::rect(p);
    return static_cast<float>(std::max(r.width, r.height));
}

float distanceToPath(const std::vector<Point>& pts, float x, float y)
{
    float best = 1e9f;
    for (std::size_t i = 1; i < pts.size(); ++i) {
        const Point a = pts[i - 1], b = pts[i];
        if (std::min(a.y, b.y) > y + 400 || std::max(a.y, b.y) < y - 400)
            continue;
        const float dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
        const float t = len2 > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / len2, 0.0f, 1.0f) : 0.0f;
        best = std::min(best, std::hypot(a.x + dx * t - x, a.y + dy * t - y));
    }
    return best;
}

} // namespace

DecorPlacer::DecorPlacer(const LevelData& level, const River& river, const UnitCatalog& catalog)
    : m_level(level), m_river(river), m_catalog(catalog), m_query(level.map),
      m_rng(seedOf(0xDEC0A7, static_cast<std::uint64_t>(level.number))),
      m_height(level.height()), m_starts(regionStarts(level)),
      m_clear(keepClear(level, catalog))
{
}

std::vector<Circle> DecorPlacer::keepClear(const LevelData& level, const UnitCatalog& catalog)
{
    std::vector<Circle> out;
    for (const EnemyRecord& e : level.enemies) {
        const EnemyKind k = enemyKindOf(e.type);
        if (k == EnemyKind::Tank || k == EnemyKind::Building)
            out.push_back({e.position.x, e.position.y, catalog.shapeOf(e.type).reach() * 0.8f});
        if (k == EnemyKind::Bridge) {
            const float half = catalog.bridge.frameWidth / 2;
            out.push_back({e.position.x - half, e.position.y, 60});
            out.push_back({e.position.x + half, e.position.y, 60});
        }
    }
    return out;
}

float DecorPlacer::footprint(const DecorProp& prop)
{
    const auto& pieces = decor_art::layout();
    if (prop.piece < 0 || prop.piece >= static_cast<int>(pieces.size()))
        return 0;
    const auto& r = pieces[static_cast<std::size_t>(prop.piece)];
    return 0.34f * static_cast<float>(std::max(r.width, r.height)) * prop.scale;
}

bool DecorPlacer::bankPiece(int piece)
{
    return piece == static_cast<int>(Piece::Reeds) || piece == static_cast<int>(Piece::SandBank);
}

bool DecorPlacer::atBridge(const LevelData& level, const UnitCatalog& catalog, float x, float y)
{
    for (float by : level.bridges) {
        if (std::fabs(y - by) > catalog.road.frameHeight / 2 + 24)
            continue;
        for (const EnemyRecord& e : level.enemies)
            if (e.type == kBridgeType && e.position.y == by &&
                std::fabs(x - e.position.x) < catalog.bridge.frameWidth / 2 + 24)
                return true;
    }
    return false;
}

Landscape DecorPlacer::landscapeAt(float y) const
{
    const int row = static_cast<int>(y / static_cast<float>(m_level.map.cellSize));
    std::size_t k = 0;
    while (k + 1 < m_starts.size() && row >= m_starts[k + 1])
        ++k;
    const auto& ls = m_level.plan.landscapes;
    return ls.empty() ? Landscape::Grass : ls[std::min(k, ls.size() - 1)];
}

float DecorPlacer::shoreX(float y, int side) const
{
    return RoadPlanner::shoreX(m_river, y, side);
}

void DecorPlacer::add(Piece piece, NVolant::DecorLayer layer, float x, float y, float angle, float scale,
                      std::uint32_t colour)
{
    m_props.push_back({static_cast<std::int32_t>(piece), layer, x, y, angle, scale, colour});
    if (layer == NVolant::kTallDecor)
        m_tall.push_back({x, y, footprint(m_props.back())});
}

bool DecorPlacer::clearOfUnits(float x, float y, float r) const
{
    if (inBridgeBand(y, r))
        return false;
    return std::none_of(m_clear.begin(), m_clear.end(),
                        [&](const Circle& c) { return std::hypot(c.x - x, c.y - y) < c.r + r; });
}

bool DecorPlacer::clearOfWays(float x, float y, float r) const
{
    return std::all_of(m_ways.begin(), m_ways.end(),
                       [&](const Way& w) { return distanceToPath(w.points, x, y) >= r; });
}

bool DecorPlacer::clearOfTall(float x, float y, float r) const
{
    return std::none_of(m_tall.begin(), m_tall.end(),
                        [&](const Circle& c) { return std::hypot(c.x - x, c.y - y) < (c.r + r) * 0.8f; });
}

bool DecorPlacer::inBridgeBand(float y, float margin) const
{
    // The bridge road runs from edge to edge: nothing that stands up pokes out from under it.
    const float half = m_catalog.road.frameHeight / 2;
    return std::any_of(m_level.bridges.begin(), m_level.bridges.end(),
                       [&](float by) { return std::fabs(y - by) < half + margin; });
}

NVolant::Decor DecorPlacer::place()
{
    planRoads();
    placeGroundPatches();
    placeBanks();
    placeVillages();
    for (std::size_t k = 0; k < m_starts.size(); ++k) {
        const float y0 = static_cast<float>(m_starts[k] * m_level.map.cellSize);
        const float y1 = k + 1 < m_starts.size() ? static_cast<float>(m_starts[k + 1] * m_level.map.cellSize)
                                                 : m_height;
        const Landscape l = landscapeAt(y0 + 1);
        if (l == Landscape::Grass)
            placeFields(y0, y1);
        placeScatter(y0, y1, l);
    }
    return finish();
}

void DecorPlacer::planRoads()
{
    const std::uint64_t wander = m_rng.next();
    const RoadPlanner roads(m_level, m_river, m_catalog);
    for (int side : {-1, 1}) {
        const std::vector<Point> pts = roads.plan(side, wander);
        m_ways.push_back({pts});
        // The way's kind follows the landscape it runs through.
        std::vector<Point> run;
        Piece kind = Piece::Asphalt;
        auto flush = [&]() {
            if (run.size() > 1)
                layWay(run, kind, 64);
            run.clear();
        };
        for (const Point& p : pts) {
            const Landscape l = landscapeAt(p.y);
            const Piece k = l == Landscape::Town ? Piece::Street
                            : (l == Landscape::Grass || l == Landscape::Autumn) ? Piece::Asphalt
                                                                                 : Piece::Track;
            if (k != kind && !run.empty()) {
                run.push_back(p);
                flush();
            }
            kind = k;
            run.push_back(p);
        }
        flush();
    }
}

void DecorPlacer::layWay(const std::vector<Point>& path, Piece piece, float spacing)
{
    // Pieces every `spacing` px of arc length, each turned along the way; the pieces are twice
    // as long as the spacing so that every point of the way lies on an opaque middle.
    std::vector<float> arc(path.size(), 0);
    for (std::size_t i = 1; i < path.size(); ++i)
        arc[i] = arc[i - 1] + std::hypot(path[i].x - path[i - 1].x, path[i].y - path[i - 1].y);
    const float length = arc.back();
    auto at = [&](float s) {
        s = std::clamp(s, 0.0f, length);
        std::size_t i = 1;
        while (i + 1 < path.size() && arc[i] < s)
            ++i;
        const float t = arc[i] > arc[i - 1] ? (s - arc[i - 1]) / (arc[i] - arc[i - 1]) : 0;
        return Point{path[i - 1].x + (path[i].x - path[i - 1].x) * t, path[i - 1].y + (path[i].y - path[i - 1].y) * t};
    };
    const float scale = spacing * 2 / static_cast<float>(decor_art::rect(piece).width);
    for (float s = 0; s <= length + 1; s += spacing) {
        const Point c = at(s), a = at(s - 24), b = at(s + 24);
        if (c.x < 0 || c.x > kWidth || c.y < 0 || c.y > m_height)
            continue;
        const float angle = std::atan2(b.y - a.y, b.x - a.x) * 180 / kPi;
        add(piece, NVolant::kWayDecor, c.x, c.y, angle, scale);
    }
}

void DecorPlacer::placeGroundPatches()
{
    const float radius = 0.42f * pieceSize(Piece::Patch);
    for (float gy = 60; gy < m_height; gy += 210) {
        for (float gx = 60; gx < kWidth; gx += 230) {
            const float x = gx + static_cast<float>(m_rng.uniform(-70, 70)),
                        y = gy + static_cast<float>(m_rng.uniform(-70, 70));
            if (x < 0 || x > kWidth || y < 0 || y > m_height)
                continue;
            const float room = m_river.landDistance(x, y);
            const float scale = std::min(static_cast<float>(m_rng.uniform(0.9, 1.6)), room / radius);
            if (scale < 0.45f || !m_query.groundAt(x, y))
                continue;
            const Landscape l = landscapeAt(y);
            const bool dark = m_rng.chance(0.55);
            std::uint32_t c;
            switch (l) {
            case Landscape::Snow: c = dark ? rgba(120, 132, 150, 150) : rgba(255, 255, 255, 200); break;
            case Landscape::Desert: c = dark ? rgba(150, 112, 70, 150) : rgba(250, 232, 190, 150); break;
            case Landscape::Rock: c = dark ? rgba(80, 78, 72, 150) : rgba(210, 204, 190, 130); break;
            case Landscape::Scrub: c = dark ? rgba(92, 96, 56, 150) : rgba(214, 196, 140, 150); break;
            case Landscape::Town: c = dark ? rgba(70, 76, 60, 140) : rgba(200, 196, 170, 120); break;
            case Landscape::Autumn: c = dark ? rgba(96, 64, 36, 150) : rgba(220, 180, 100, 130); break;
            default: c = dark ? rgba(46, 70, 36, 160) : rgba(200, 210, 120, 130); break;
            }
            const bool long_ = m_rng.chance(0.4);
            add(long_ ? Piece::PatchLong : Piece::Patch, NVolant::kGroundDecor, x, y,
                static_cast<float>(m_rng.uniform(-180, 180)), scale * (long_ ? 1.2f : 1.0f), c);
        }
    }
}

void DecorPlacer::placeBanks()
{
    for (int side : {-1, 1}) {
        for (float y = 40; y < m_height; y += static_cast<float>(m_rng.uniform(80, 150))) {
            if (inBridgeBand(y, 90))
                continue;
            const Landscape l = landscapeAt(y);
            const bool sandy = l == Landscape::Desert || l == Landscape::Scrub || l == Landscape::Rock ||
                               l == Landscape::Snow;
            if (!m_rng.chance(sandy ? 0.4 : 0.55))
                continue;
            const float x = shoreX(y, side) - static_cast<float>(side) * 4;
            const float xa = shoreX(y - 12, side), xb = shoreX(y + 12, side);
            const float angle = std::atan2(24.0f, xb - xa) * 180 / kPi;
            if (x <= 0 || x >= kWidth || !m_query.inside(x, y))
                continue;
            std::uint32_t colour = vary(m_rng, 0.15f);
            if (l == Landscape::Snow)
                colour = rgba(220, 224, 230);
            else if (l == Landscape::Rock)
                colour = rgba(200, 196, 188);
            add(sandy ? Piece::SandBank : Piece::Reeds, NVolant::kEdgeDecor, x, y, angle,
                static_cast<float>(m_rng.uniform(0.7, 1.1)), colour);
        }
    }
}

void DecorPlacer::placeFields(float y0, float y1)
{
    const Piece crops[] = {Piece::Wheat, Piece::GreenCrop, Piece::Rape, Piece::Plough, Piece::Meadow, Piece::Wheat};
    std::vector<Circle> placed;
    const float half = 0.46f * pieceSize(Piece::Wheat);
    for (float gy = y0 + 100; gy < y1 - 60; gy += 150) {
        for (float gx = 90; gx < kWidth; gx += 160) {
            const float x = gx + static_cast<float>(m_rng.uniform(-50, 50)),
                        y = gy + static_cast<float>(m_rng.uniform(-40, 40));
            const float scale = static_cast<float>(m_rng.uniform(0.65, 1.05));
            const float r = half * scale * 1.3f; // corners of a turned plot
            if (x < 0 || x > kWidth || m_river.landDistance(x, y) < r || !m_query.groundAt(x, y) ||
                inBridgeBand(y, r * 0.7f) || !clearOfWays(x, y, r * 0.8f + 20))
                continue;
            if (std::any_of(placed.begin(), placed.end(),
                            [&](const Circle& c) { return std::hypot(c.x - x, c.y - y) < (c.r + r) * 0.88f; }))
                continue;
            placed.push_back({x, y, r});
            const float angle = static_cast<float>(m_rng.uniform(-14, 14));
            add(crops[m_rng.range(0, 5)], NVolant::kGroundDecor, x, y, angle, scale, vary(m_rng, 0.12f));
            // Hedges on some sides, a tree now and then at a corner.
            const float a = angle * kPi / 180, ca = std::cos(a), sa = std::sin(a);
            const float edge = (pieceSize(Piece::Wheat) / 2 - 8) * scale;
            const float len = (pieceSize(Piece::Wheat) - 24) * scale / static_cast<float>(decor_art::rect(Piece::Hedge).width);
            for (int s = 0; s < 4; ++s) {
                if (!m_rng.chance(0.35))
                    continue;
                const float nx = s == 0 ? 1.0f : s == 1 ? -1.0f : 0.0f, ny = s == 2 ? 1.0f : s == 3 ? -1.0f : 0.0f;
                const float hx = x + (nx * ca - ny * sa) * edge, hy = y + (nx * sa + ny * ca) * edge;
                if (hx < 0 || hx > kWidth || m_river.landDistance(hx, hy) < 70 || !clearOfWays(hx, hy, 30))
                    continue;
                add(Piece::Hedge, NVolant::kEdgeDecor, hx, hy, angle + (nx != 0 ? 90.0f : 0.0f), len, vary(m_rng, 0.15f));
            }
            if (m_rng.chance(0.4)) {
                const float tx = x + (ca - sa) * edge, ty = y + (sa + ca) * edge;
                const float ts = static_cast<float>(m_rng.uniform(0.8, 1.2));
                const float tr = 0.34f * pieceSize(Piece::TreeGreen) * ts;
                if (tx > 0 && tx < kWidth && m_river.landDistance(tx, ty) > tr && clearOfUnits(tx, ty, tr) &&
                    clearOfWays(tx, ty, tr + 18) && m_query.groundAt(tx, ty))
                    add(Piece::TreeGreen, NVolant::kTallDecor, tx, ty, 0, ts, vary(m_rng, 0.15f));
            }
        }
    }
}

void DecorPlacer::placeHouse(float x, float y, bool town)
{
    const Piece roof = m_rng.chance(town ? 0.45 : 0.3) ? Piece::RoofSlate : m_rng.chance(0.35) ? Piece::RoofRedTall : Piece::RoofRed;
    // Houses stay well smaller than the buildings that are targets, and never grey like them.
    const float scale = static_cast<float>(m_rng.uniform(0.6, 0.78));
    const float r = 0.34f * pieceSize(roof) * scale;
    if (x < r || x > kWidth - r || m_river.landDistance(x, y) < r + 8 || !m_query.groundAt(x, y) ||
        !clearOfUnits(x, y, r) || !clearOfWays(x, y, r + 16) || !clearOfTall(x, y, r + 6))
        return;
    if (!town && m_rng.chance(0.6)) {
        const float yx = x + (x < 400 ? -60.0f : 60.0f), yy = y - 30;
        if (yx > 0 && yx < kWidth && m_river.landDistance(yx, yy) > 60 && clearOfWays(yx, yy, 50))
            add(Piece::Yard, NVolant::kGroundDecor, yx, yy, static_cast<float>(m_rng.uniform(-4, 4)), 0.8f, vary(m_rng, 0.12f));
    }
    add(roof, NVolant::kTallDecor, x, y, static_cast<float>(m_rng.uniform(-3, 3)), scale, vary(m_rng, 0.18f));
}

void DecorPlacer::placeVillages()
{
    // Houses line the roads: now and then a hamlet in the country, close rows in a town, where
    // side streets run off toward the edge of the valley.
    for (std::size_t w = 0; w < m_ways.size(); ++w) {
        const std::vector<Point> pts = m_ways[w].points;
        const int side = w == 0 ? -1 : 1;
        for (std::size_t i = 2; i + 2 < pts.size(); ++i) {
            const Point p = pts[i];
            const Landscape l = landscapeAt(p.y);
            const bool town = l == Landscape::Town;
            if (!town && (l != Landscape::Grass || !m_rng.chance(0.035)))
                continue;
            if (town && i % 3 != 0)
                continue;
            if (town && i % 12 == 0 && !inBridgeBand(p.y, 140)) {
                // A side street to the screen edge, with houses along it.
                std::vector<Point> street;
                const float end = side < 0 ? -10.0f : kWidth + 10;
                for (float x = p.x; side < 0 ? x > end : x < end; x += static_cast<float>(side) * 32)
                    street.push_back({x, p.y});
                street.push_back({end, p.y});
                if (std::all_of(street.begin(), street.end(), [&](const Point& q) {
                        return m_river.landDistance(q.x, q.y) > 30 && clearOfUnits(q.x, q.y, 10);
                    })) {
                    layWay(street, Piece::Street, 56);
                    m_ways.push_back({street});
                    for (float x = p.x + static_cast<float>(side) * 70; x > 20 && x < kWidth - 20;
                         x += static_cast<float>(side) * 62)
                        for (float dy : {-52.0f, 52.0f})
                            placeHouse(x + static_cast<float>(m_rng.uniform(-6, 6)), p.y + dy, true);
                }
            }
            const int houses = town ? 1 : m_rng.range(2, 4);
            for (int h = 0; h < houses; ++h) {
                const float along = static_cast<float>(h) * 70;
                const Point q = pts[std::min(pts.size() - 1, i + static_cast<std::size_t>(along / 32))];
                for (int s : {-1, 1}) {
                    if (!town && m_rng.chance(0.4))
                        continue;
                    placeHouse(q.x + static_cast<float>(s) * static_cast<float>(m_rng.uniform(48, 60)), q.y, town);
                }
            }
        }
    }
}

void DecorPlacer::placeScatter(float y0, float y1, Landscape l)
{
    struct Kind {
        Piece piece;
        NVolant::DecorLayer layer;
        double chance;
        float lo, hi;
    };
    std::vector<Kind> kinds;
    float step = 120;
    switch (l) {
    case Landscape::Forest:
        kinds = {{Piece::ClumpGreen, NVolant::kTallDecor, 0.62, 0.75f, 1.1f},
                 {Piece::TreeGreen, NVolant::kTallDecor, 0.2, 0.8f, 1.2f},
                 {Piece::Bush, NVolant::kTallDecor, 0.1, 0.8f, 1.2f}};
        step = 105;
        break;
    case Landscape::Autumn:
        kinds = {{Piece::ClumpAutumn, NVolant::kTallDecor, 0.5, 0.75f, 1.1f},
                 {Piece::ClumpGreen, NVolant::kTallDecor, 0.12, 0.7f, 1.0f},
                 {Piece::TreeAutumn, NVolant::kTallDecor, 0.2, 0.8f, 1.2f}};
        step = 110;
        break;
    case Landscape::Grass:
        kinds = {{Piece::ClumpGreen, NVolant::kTallDecor, 0.08, 0.6f, 0.9f},
                 {Piece::TreeGreen, NVolant::kTallDecor, 0.1, 0.8f, 1.2f},
                 {Piece::Bush, NVolant::kTallDecor, 0.12, 0.8f, 1.2f}};
        step = 130;
        break;
    case Landscape::Scrub:
        kinds = {{Piece::Bush, NVolant::kTallDecor, 0.35, 0.7f, 1.2f},
                 {Piece::Shrub, NVolant::kTallDecor, 0.3, 0.8f, 1.4f},
                 {Piece::Boulder, NVolant::kTallDecor, 0.08, 0.6f, 1.0f},
                 {Piece::TreeGreen, NVolant::kTallDecor, 0.08, 0.7f, 1.0f}};
        step = 95;
        break;
    case Landscape::Desert:
        kinds = {{Piece::Dune, NVolant::kGroundDecor, 0.45, 0.8f, 1.4f},
                 {Piece::Shrub, NVolant::kTallDecor, 0.3, 1.0f, 1.6f},
                 {Piece::Boulder, NVolant::kTallDecor, 0.06, 0.5f, 0.9f}};
        step = 120;
        break;
    case Landscape::Rock:
        kinds = {{Piece::Scree, NVolant::kEdgeDecor, 0.3, 0.7f, 1.2f},
                 {Piece::Boulder, NVolant::kTallDecor, 0.35, 0.6f, 1.4f},
                 {Piece::Bush, NVolant::kTallDecor, 0.08, 0.7f, 1.0f}};
        step = 110;
        break;
    case Landscape::Snow:
        kinds = {{Piece::Drift, NVolant::kEdgeDecor, 0.3, 0.7f, 1.2f},
                 {Piece::Pine, NVolant::kTallDecor, 0.45, 0.8f, 1.3f},
                 {Piece::Boulder, NVolant::kTallDecor, 0.05, 0.6f, 1.0f}};
        step = 100;
        break;
    case Landscape::Town:
        kinds = {{Piece::TreeGreen, NVolant::kTallDecor, 0.12, 0.7f, 1.0f},
                 {Piece::Bush, NVolant::kTallDecor, 0.1, 0.8f, 1.1f}};
        step = 120;
        break;
    }
    for (float gy = y0 + step / 2; gy < y1; gy += step) {
        for (float gx = step / 2; gx < kWidth; gx += step) {
            const float x = gx + static_cast<float>(m_rng.uniform(-0.45, 0.45)) * step,
                        y = gy + static_cast<float>(m_rng.uniform(-0.45, 0.45)) * step;
            double roll = m_rng.unit();
            const Kind* kind = nullptr;
            for (const Kind& k : kinds) {
                if (roll < k.chance) {
                    kind = &k;
                    break;
                }
                roll -= k.chance;
            }
            const float scale = static_cast<float>(m_rng.uniform(0.0, 1.0));
            if (!kind || x < 0 || x > kWidth || y < 0 || y > m_height)
                continue;
            const float s = kind->lo + (kind->hi - kind->lo) * scale;
            const float r = 0.34f * pieceSize(kind->piece) * s;
            const bool tall = kind->layer == NVolant::kTallDecor;
            // Roads run over soil and dunes; what stands or lies on the ground keeps off them.
            const float wayGap = kind->layer == NVolant::kGroundDecor ? 0.0f
                                 : kind->layer == NVolant::kEdgeDecor ? r * 0.6f + 10
                                                                       : r + 18;
            if (m_river.landDistance(x, y) < r + 4 || !m_query.groundAt(x, y) || !clearOfWays(x, y, wayGap))
                continue;
            if (tall && (!clearOfUnits(x, y, r) || !clearOfTall(x, y, r)))
                continue;
            const float angle = tall ? 0.0f : static_cast<float>(m_rng.uniform(-30, 30));
            add(kind->piece, kind->layer, x, y, angle, s, vary(m_rng, 0.2f, l == Landscape::Snow));
        }
    }
}

NVolant::Decor DecorPlacer::finish()
{
    // The checker's rules, kept here too so that no attempt at a level fails over its scenery.
    std::vector<DecorProp> kept;
    for (const DecorProp& p : m_props) {
        if (p.x < 0 || p.x > kWidth || p.y < 0 || p.y > m_height)
            continue;
        const int tile = m_query.tileAt(p.x, p.y);
        const bool water = tile <= 0 || tiles::classify(tile) == tiles::Class::FlatWater;
        if (water && !bankPiece(p.piece) &&
            !(p.layer == NVolant::kWayDecor && atBridge(m_level, m_catalog, p.x, p.y)))
            continue;
        kept.push_back(p);
    }
    NVolant::Decor decor;
    decor.pieces = decor_art::layout();
    decor.props = std::move(kept);
    return decor;
}

} // namespace datagen::levels
