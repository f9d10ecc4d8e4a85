#include "levels/UnitPlacer.h"

#include "levels/Placement.h"
#include "levels/TerrainQuery.h"
#include "levels/ThreatBalancer.h"
#include "levels/TileSet.h"

#include <algorithm>
#include <cmath>

namespace datagen::levels {

namespace {

constexpr float kBridgeCalm = 320; // fights keep this far from a bridge
constexpr int kTries = 60;

// How much a unit hurts a fight, for placing the repairs after the worst ones: what it takes to
// destroy, and how far it fires.
float hurt(const EnemyRecord& r, const UnitShape& s)
{
    if (enemyKindOf(r.type) == EnemyKind::Plane)
        return 0.6f;
    float t = static_cast<float>(std::max(s.hull, 20)) / 100.0f;
    if (r.weaponRange > 0)
        t *= 1.0f + 0.35f * static_cast<float>(r.weaponRange);
    if (enemyKindOf(r.type) == EnemyKind::Tank && s.flak != 0 && r.weaponRange > 0)
        t *= 1.5f;
    return t;
}

int groupTowardRiver(float x)
{
    return x < 400 ? 3 : 5;
}

} // namespace

std::vector<float> bridgeHeights(float endScroll, Rng& rng)
{
    const float last = endScroll - static_cast<float>(rng.uniform(250, 350));
    const int count = std::max(2, static_cast<int>(std::ceil(last / 4500.0f)));
    const float spacing = last / static_cast<float>(count);
    std::vector<float> out;
    for (int i = 1; i < count; ++i)
        out.push_back(spacing * static_cast<float>(i) +
                      static_cast<float>(rng.uniform(-0.08, 0.08)) * spacing);
    out.push_back(last);
    for (float& y : out)
        y = (std::floor(y / 32.0f) + 0.5f) * 32.0f; // the middle of a row
    return out;
}

UnitPlacer::UnitPlacer(LevelData& level, const UnitCatalog& catalog, Rng& rng)
    : m_level(level), m_catalog(catalog), m_rng(rng)
{
    const LevelPlan& p = level.plan;
    for (int i = 0; i < 5; ++i) {
        if (catalog.tanks[static_cast<std::size_t>(i)].flak != 0)
            m_flakTanks.push_back(i);
        else if (static_cast<int>(m_rocketTanks.size()) < p.tankModels)
            m_rocketTanks.push_back(i);
    }
    if (p.flak == 1 && m_flakTanks.size() > 1)
        m_flakTanks.resize(1);
    if (m_rocketTanks.empty())
        m_rocketTanks.push_back(0);
    if (p.number > 1) {
        const LevelPlan before = planFor(p.number - 1);
        if (p.planeModels > 0 && before.planeModels == 0)
            m_newFight = Fight::Planes;
        else if (p.helicModels > 0 && before.helicModels == 0)
            m_newFight = Fight::HeliHover;
        else if (p.flak > 0 && before.flak == 0 && !m_flakTanks.empty())
            m_newFight = Fight::Battery;
        else if (p.number == 4)
            m_newFight = Fight::HeliPatrol;
    }
    // Buildings split by size: the smaller half for camps, the larger for towns.
    std::vector<int> models;
    for (int i = 0; i < std::clamp(p.buildingModels, 1, 12); ++i)
        models.push_back(i);
    std::vector<int> bySize = models;
    std::stable_sort(bySize.begin(), bySize.end(), [&](int a, int b) {
        const UnitShape &sa = catalog.buildings[static_cast<std::size_t>(a)],
                        &sb = catalog.buildings[static_cast<std::size_t>(b)];
        return sa.frameWidth * sa.frameHeight < sb.frameWidth * sb.frameHeight;
    });
    const std::size_t half = std::max<std::size_t>(1, (bySize.size() + 1) / 2);
    m_smallBuildings.assign(bySize.begin(), bySize.begin() + static_cast<std::ptrdiff_t>(half));
    m_largeBuildings.assign(bySize.begin() + static_cast<std::ptrdiff_t>(std::min(half, bySize.size() - 1)),
                            bySize.end());
}

void UnitPlacer::placeAll()
{
    placeBridges();
    float y = 0;
    for (std::size_t i = 0; i < m_level.bridges.size(); ++i) {
        placeStretch(y, m_level.bridges[i], i == 0);
        y = m_level.bridges[i];
    }
    for (float by : m_level.bridges) {
        const int guards = m_level.plan.bridgeGuards;
        if (guards == 2 || (guards == 1 && m_rng.chance(0.5)))
            guardBridge(by);
    }
    std::stable_sort(m_level.enemies.begin(), m_level.enemies.end(),
                     [](const EnemyRecord& a, const EnemyRecord& b) { return a.position.y < b.position.y; });
    for (std::size_t i = 0; i < m_level.enemies.size(); ++i)
        m_level.enemies[i].index = static_cast<int>(i); // the order of the file
    // The fights as placed follow the plan only on average; the balancer takes the luck out.
    ThreatBalancer(m_level, m_catalog).balance();
    for (Encounter& e : m_encounters) {
        e.threat = 0;
        for (const EnemyRecord& r : m_level.enemies)
            if (r.position.y >= e.y0 && r.position.y <= e.y1 && enemyKindOf(r.type) != EnemyKind::Bridge)
                e.threat += hurt(r, m_catalog.shapeOf(r.type));
    }
    std::sort(m_encounters.begin(), m_encounters.end(),
              [](const Encounter& a, const Encounter& b) { return a.y0 < b.y0; });
}

void UnitPlacer::placeBridges()
{
    const TerrainQuery q(m_level.map);
    for (float by : m_level.bridges) {
        // The middle of the water under the bridge's row.
        float lo = 800, hi = 0;
        for (int c = 0; c < m_level.map.columns; ++c) {
            const float x = (static_cast<float>(c) + 0.5f) * 32.0f;
            if (!q.groundAt(x, by)) {
                lo = std::min(lo, x - 16);
                hi = std::max(hi, x + 16);
            }
        }
        EnemyRecord r;
        r.type = kBridgeType;
        r.position.x = std::round((lo + hi) / 2);
        r.position.y = by;
        m_level.enemies.push_back(r);
        const UnitShape& b = m_catalog.bridge;
        m_taken.push_back({r.position.x, r.position.y, std::max(b.frameWidth, b.frameHeight) / 2});
        m_level.notes.push_back({by, "bridge"});
    }
}

void UnitPlacer::placeStretch(float y0, float y1, bool first)
{
    const float a = first ? placement::kStartCalm : y0 + kBridgeCalm + 200;
    const float b = y1 - kBridgeCalm - 150;
    if (b - a < 300)
        return;
    const float seconds = (y1 - y0) / 100.0f;
    const int fights =
        std::max(1, static_cast<int>(std::lround(m_level.plan.encountersPerMinute * seconds / 60.0f)));
    // Two waves per stretch with a breather between them; an odd fight goes to the second.
    const float length = b - a;
    const int waveA = fights / 2, waveB = fights - waveA;
    const LevelPlan& p = m_level.plan;
    bool groundSeen = false;
    m_lastFight.reset();
    // Plane formations cost people more lives than anything else, so they come on a schedule,
    // spread evenly over the stretch's fights, not by the luck of the draw.
    const float formationsDue =
        p.planeModels > 0 ? m_planeCarry + p.formationsPerMinute * seconds / 60.0f : 0.0f;
    const int formations = std::min(fights, static_cast<int>(formationsDue));
    m_planeCarry = formationsDue - static_cast<float>(formations);
    std::vector<bool> planeSlot(static_cast<std::size_t>(fights), false);
    for (int k = 0; k < formations; ++k)
        planeSlot[static_cast<std::size_t>((2 * k + 1) * fights / (2 * formations))] = true;
    for (int i = 0; i < fights; ++i) {
        const bool second = i >= waveA;
        const float from = second ? a + 0.55f * length : a, to = second ? b : a + 0.42f * length;
        const int inWave = second ? i - waveA : i, count = second ? waveB : waveA;
        const float slot = (to - from) / static_cast<float>(std::max(1, count));
        const float yc = from + slot * (static_cast<float>(inWave) + 0.5f) +
                         static_cast<float>(m_rng.uniform(-0.15, 0.15)) * slot;
        const float span = std::min(420.0f, slot * 0.6f);
        // A weighted pool of fights the level knows so far.
        std::vector<std::pair<Fight, float>> pool = {
            {Fight::Boats, 3}, {Fight::Camp, 3}, {Fight::Town, 1.5f}};
        // A column of boats coming down the river at the plane is no way to open a level.
        if (p.number >= 2 && !(first && i < 2))
            pool.push_back({Fight::Convoy, 1.5f});
        if (p.helicModels > 0)
            pool.push_back({Fight::HeliHover, 1.5f});
        if (p.helicModels > 0 && p.number >= 4) {
            pool.push_back({Fight::HeliPatrol, 1.5f});
            pool.push_back({Fight::HeliLand, 0.8f});
        }
        if (p.flak > 0 && !m_flakTanks.empty())
            pool.push_back({Fight::Battery, p.flak == 1 ? 0.8f : 1.6f});
        // Variety: the fight just placed is less likely to come again at once, and every
        // stretch ends its second wave on the ground if it has had no ground fight yet.
        for (auto& entry : pool)
            if (m_lastFight && entry.first == *m_lastFight)
                entry.second *= 0.25f;
        const bool isGround = [&] {
            return m_lastFight && (*m_lastFight == Fight::Camp || *m_lastFight == Fight::Town ||
                                   *m_lastFight == Fight::Battery);
        }();
        groundSeen = groundSeen || (i > 0 && isGround);
        if (planeSlot[static_cast<std::size_t>(i)]) {
            // The level's opening keeps its slots: that formation comes in the next stretch.
            if (first && (i == 0 || (i == 1 && m_newFight)))
                m_planeCarry += 1;
            else if (placeFight(Fight::Planes, yc, span))
                continue;
        }
        if (i == fights - 1 && !groundSeen) {
            const Fight f =
                p.flak > 0 && !m_flakTanks.empty() && m_rng.chance(0.4) ? Fight::Battery : Fight::Camp;
            if (placeFight(f, yc, span))
                continue;
        }
        // Every level opens on the river: its first fight is a boat patrol. A threat new in
        // this level is shown next, on its own, before it mixes with the others.
        m_opening = first && i == 0;
        const bool opened = m_opening && placeFight(Fight::Boats, yc, span);
        m_opening = false;
        if (opened)
            continue;
        if (first && i == 1 && m_newFight && placeFight(*m_newFight, yc, span))
            continue;
        for (int attempt = 0; attempt < 6; ++attempt) {
            float total = 0;
            for (const auto& e : pool)
                total += e.second;
            float pickAt = static_cast<float>(m_rng.uniform(0, total));
            std::size_t k = 0;
            while (k + 1 < pool.size() && pickAt >= pool[k].second) {
                pickAt -= pool[k].second;
                ++k;
            }
            if (placeFight(pool[k].first, yc, span))
                break;
            pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(k));
            if (pool.empty())
                break;
        }
        // From mid levels on, fights come in pairs now and then: a second, different threat
        // over the first one.
        if (p.number >= 6 && m_rng.chance(std::min(0.5, 0.02 * p.number))) {
            const Fight extra = p.helicModels > 0 ? Fight::HeliHover : Fight::Boats;
            placeFight(extra, yc + span * 0.5f, span * 0.6f);
        }
    }
}

