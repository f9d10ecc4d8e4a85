#include "levels/LevelChecker.h"

#include "levels/DecorArt.h"
#include "levels/DecorPlacer.h"
#include "levels/Image.h"
#include "levels/LevelFiles.h"
#include "levels/MapBuilder.h"
#include "levels/Placement.h"
#include "levels/TerrainQuery.h"
#include "levels/ThreatBalancer.h"
#include "levels/ThreatProfile.h"
#include "levels/TileSet.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <queue>

namespace datagen::levels {

namespace {

std::string where(const LevelData& l, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
std::string where(const LevelData& l, const char* fmt, ...)
{
    char buf[256];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, args);
    va_end(args);
    char head[32];
    std::snprintf(head, sizeof head, "level %02d: ", l.number);
    return head + std::string(buf);
}

int tileOf(std::int32_t cell)
{
    return cell < 0 ? 0 : cell % 1000;
}

// The longest stretch of valley (px, 100 a second) allowed between two targets: the generated
// levels keep under 12 s; 15 s of nothing on screen is a level with a hole in it.
constexpr float kLongestQuiet = 1500.0f;

// How far a level's threat may lie from its plan: a share of it, and a couple of slow planes.
// Below it a little further, as a layout poor in planes can only come so close.
constexpr float kThreatTolerance = 0.1f;
constexpr float kThreatShortfall = 0.25f;
constexpr float kThreatSlack = 4.0f;

// The scenery: every prop names a piece and a layer that exist and lies on the map; nothing
// that stands up stands in the river, and roads cross open water only on a bridge.
void checkDecor(const LevelData& level, const UnitCatalog& catalog, std::vector<std::string>& out)
{
    const NVolant::Decor& d = level.decor;
    const TerrainQuery q(level.map);
    const float height = level.height();
    for (std::size_t i = 0; i < d.props.size(); ++i) {
        const NVolant::DecorProp& p = d.props[i];
        if (p.piece < 0 || p.piece >= static_cast<int>(d.pieces.size()))
            out.push_back(where(level, "decor prop %zu names piece %d of %zu", i, p.piece, d.pieces.size()));
        if (p.layer < 0 || p.layer >= NVolant::DecorFile::kLayers)
            out.push_back(where(level, "decor prop %zu is on layer %d", i, p.layer));
        if (!(p.x >= 0 && p.x <= 800 && p.y >= 0 && p.y <= height)) {
            out.push_back(where(level, "decor prop %zu at (%.0f, %.0f) lies off the map", i, p.x, p.y));
            continue;
        }
        const int tile = q.tileAt(p.x, p.y);
        const bool water = tile <= 0 || tiles::classify(tile) == tiles::Class::FlatWater;
        if (water && p.layer == NVolant::kTallDecor)
            out.push_back(where(level, "tall decor prop %zu stands in the water at (%.0f, %.0f)", i, p.x, p.y));
        if (water && p.layer == NVolant::kWayDecor && !DecorPlacer::atBridge(level, catalog, p.x, p.y))
            out.push_back(where(level, "road piece %zu crosses open water at (%.0f, %.0f) away from a bridge", i,
                                p.x, p.y));
    }
}

} // namespace

std::vector<std::string> LevelChecker::check(const LevelData& level) const
{
    std::vector<std::string> out;
    checkMap(level, out);
    const TileMap& m = level.map;
    if (m.cells.size() !=
            static_cast<std::size_t>(m.columns) * static_cast<std::size_t>(std::max(0, m.rows)) ||
        m.columns != 25 || m.cellSize != 32)
        return out; // placements mean nothing on a map of another shape
    checkRiver(level, out);
    checkEnemies(level, out);
    checkBridges(level, out);
    checkBonuses(level, out);
    checkDecor(level, m_catalog, out);
    checkThreat(level, out);
    return out;
}

void LevelChecker::checkThreat(const LevelData& level, std::vector<std::string>& out) const
{
    // The difficulty curve: each level as hard as its place in the progression, and no screen a
    // spot where most of the lives lost in the level go.
    const LevelPlan plan = planFor(level.number);
    const ThreatProfile p(level, m_catalog);
    if (p.total() - plan.threat > kThreatTolerance * plan.threat + kThreatSlack ||
        plan.threat - p.total() > kThreatShortfall * plan.threat + kThreatSlack)
        out.push_back(where(level, "threat %.0f is off the planned %.0f", p.total(), plan.threat));
    if (p.peak() > ThreatBalancer::screenCap(plan) * (1 + kThreatTolerance) + kThreatSlack)
        out.push_back(where(level, "the screen at y %.0f holds threat %.0f, more than %.0f", p.peakY(), p.peak(),
                            ThreatBalancer::screenCap(plan)));
}

void LevelChecker::checkMap(const LevelData& level, std::vector<std::string>& out) const
{
    const TileMap& m = level.map;
    if (m.columns != 25 || m.cellSize != 32 || m.rows < 50 ||
        m.cells.size() != static_cast<std::size_t>(m.columns) * static_cast<std::size_t>(m.rows)) {
        out.push_back(where(level, "map is %d x %d cells of %d px, expected 25 columns of 32 px", m.columns,
                            m.rows, m.cellSize));
        return;
    }
    const int sectors = static_cast<int>(level.sectors.size());
    if (sectors == 0)
        out.push_back(where(level, "no sectors"));
    for (const SectorDef& s : level.sectors) {
        const bool named = std::any_of(level.textures.begin(), level.textures.end(),
                                       [&](const TextureDef& t) { return t.name == s.name; });
        if (!named)
            out.push_back(where(level, "sector '%s' has no texture of its name", s.name.c_str()));
    }
    // Marker cells (sector number = number of sectors) are never drawn: they may only lie where
    // nothing of the ground shows, in the rows above the last scroll or under a bridge's road.
    const int hiddenFrom = (m.rows * m.cellSize - 150) / m.cellSize;
    auto underRoad = [&](int c, int r) {
        for (const EnemyRecord& e : level.enemies) {
            if (e.type != kBridgeType || static_cast<int>(e.position.y) / m.cellSize != r)
                continue;
            const std::vector<int> cols =
                roadColumns(e.position.x, m_catalog.bridge.frameWidth, m_catalog.road.frameWidth, m.cellSize);
            const float band = std::min(m_catalog.road.frameHeight, 40.0f) / 2; // the road's opaque core
            const float rowMid = (static_cast<float>(r) + 0.5f) * static_cast<float>(m.cellSize);
            if (std::find(cols.begin(), cols.end(), c) != cols.end() &&
                std::fabs(e.position.y - rowMid) + static_cast<float>(m.cellSize) / 2 <= band + 0.5f)
                return true;
        }
        return false;
    };
    for (int r = 0; r < m.rows; ++r) {
        for (int c = 0; c < m.columns; ++c) {
            const std::int32_t v = m.at(c, r);
            const int tile = tileOf(v);
            if (tile != 0 && v / 1000 == sectors && tiles::classify(tile) == tiles::Class::Gradient) {
                if (c == 0 || (r < hiddenFrom && !underRoad(c, r)))
                    out.push_back(where(level, "marker cell (%d, %d) would show", c, r));
                continue;
            }
            if (v < 0 || (tile != 0 && v / 1000 >= sectors) ||
                tiles::classify(tile) == tiles::Class::Invalid) {
                out.push_back(where(level, "cell (%d, %d) = %d names no tile of a sector", c, r, v));
                return;
            }
            // Flat tiles are drawn opaque without a shadow: only inland, never at the shore.
            const tiles::Class k = tiles::classify(tile);
            if (k == tiles::Class::FlatWater || k == tiles::Class::FlatLand) {
                for (int dr = -1; dr <= 1; ++dr) {
                    for (int dc = -1; dc <= 1; ++dc) {
                        if (!m.inside(c + dc, r + dr))
                            continue;
                        const tiles::Class n = tiles::classify(tileOf(m.at(c + dc, r + dr)));
                        if (n == tiles::Class::Empty || n == tiles::Class::Shore) {
                            out.push_back(where(level, "flat tile at (%d, %d) touches the water", c, r));
                            return;
                        }
                    }
                }
            }
        }
    }
    // Every sector but the last needs a row that its first cell names (or the game gives it no
    // graphic), and its boundary row should name its gradient tiles through markers.
    for (int s = 0; s + 1 < sectors; ++s) {
        int boundary = -1;
        for (int r = 0; r < m.rows; ++r)
            if (m.at(0, r) / 1000 == s)
                boundary = r;
        if (boundary < 0) {
            out.push_back(where(level, "sector %d appears in no row's first cell", s));
            continue;
        }
        bool marked = false;
        for (int c = 0; c < m.columns; ++c)
            marked = marked || m.at(c, boundary) / 1000 == sectors;
        if (!marked)
            out.push_back(
                where(level, "boundary row %d of sector %d has no transition markers", boundary, s));
    }
}

void LevelChecker::checkRiver(const LevelData& level, std::vector<std::string>& out) const
{
    // Open water must run from the bottom row to the top row without a break.
    const TileMap& m = level.map;
    std::vector<char> seen(m.cells.size(), 0);
    std::queue<std::pair<int, int>> todo;
    for (int c = 0; c < m.columns; ++c) {
        if (tileOf(m.at(c, 0)) == 0) {
            seen[static_cast<std::size_t>(c)] = 1;
            todo.push({c, 0});
        }
    }
    int highest = todo.empty() ? -1 : 0;
    while (!todo.empty()) {
        const auto [c, r] = todo.front();
        todo.pop();
        highest = std::max(highest, r);
        const int dc[4] = {1, -1, 0, 0}, dr[4] = {0, 0, 1, -1};
        for (int i = 0; i < 4; ++i) {
            const int nc = c + dc[i], nr = r + dr[i];
            if (!m.inside(nc, nr) || tileOf(m.at(nc, nr)) != 0)
                continue;
            const std::size_t k = static_cast<std::size_t>(nr) * m.columns + nc;
            if (!seen[k]) {
                seen[k] = 1;
                todo.push({nc, nr});
            }
        }
    }
    if (highest != m.rows - 1)
        out.push_back(where(level, "the river is broken: open water from the start reaches only row %d of %d",
                            highest, m.rows - 1));
}

void LevelChecker::checkEnemies(const LevelData& level, std::vector<std::string>& out) const
{
    const TerrainQuery q(level.map);
    const float top = level.height();
    struct Ground {
        float x, y, hx, hy;
    };
    std::vector<Ground> ground;
    for (std::size_t i = 0; i < level.enemies.size(); ++i) {
        const EnemyRecord& e = level.enemies[i];
        const EnemyKind kind = enemyKindOf(e.type);
        if (i > 0 && e.position.y < level.enemies[i - 1].position.y)
            out.push_back(where(level, "enemy %zu is out of height order", i));
        // Something to do all the way up the valley: never a long stretch without a target.
        if (i > 0 && e.position.y - level.enemies[i - 1].position.y > kLongestQuiet)
            out.push_back(where(level, "%.0f s without a target before enemy %zu",
                                (e.position.y - level.enemies[i - 1].position.y) / 100, i));
        if (kind == EnemyKind::Unknown) {
            out.push_back(where(level, "enemy %zu has unknown type %d", i, e.type));
            continue;
        }
        if (e.speedClass < 0 || e.speedClass > 3 || e.group < 0 || e.group > 7 || e.weaponRange < 0 ||
            e.weaponRange > 10)
            out.push_back(where(level, "enemy %zu (type %d) has group %d, speed %d, range %d", i, e.type,
                                e.group, e.speedClass, e.weaponRange));
        if (e.position.y < 0 || e.position.y > top)
            out.push_back(where(level, "enemy %zu (type %d) lies outside the map at y %.0f", i, e.type, e.position.y));
        const UnitShape& s = m_catalog.shapeOf(e.type);
        const float minX = kind == EnemyKind::Plane ? -20 : 0, maxX = kind == EnemyKind::Plane ? 820 : 800;
        if (e.position.x < minX || e.position.x > maxX)
            out.push_back(where(level, "enemy %zu (type %d) lies outside the map at x %.0f", i, e.type, e.position.x));
        switch (kind) {
        case EnemyKind::Boat:
            if (!placement::openWaterFit(q, s, e.group, e.position.x, e.position.y))
                out.push_back(where(level, "boat %zu at (%.0f, %.0f) is not on open water", i, e.position.x, e.position.y));
            else if (e.speedClass > 0 &&
                     placement::patrolRun(q, s, e.group, e.position.x, e.position.y, 300) < placement::minimumPatrol(s))
                out.push_back(where(level, "boat %zu at (%.0f, %.0f) has no room to patrol", i, e.position.x, e.position.y));
            if (placement::headsAtThePlane(e.group) && e.speedClass > placement::kFastestAtThePlane)
                out.push_back(where(level, "boat %zu at (%.0f, %.0f) races down the river at speed %d", i, e.position.x,
                                    e.position.y, e.speedClass));
            break;
        case EnemyKind::Helic:
            if (e.position.x - s.frameWidth / 2 < 0 || e.position.x + s.frameWidth / 2 > 800)
                out.push_back(
                    where(level, "helicopter %zu at (%.0f, %.0f) sticks out of the screen", i, e.position.x, e.position.y));
            else if (e.speedClass > 0 && !placement::onFlatWater(q, s, e.group, e.position.x, e.position.y) &&
                     (!placement::openWaterFit(q, s, e.group, e.position.x, e.position.y) ||
                      placement::patrolRun(q, s, e.group, e.position.x, e.position.y, 300) < placement::minimumPatrol(s)))
                out.push_back(where(level, "helicopter %zu at (%.0f, %.0f) cannot patrol where it starts", i,
                                    e.position.x, e.position.y));
            break;
        case EnemyKind::Plane:
            if (e.weaponRange != 0)
                out.push_back(where(level, "plane %zu carries a weapon range", i));
            if (placement::sweeps(e.group) && e.speedClass > placement::kFastestSweep)
                out.push_back(where(level, "plane %zu at y %.0f sweeps across at speed %d", i, e.position.y, e.speedClass));
            if (placement::sweeps(e.group)) {
                const auto line = std::count_if(level.enemies.begin(), level.enemies.end(), [&](const EnemyRecord& o) {
                    return enemyKindOf(o.type) == EnemyKind::Plane && o.group == e.group &&
                           std::fabs(o.position.y - e.position.y) < 60;
                });
                if (line > placement::kLongestSweep)
                    out.push_back(where(level, "plane %zu at y %.0f sweeps across in a line of %d", i, e.position.y,
                                        static_cast<int>(line)));
            }
            break;
        case EnemyKind::Tank:
        case EnemyKind::Building: {
            if (!placement::groundFit(q, s, e.position.x, e.position.y) || e.position.x - s.frameWidth / 2 < 0 ||
                e.position.x + s.frameWidth / 2 > 800)
                out.push_back(where(level, "%s %zu at (%.0f, %.0f) is not on full land",
                                    kind == EnemyKind::Tank ? "tank" : "building", i, e.position.x, e.position.y));
            const Point h = placement::groundHalfExtents(s);
            for (const Ground& g : ground)
                if (std::fabs(g.x - e.position.x) < g.hx + h.x && std::fabs(g.y - e.position.y) < g.hy + h.y)
                    out.push_back(
                        where(level, "ground unit %zu at (%.0f, %.0f) overlaps another", i, e.position.x, e.position.y));
            for (float by : level.bridges)
                if (std::fabs(by - e.position.y) < m_catalog.road.frameHeight / 2 + h.y)
                    out.push_back(
                        where(level, "ground unit %zu at (%.0f, %.0f) stands on a bridge road", i, e.position.x, e.position.y));
            ground.push_back({e.position.x, e.position.y, h.x, h.y});
            break;
        }
        default:
            break;
        }
    }
}

void LevelChecker::checkBridges(const LevelData& level, std::vector<std::string>& out) const
{
    std::vector<const EnemyRecord*> bridges;
    for (const EnemyRecord& e : level.enemies)
        if (e.type == kBridgeType)
            bridges.push_back(&e);
    if (bridges.size() < 2) {
        out.push_back(where(level, "%zu bridges, at least two wanted", bridges.size()));
        return;
    }
    if (level.enemies.front().type == kBridgeType)
        out.push_back(where(level, "the lowest enemy is a bridge, which the game would start destroyed"));
    const TerrainQuery q(level.map);
    const float half = m_catalog.bridge.frameWidth / 2;
    float previous = 0;
    for (const EnemyRecord* b : bridges) {
        const float gap = b->position.y - previous;
        if (gap < 2900 || gap > 6100)
            out.push_back(
                where(level, "bridge at %.0f comes %.0f s after the last checkpoint", b->position.y, gap / 100));
        previous = b->position.y;
        // The water under the bridge lies within its span; road runs over land to both edges.
        for (float x = 16; x < 800; x += 32) {
            const bool under = std::fabs(x - b->position.x) < half - 8;
            if (!under && !q.groundAt(x, b->position.y) && q.emptyAt(x, b->position.y))
                out.push_back(where(level, "bridge at %.0f: open water at x %.0f outside its span", b->position.y, x));
        }
        if (q.emptyAt(b->position.x - half + 8, b->position.y) || q.emptyAt(b->position.x + half - 8, b->position.y))
            out.push_back(where(level, "bridge at %.0f: an end stands in open water", b->position.y));
        if (b->position.x - half < 0 || b->position.x + half > 800)
            out.push_back(where(level, "bridge at %.0f sticks out of the screen", b->position.y));
    }
    const float end = level.endScroll();
    const float last = bridges.back()->position.y;
    if (last < end - 1000 || last > end + 450)
        out.push_back(
            where(level, "last bridge at %.0f is not near the end (scroll ends at %.0f)", last, end));
}

void LevelChecker::checkBonuses(const LevelData& level, std::vector<std::string>& out) const
{
    const float pw = std::max(m_catalog.player.frameWidth, 32.0f);
    const float minX = 10 + pw / 2, maxX = 790 - pw / 2;
    const float lastBridge = level.bridges.empty() ? level.endScroll() : level.bridges.back();
    for (std::size_t i = 0; i < level.bonuses.size(); ++i) {
        const BonusRecord& b = level.bonuses[i];
        if (b.kind < 1 || b.kind > 10)
            out.push_back(where(level, "bonus %zu has kind %d", i, b.kind));
        if (b.position.x < minX || b.position.x > maxX || b.position.y < 300 || b.position.y > lastBridge - 150)
            out.push_back(where(level, "bonus %zu (kind %d) at (%.0f, %.0f) is out of the plane's reach", i,
                                b.kind, b.position.x, b.position.y));
        for (const EnemyRecord& e : level.enemies) {
            const EnemyKind k = enemyKindOf(e.type);
            if (k != EnemyKind::Plane && k != EnemyKind::Bridge && std::hypot(e.position.x - b.position.x, e.position.y - b.position.y) < 60)
                out.push_back(where(level, "bonus %zu at (%.0f, %.0f) lies under an enemy", i, b.position.x, b.position.y));
        }
    }
}

std::vector<std::string> LevelChecker::checkFiles(const std::string& treeRoot, int number) const
{
    namespace fs = std::filesystem;
    LevelData level;
    std::string why;
    if (!readLevel(treeRoot, number, level, why))
        return {why};
    std::vector<std::string> out;
    auto size = [&](const std::string& rel) -> std::uintmax_t {
        std::error_code ec;
        const std::uintmax_t s = fs::file_size(fs::path(treeRoot) / rel, ec);
        return ec ? 0 : s;
    };
    const std::string folder = levelFolder(number);
    if (size(folder + "enemies.dat") != 4 + LevelFiles::kEnemyRecordSize * level.enemies.size())
        out.push_back(where(level, "enemies.dat size does not match its count"));
    if (size(folder + "bonuses.dat") != 4 + LevelFiles::kBonusRecordSize * level.bonuses.size())
        out.push_back(where(level, "bonuses.dat size does not match its count"));
    if (size(level.mapPath) != LevelFiles::kMapHeaderSize + 4 * level.map.cells.size())
        out.push_back(where(level, "map file size does not match its dimensions"));
    // Every picture named must exist and decode at the size its role needs.
    std::map<std::string, Image> cache;
    auto picture = [&](const std::string& rel, int w, int h) {
        std::ifstream in(fs::path(treeRoot) / rel, std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        Image img;
        if (!in.good() && bytes.empty())
            out.push_back(where(level, "picture %s is missing", rel.c_str()));
        else if (!decodePng(bytes, img))
            out.push_back(where(level, "picture %s does not decode", rel.c_str()));
        else if ((w > 0 && img.width != w) || (h > 0 && img.height != h))
            out.push_back(where(level, "picture %s is %d x %d, expected %d x %d", rel.c_str(), img.width,
                                img.height, w, h));
    };
    for (const TextureDef& t : level.textures) {
        if (t.images.empty())
            out.push_back(where(level, "texture '%s' has no pictures", t.name.c_str()));
        for (const std::string& p : t.images)
            if (cache.emplace(p, Image{}).second)
                picture(p, level.map.cellSize, level.map.cellSize);
    }
    for (const SectorDef& s : level.sectors)
        if (cache.emplace(s.base, Image{}).second)
            picture(s.base, tiles::kPicture, tiles::kPicture);
    picture(level.waterPath, 0, 0);
    if (!level.decorPath.empty()) {
        picture(decor_art::kAtlasPath, 0, 0);
        picture(decor_art::kCloudsPath, 512, 512);
    }
    for (std::string& s : check(level))
        out.push_back(std::move(s));
    return out;
}

} // namespace datagen::levels
