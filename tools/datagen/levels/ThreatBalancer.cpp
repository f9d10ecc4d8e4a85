#include "levels/ThreatBalancer.h"

#include "levels/Placement.h"
#include "levels/ThreatProfile.h"

#include <algorithm>
#include <numeric>

namespace datagen::levels {

namespace {

constexpr float kTolerance = 0.03f; // how near the plan's threat is near enough
constexpr int kMaxSteps = 5000;

} // namespace

ThreatBalancer::ThreatBalancer(LevelData& level, const UnitCatalog& catalog)
    : m_level(level), m_catalog(catalog)
{
}

float ThreatBalancer::screenCap(const LevelPlan& plan)
{
    // A tenth of the level's threat in one screen at most (a level is some thirty screens
    // long), and room for one unit that counts early on.
    return 1.5f + 0.1f * plan.threat;
}

std::vector<ThreatBalancer::Step> ThreatBalancer::steps(EnemyRecord& unit, bool up) const
{
    const LevelPlan& p = m_level.plan;
    const EnemyKind kind = enemyKindOf(unit.type);
    const bool armable = kind == EnemyKind::Boat || kind == EnemyKind::Helic || kind == EnemyKind::Tank;
    // A unit that moves keeps moving: only its pace changes. Planes may fly at any pace.
    const bool paced = (kind == EnemyKind::Boat || kind == EnemyKind::Helic) && unit.speedClass > 0;
    int fastest = kind == EnemyKind::Plane ? std::min(3, p.number / 6) : paced ? p.maxSpeedClass : 0;
    if (kind == EnemyKind::Boat && placement::headsAtThePlane(unit.group))
        fastest = std::min(fastest, placement::kFastestAtThePlane);
    const int slowest = kind == EnemyKind::Plane ? 0 : paced ? 1 : unit.speedClass;
    std::vector<Step> out;
    auto consider = [&](int range, int speed) {
        EnemyRecord changed = unit;
        changed.weaponRange = range;
        changed.speedClass = speed;
        const UnitShape& s = m_catalog.shapeOf(unit.type);
        const float change = ThreatProfile::unitThreat(changed, s) - ThreatProfile::unitThreat(unit, s);
        if (up ? change > 0 : change < 0)
            out.push_back({&unit, range, speed, change});
    };
    // Up, a gun reaches further; a unit the plan left unarmed stays so (the plan's armed share).
    if (armable && up && unit.weaponRange > 0 && unit.weaponRange < p.rangeMax)
        consider(unit.weaponRange + 1, unit.speedClass);
    if (armable && !up && unit.weaponRange > 0)
        consider(unit.weaponRange > p.rangeMin ? unit.weaponRange - 1 : 0, unit.speedClass);
    if (up && unit.speedClass < fastest)
        consider(unit.weaponRange, unit.speedClass + 1);
    if (!up && unit.speedClass > slowest)
        consider(unit.weaponRange, unit.speedClass - 1);
    return out;
}

bool ThreatBalancer::calmer(float y0, float y1)
{
    Step best;
    for (EnemyRecord& e : m_level.enemies)
        if (e.position.y >= y0 && e.position.y < y1)
            for (const Step& s : steps(e, false))
                if (s.change < best.change)
                    best = s;
    return take(best);
}

bool ThreatBalancer::fiercer(float y0, float y1, float room)
{
    const ThreatProfile profile(m_level, m_catalog);
    const std::vector<float>& screens = profile.screens();
    const float cap = screenCap(m_level.plan);
    // Every screen the unit stands in stays within the cap after the step.
    auto fits = [&](const Step& s) {
        const auto [first, last] = ThreatProfile::screensHolding(s.unit->position.y);
        for (int k = std::max(0, first); k <= last && k < static_cast<int>(screens.size()); ++k)
            if (screens[static_cast<std::size_t>(k)] + s.change > cap)
                return false;
        return true;
    };
    Step best;
    for (EnemyRecord& e : m_level.enemies)
        if (e.position.y >= y0 && e.position.y < y1)
            for (const Step& s : steps(e, true))
                if ((!best.unit || s.change < best.change) && s.change <= room && fits(s))
                    best = s;
    return take(best);
}

bool ThreatBalancer::take(const Step& step)
{
    if (!step.unit)
        return false;
    step.unit->weaponRange = step.range;
    step.unit->speedClass = step.speed;
    return true;
}

void ThreatBalancer::balance()
{
    const float cap = screenCap(m_level.plan);
    const float target = m_level.plan.threat;
    auto profile = [&] { return ThreatProfile(m_level, m_catalog); };
    // No spot: the worst screen is calmed until it is within the cap.
    for (int i = 0; i < kMaxSteps; ++i) {
        const ThreatProfile p = profile();
        if (p.peak() <= cap ||
            !calmer(p.peakY() - ThreatProfile::kScreen / 2, p.peakY() + ThreatProfile::kScreen / 2))
            break;
    }
    // Too hard as a whole: the worst screens calm down first.
    for (int i = 0; i < kMaxSteps; ++i) {
        const ThreatProfile p = profile();
        if (p.total() <= target * (1 + kTolerance) || !stepScreens(p, true, 0))
            break;
    }
    // Too easy: the quietest screens get fiercer first, never past the cap nor past the plan.
    for (int i = 0; i < kMaxSteps; ++i) {
        const ThreatProfile p = profile();
        if (p.total() >= target * (1 - kTolerance) ||
            !stepScreens(p, false, target * (1 + kTolerance) - p.total()))
            break;
    }
}

bool ThreatBalancer::stepScreens(const ThreatProfile& p, bool down, float room)
{
    constexpr float screen = ThreatProfile::kScreen;
    const std::vector<float>& s = p.screens();
    std::vector<std::size_t> order(s.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return down ? s[a] > s[b] : s[a] < s[b]; });
    for (std::size_t k : order) {
        const float y0 = static_cast<float>(k) * ThreatProfile::kStep;
        if (y0 + screen / 2 < placement::kStartCalm) // the opening stays as placed
            continue;
        // The middle third of the screen: the step lands where this screen is worst or quietest.
        if (down ? calmer(y0 + screen / 3, y0 + 2 * screen / 3)
                 : fiercer(y0 + screen / 3, y0 + 2 * screen / 3, room))
            return true;
    }
    return false;
}

} // namespace datagen::levels