bool UnitPlacer::placeFight(Fight f, float yc, float span)
{
    Encounter e;
    e.y0 = yc - span / 2;
    e.y1 = yc + span / 2;
    bool ok = false;
    const int n = m_level.plan.number;
    switch (f) {
    case Fight::Boats:
        ok = boats(yc, span, e);
        break;
    case Fight::Convoy:
        ok = convoy(yc, span, e);
        break;
    case Fight::Camp:
        e.label = "camp";
        ok = groundGroup(yc, span, m_rng.range(1, 2 + n / 8), m_rng.range(1, 2), false, 90, e);
        break;
    case Fight::Town:
        e.label = "town";
        ok = groundGroup(yc, span, m_rng.range(0, n / 10), m_rng.range(3, 5 + n / 10), false, 130, e);
        break;
    case Fight::Battery:
        ok = battery(yc, span, e);
        break;
    case Fight::HeliHover:
        ok = heliHover(yc, span, e);
        break;
    case Fight::HeliPatrol:
        ok = heliPatrol(yc, span, e);
        break;
    case Fight::HeliLand:
        ok = heliLand(yc, span, e);
        break;
    case Fight::Planes:
        ok = planes(yc, span, e);
        break;
    }
    if (ok) {
        m_lastFight = f;
        m_encounters.push_back(e);
        m_level.notes.push_back({yc, e.label});
    }
    return ok;
}

void UnitPlacer::add(const EnemyRecord& r, float radius, Encounter& e)
{
    m_level.enemies.push_back(r);
    m_taken.push_back({r.position.x, r.position.y, radius});
    e.threat += hurt(r, m_catalog.shapeOf(r.type));
    e.y0 = std::min(e.y0, r.position.y);
    e.y1 = std::max(e.y1, r.position.y);
}

bool UnitPlacer::freeOf(float x, float y, float r) const
{
    return std::none_of(m_taken.begin(), m_taken.end(),
                        [&](const Disc& d) { return std::hypot(d.x - x, d.y - y) < d.r + r; });
}

bool UnitPlacer::offRoads(float y, float halfHeight) const
{
    const float road = std::max(m_catalog.road.frameHeight, m_catalog.bridge.frameHeight) / 2 + 6;
    return std::none_of(m_level.bridges.begin(), m_level.bridges.end(),
                        [&](float by) { return std::fabs(by - y) < road + halfHeight; });
}

int UnitPlacer::armedRange(float extraChance)
{
    const LevelPlan& p = m_level.plan;
    if (!m_rng.chance(std::min(1.0f, p.armedShare + extraChance)))
        return 0;
    return m_rng.range(p.rangeMin, p.rangeMax);
}

int UnitPlacer::boatModel()
{
    // Newer models turn up more often than old ones once they exist.
    const int n = std::clamp(m_level.plan.boatModels, 1, 4);
    const int a = m_rng.range(0, n - 1), b = m_rng.range(0, n - 1);
    return std::max(a, b);
}

int UnitPlacer::tankModel(bool flak)
{
    const std::vector<int>& from = flak && !m_flakTanks.empty() ? m_flakTanks : m_rocketTanks;
    return from[static_cast<std::size_t>(m_rng.range(0, static_cast<int>(from.size()) - 1))];
}

int UnitPlacer::buildingModel(bool large)
{
    const std::vector<int>& from = large ? m_largeBuildings : m_smallBuildings;
    return from[static_cast<std::size_t>(m_rng.range(0, static_cast<int>(from.size()) - 1))];
}

int UnitPlacer::speedClass(int lo)
{
    return m_rng.range(std::min(lo, m_level.plan.maxSpeedClass), m_level.plan.maxSpeedClass);
}

bool UnitPlacer::boats(float yc, float span, Encounter& e)
{
    e.label = "boats";
    const TerrainQuery q(m_level.map);
    const int want = m_rng.range(2, 3 + m_level.plan.number / 8);
    int placed = 0;
    for (int t = 0; t < kTries * 2 && placed < want; ++t) {
        const int model = boatModel();
        const UnitShape& s = m_catalog.boats[static_cast<std::size_t>(model)];
        const float y = yc + static_cast<float>(m_rng.uniform(-span / 2, span / 2));
        const float x = static_cast<float>(m_rng.uniform(40, 760));
        // The opening patrol crosses the river or heads up it: the plane catches up with the
        // level's first boats before any comes at it.
        const int group =
            m_rng.chance(0.6) ? (m_rng.chance(0.5) ? 2 : 6) : ((m_rng.chance(0.5) || m_opening) ? 0 : 4);
        const float r = s.reach();
        if (!offRoads(y, r) || !freeOf(x, y, r) || !placement::openWaterFit(q, s, group, x, y))
            continue;
        int speed = m_level.plan.number == 1 && m_rng.chance(0.3) ? 0 : speedClass(1);
        if (placement::headsAtThePlane(group))
            speed = std::min(speed, placement::kFastestAtThePlane);
        if (speed > 0 && placement::patrolRun(q, s, group, x, y, 300) < placement::minimumPatrol(s))
            continue;
        EnemyRecord rec;
        rec.type = kBoatType + model;
        rec.group = group;
        rec.speedClass = speed;
        rec.position.x = std::round(x);
        rec.position.y = std::round(y);
        rec.weaponRange = armedRange();
        if (!placement::openWaterFit(q, s, group, rec.position.x, rec.position.y))
            continue;
        add(rec, r, e);
        ++placed;
    }
    return placed > 0;
}

bool UnitPlacer::convoy(float yc, float span, Encounter& e)
{
    e.label = "convoy";
    const TerrainQuery q(m_level.map);
    const int model = boatModel();
    const UnitShape& s = m_catalog.boats[static_cast<std::size_t>(model)];
    const int want = m_rng.range(2, 3 + m_level.plan.number / 12);
    const int speed = std::min(speedClass(1), placement::kFastestAtThePlane); // down the river
    const float gap = s.frameHeight + 40;
    int placed = 0;
    for (int i = 0; i < want; ++i) {
        const float y = std::round(yc - span / 2 + static_cast<float>(i) * gap);
        // The middle of the widest stretch of open water at that height.
        float best = -1, bx = 0;
        float run = 0, start = 0;
        for (float xx = 8; xx <= 800; xx += 8) {
            if (xx < 800 && q.emptyAt(xx, y)) {
                if (run == 0)
                    start = xx;
                run += 8;
            } else if (run > 0) {
                if (run > best) {
                    best = run;
                    bx = start + run / 2;
                }
                run = 0;
            }
        }
        bx = std::round(bx);
        const float r = s.reach();
        if (best < 0 || !offRoads(y, r) || !freeOf(bx, y, r * 0.8f) ||
            !placement::openWaterFit(q, s, 4, bx, y) ||
            placement::patrolRun(q, s, 4, bx, y, 300) < placement::minimumPatrol(s))
            continue;
        EnemyRecord rec;
        rec.type = kBoatType + model;
        rec.group = 4;
        rec.speedClass = speed;
        rec.position.x = bx;
        rec.position.y = y;
        rec.weaponRange = armedRange(0.1f);
        add(rec, r * 0.8f, e);
        ++placed;
    }
    return placed > 0;
}

bool UnitPlacer::placeGround(int type, float x, float y, int group, int range, Encounter& e)
{
    const TerrainQuery q(m_level.map);
    const UnitShape& s = m_catalog.shapeOf(type);
    const float r =
        std::max(s.frameWidth, s.frameHeight) * 0.58f; // keeps the footprints apart diagonally too
    x = std::round(x);
    y = std::round(y);
    if (!placement::groundFit(q, s, x, y) || !freeOf(x, y, r) ||
        !offRoads(y, placement::groundHalfExtents(s).y))
        return false;
    if (x - s.frameWidth / 2 < 0 || x + s.frameWidth / 2 > 800)
        return false;
    EnemyRecord rec;
    rec.type = type;
    rec.group = group;
    rec.position.x = x;
    rec.position.y = y;
    rec.weaponRange = range;
    add(rec, r, e);
    return true;
}

bool UnitPlacer::groundGroup(float yc, float span, int tanks, int buildings, bool flak, float radius,
                             Encounter& e)
{
    const TerrainQuery q(m_level.map);
    for (int t = 0; t < kTries; ++t) {
        const float ax = static_cast<float>(m_rng.uniform(50, 750));
        const float ay = yc + static_cast<float>(m_rng.uniform(-span / 2, span / 2));
        const float core = radius * 0.45f;
        if (!q.rectGround(ax - core, ay - core, ax + core, ay + core))
            continue;
        int placedT = 0, placedB = 0;
        for (int k = 0; k < kTries && placedB < buildings; ++k) {
            const float a = static_cast<float>(m_rng.uniform(0, 6.2831853));
            const float d = static_cast<float>(m_rng.uniform(0, radius));
            const bool large = e.label == "town" && m_rng.chance(0.6);
            if (placeGround(kBuildingType + buildingModel(large), ax + d * std::cos(a), ay + d * std::sin(a), 0,
                            0, e))
                ++placedB;
        }
        for (int k = 0; k < kTries && placedT < tanks; ++k) {
            const float a = static_cast<float>(m_rng.uniform(0, 6.2831853));
            const float d = static_cast<float>(m_rng.uniform(0, radius));
            const float x = ax + d * std::cos(a), y = ay + d * std::sin(a);
            const int group = m_rng.chance(0.5) ? 4 : groupTowardRiver(x);
            if (placeGround(kTankType + tankModel(flak), x, y, group, armedRange(0.15f), e))
                ++placedT;
        }
        if (placedT + placedB > 0)
            return true;
    }
    return false;
}

bool UnitPlacer::battery(float yc, float span, Encounter& e)
{
    e.label = "flak";
    const int want = m_rng.range(2, m_level.plan.flak == 2 ? 4 : 3);
    for (int t = 0; t < kTries; ++t) {
        const float ax = static_cast<float>(m_rng.uniform(60, 740));
        const float ay = yc + static_cast<float>(m_rng.uniform(-span / 2, span / 2));
        const int model = tankModel(true);
        const UnitShape& s = m_catalog.tanks[static_cast<std::size_t>(model)];
        const float gap = s.frameWidth + 14;
        int placed = 0;
        for (int i = 0; i < want; ++i) {
            const float x = ax + (static_cast<float>(i) - static_cast<float>(want - 1) / 2) * gap;
            const float y = ay + static_cast<float>(m_rng.uniform(-6, 6));
            const int range = std::max(m_level.plan.rangeMin, armedRange(1.0f));
            if (placeGround(kTankType + model, x, y, 4, range, e))
                ++placed;
        }
        if (placed > 0)
            return true;
    }
    return false;
}

bool UnitPlacer::heliHover(float yc, float span, Encounter& e)
{
    e.label = "helicopters";
    const int want = m_rng.range(1, m_level.plan.number >= 12 ? 3 : 2);
    int placed = 0;
    for (int t = 0; t < kTries && placed < want; ++t) {
        const int model = m_rng.range(0, std::clamp(m_level.plan.helicModels, 1, 4) - 1);
        const UnitShape& s = m_catalog.helics[static_cast<std::size_t>(model)];
        const float x =
            std::round(static_cast<float>(m_rng.uniform(s.frameWidth / 2 + 20, 780 - s.frameWidth / 2)));
        const float y = std::round(yc + static_cast<float>(m_rng.uniform(-span / 2, span / 2)));
        const float r = s.reach();
        if (!freeOf(x, y, r) || !offRoads(y, r))
            continue;
        EnemyRecord rec;
        rec.type = kHelicType + model;
        rec.group = m_rng.chance(0.6) ? 4 : (x < 400 ? 3 : 5);
        rec.speedClass = 0;
        rec.position.x = x;
        rec.position.y = y;
        rec.weaponRange = armedRange(0.3f);
        add(rec, r, e);
        ++placed;
    }
    return placed > 0;
}

bool UnitPlacer::heliPatrol(float yc, float span, Encounter& e)
{
    e.label = "helicopter patrol";
    const TerrainQuery q(m_level.map);
    for (int t = 0; t < kTries * 2; ++t) {
        const int model = m_rng.range(0, std::clamp(m_level.plan.helicModels, 1, 4) - 1);
        const UnitShape& s = m_catalog.helics[static_cast<std::size_t>(model)];
        const float x = std::round(static_cast<float>(m_rng.uniform(60, 740)));
        const float y = std::round(yc + static_cast<float>(m_rng.uniform(-span / 2, span / 2)));
        const int group = m_rng.chance(0.5) ? 2 : 6;
        const float r = s.reach();
        if (!freeOf(x, y, r) || !offRoads(y, r) || !placement::openWaterFit(q, s, group, x, y) ||
            placement::patrolRun(q, s, group, x, y, 300) < placement::minimumPatrol(s))
            continue;
        EnemyRecord rec;
        rec.type = kHelicType + model;
        rec.group = group;
        rec.speedClass = speedClass(1);
        rec.position.x = x;
        rec.position.y = y;
        rec.weaponRange = armedRange();
        add(rec, r, e);
        return true;
    }
    return false;
}

bool UnitPlacer::heliLand(float yc, float span, Encounter& e)
{
    e.label = "helicopter field";
    TerrainQuery q(m_level.map);
    TileMap& map = m_level.map;
    const int model = m_rng.range(0, std::clamp(m_level.plan.helicModels, 1, 4) - 1);
    const UnitShape& s = m_catalog.helics[static_cast<std::size_t>(model)];
    const int cw = static_cast<int>(std::ceil((s.frameWidth + 120) / 32.0f)), ch = 3;
    for (int t = 0; t < kTries; ++t) {
        const int c0 = m_rng.range(1, map.columns - cw - 1);
        const int r0 =
            static_cast<int>((yc + static_cast<float>(m_rng.uniform(-span / 2, span / 2))) / 32.0f);
        if (r0 < 1 || r0 + ch + 1 >= map.rows)
            continue;
        // The field and a ring of one cell around it must be ground: flat tiles are opaque.
        bool ok = true;
        for (int r = r0 - 1; r <= r0 + ch && ok; ++r)
            for (int c = c0 - 1; c <= c0 + cw && ok; ++c)
                ok = tiles::isGroundTile(map.at(c, r) % 1000);
        if (!ok)
            continue;
        const float x = std::round((static_cast<float>(c0) + static_cast<float>(cw) / 2) * 32.0f);
        const float y = std::round((static_cast<float>(r0) + static_cast<float>(ch) / 2) * 32.0f);
        const float r = s.reach();
        if (!freeOf(x, y, r) || !offRoads(y, r))
            continue;
        for (int rr = r0; rr < r0 + ch; ++rr)
            for (int c = c0; c < c0 + cw; ++c)
                map.at(c, rr) = (map.at(c, rr) / 1000) * 1000 + tiles::kFlatWaterFirst + m_rng.range(0, 5);
        EnemyRecord rec;
        rec.type = kHelicType + model;
        rec.group = m_rng.chance(0.5) ? 2 : 6;
        rec.speedClass = speedClass(1);
        rec.position.x = x;
        rec.position.y = y;
        rec.weaponRange = armedRange(0.2f);
        if (!placement::onFlatWater(q, s, rec.group, x, y))
            rec.speedClass = 0;
        add(rec, r, e);
        return true;
    }
    return false;
}

bool UnitPlacer::planes(float yc, float span, Encounter& e)
{
    (void)span;
    const int model = m_rng.range(0, std::clamp(m_level.plan.planeModels, 1, 4) - 1);
    const UnitShape& s = m_catalog.planes[static_cast<std::size_t>(model)];
    int n = m_rng.range(3, m_level.plan.number >= 20 ? 5 : 4);
    int speed = m_rng.range(0, std::min(3, m_level.plan.number / 6));
    const float gap = std::max(s.frameWidth, s.frameHeight) + 24;
    const int shape = m_rng.range(0, 2);
    std::vector<std::pair<float, float>> at;
    int group = 4;
    if (shape == 0) {
        // A vee diving down the valley, leader lowest.
        e.label = "planes: vee";
        const float cx = static_cast<float>(m_rng.uniform(260, 540));
        for (int i = 0; i < n; ++i) {
            const int rank = (i + 1) / 2, side = i % 2 ? -1 : 1;
            at.push_back({cx + static_cast<float>(side * rank) * gap * 0.9f,
                          yc + static_cast<float>(rank) * gap * 0.8f});
        }
    } else if (shape == 1) {
        // An echelon crossing diagonally from an upper corner.
        const bool fromLeft = m_rng.chance(0.5);
        e.label = "planes: echelon";
        group = fromLeft ? 3 : 5;
        for (int i = 0; i < n; ++i) {
            const float dx = static_cast<float>(i) * gap * 0.8f;
            at.push_back({fromLeft ? 30 + dx : 770 - dx, yc + static_cast<float>(i) * gap * 0.8f});
        }
    } else {
        // A line sweeping across the screen from one edge, wrapping until it is passed.
        const bool fromLeft = m_rng.chance(0.5);
        e.label = "planes: sweep";
        group = fromLeft ? 2 : 6;
        speed = std::min(speed, placement::kFastestSweep);
        n = std::min(n, placement::kLongestSweep);
        for (int i = 0; i < n; ++i) {
            const float dx = static_cast<float>(i) * gap;
            at.push_back({fromLeft ? -10 - dx + static_cast<float>(n - 1) * gap
                                   : 810 + dx - static_cast<float>(n - 1) * gap,
                          yc + static_cast<float>(i % 2) * 30});
        }
    }
    for (const auto& [x, y] : at) {
        EnemyRecord rec;
        rec.type = kPlaneType + model;
        rec.group = group;
        rec.speedClass = speed;
        rec.position.x = std::round(std::clamp(x, -20.0f, 820.0f));
        rec.position.y = std::round(y);
        m_level.enemies.push_back(rec);
        e.threat += hurt(rec, s);
        e.y0 = std::min(e.y0, rec.position.y);
        e.y1 = std::max(e.y1, rec.position.y);
    }
    return true;
}

void UnitPlacer::guardBridge(float by)
{
    Encounter e;
    e.label = "bridge guard";
    e.y0 = e.y1 = by;
    const bool flak = m_level.plan.flak > 0 && !m_flakTanks.empty() && m_rng.chance(0.5);
    const int want = m_rng.range(2, m_level.plan.number >= 15 ? 4 : 3);
    int placed = 0;
    for (int t = 0; t < kTries * 2 && placed < want; ++t) {
        const int model = tankModel(flak);
        const float x = static_cast<float>(m_rng.uniform(40, 760));
        const float y = by + static_cast<float>(m_rng.uniform(70, 220));
        if (placeGround(kTankType + model, x, y, x < 400 ? 3 : 5,
                        std::max(m_level.plan.rangeMin, armedRange(0.5f)), e))
            ++placed;
    }
    if (placed > 0)
        m_encounters.push_back(e);
}

} // namespace datagen::levels
