#include "enemies/Enemies.h"

#include "combat/Arena.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"
#include "enemies/EBoat.h"
#include "enemies/EBridge.h"
#include "enemies/EBuilding.h"
#include "enemies/EHelic.h"
#include "enemies/EPlane.h"
#include "enemies/ETank.h"
#include "enemies/Enemy.h"
#include "content/LevelFiles.h"
#include "gameplay/Images.h"
#include "gameplay/PlayConstants.h"
#include "platform/Log.h"

#include <algorithm>
#include <cmath>

namespace NVolant {

namespace {

// Type-code windows drawn one after another: boats first, planes last. Helicopters fall in two
// windows and are drawn twice; the 600 window names no kind.
constexpr int kDrawOrder[] = {0, 90, 500, 400, 100, 600, 300, 200};
constexpr int kDrawWindow = 20;

// How far ahead of the plane the salvo starts picking targets.
constexpr float kSalvoAhead = 100.0f;
// How far ahead the aim sight looks.
constexpr float kSightReach = 350.0f;
// The last bridge ends the level once it is this close above the camera.
constexpr float kLevelEndDistance = 250.0f;

std::optional<TargetInfo> describe(const Enemy* e)
{
    if (!e)
        return std::nullopt;
    return TargetInfo{e->id(), e->position(), e->direction(), e->speed()};
}

} // namespace

Enemies::Enemies(Arena& arena) : m_arena(arena)
{
    m_arena.setTargets(this);
}

Enemies::~Enemies()
{
    clear();
    if (m_arena.targets() == this)
        m_arena.setTargets(nullptr);
}

std::unique_ptr<Enemy> Enemies::create(int type)
{
    Images* images = Images::instance();
    const int model = enemyModelOf(type);
    const auto i = static_cast<std::size_t>(model);
    switch (enemyKindOf(type)) {
    case EnemyKind::Boat:
        return std::make_unique<EBoat>(*this, type, *images->boats[i], *images->boatParams[i]);
    case EnemyKind::Helic:
        return std::make_unique<EHelic>(*this, type, *images->helics[i], *images->helicParams[i]);
    case EnemyKind::Plane:
        return std::make_unique<EPlane>(*this, type, *images->planes[i], *images->planeParams[i]);
    case EnemyKind::Bridge:
        return std::make_unique<EBridge>(*this, *images->bridge, *images->road, *images->bridgeParams);
    case EnemyKind::Tank:
        return std::make_unique<ETank>(*this, type, *images->tanks[i], *images->tankParams[i]);
    case EnemyKind::Building:
        return std::make_unique<EBuilding>(*this, type, *images->buildings[i], *images->buildingParams[i]);
    case EnemyKind::Unknown:
        break;
    }
    return nullptr;
}

void Enemies::load(const std::string& path)
{
    const auto buffer = NLib::ResourceArchive::instance()->readFile(path);
    LevelFiles::EnemyReport report;
    const auto records =
        LevelFiles::readEnemies(std::span<const std::uint8_t>(buffer.data(), buffer.size()), &report);
    if (!report.clean())
        LOG_ERROR("%s: %u enemies declared, %zu present, %zu dropped, %zu clamped", path.c_str(),
                  report.declared, report.present, report.dropped, report.clamped);
    load(records);
}

void Enemies::load(std::span<const std::uint8_t> bytes)
{
    LevelFiles::EnemyReport report;
    const auto records = LevelFiles::readEnemies(bytes, &report);
    if (!report.clean())
        LOG_ERROR("enemy list: %u declared, %zu present, %zu dropped, %zu clamped", report.declared,
                  report.present, report.dropped, report.clamped);
    load(records);
}

void Enemies::load(const std::vector<EnemyRecord>& records)
{
    clear();
    int unknown = 0;
    for (const EnemyRecord& r : records) {
        if (r.index < m_checkpointEntry && r.type != kBridgeType)
            continue;
        std::unique_ptr<Enemy> enemy = create(r.type);
        if (!enemy) {
            ++unknown;
            continue;
        }
        const Vector4 p(r.position.x, r.position.y, r.position.z, 1.0f);
        enemy->setStartPosition(p);
        enemy->setPosition(p);
        enemy->setDirection(r.group);
        enemy->setInitialGroup(r.group);
        enemy->setSpeedClass(r.speedClass);
        enemy->setWeaponRange(r.weaponRange);
        if (r.type == kBridgeType) {
            auto* bridge = static_cast<EBridge*>(enemy.get());
            bridge->setEntryIndex(r.index);
            if (r.index <= m_checkpointEntry)
                bridge->setDestroyed(true);
            m_bridges.push_back(bridge);
        }
        insertSorted(std::move(enemy));
    }
    if (unknown > 0)
        LOG_INFO("enemy list: %d entries of no known kind skipped", unknown);
    // Nothing lies below a level's first bridge: the level starts behind it.
    if (!m_bridges.empty() && !m_all.empty() && m_all.front().get() == m_bridges.front())
        m_bridges.front()->setDestroyed(true);
    rebuildActive();
}

void Enemies::insertSorted(std::unique_ptr<Enemy> enemy)
{
    // In front of the first one strictly higher, so equal heights keep the file's order.
    const float y = enemy->position().y;
    const auto at =
        std::upper_bound(m_all.begin(), m_all.end(), y,
                         [](float v, const std::unique_ptr<Enemy>& e) { return v < e->position().y; });
    m_all.insert(at, std::move(enemy));
}

void Enemies::clear()
{
    m_active.clear();
    m_bridges.clear();
    m_all.clear();
}

bool Enemies::belowWindow(const Enemy& e) const
{
    return e.startPosition().y < m_camera.y - kActivationBelow;
}

bool Enemies::aboveWindow(const Enemy& e) const
{
    return e.startPosition().y > m_camera.y + kActivationAbove;
}

void Enemies::rebuildActive()
{
    m_active.clear();
    for (const auto& e : m_all) {
        if (belowWindow(*e))
            continue;
        if (aboveWindow(*e))
            break;
        if (!e->finished())
            m_active.push_back(e.get());
    }
}

void Enemies::setCamera(const Vector4& camera)
{
    m_camera = camera;
}

void Enemies::update(float dtMs)
{
    m_active.clear();
    for (std::size_t i = 0; i < m_all.size();) {
        Enemy& e = *m_all[i];
        if (belowWindow(e)) {
            ++i;
            continue;
        }
        if (aboveWindow(e))
            break;
        e.update(dtMs);
        if (e.finished()) {
            m_all.erase(m_all.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        m_active.push_back(&e);
        ++i;
    }

    int k = m_lastBridge;
    const int count = static_cast<int>(m_bridges.size());
    for (int j = 0; j < count; ++j) {
        const EBridge& bridge = *m_bridges[static_cast<std::size_t>(j)];
        if (!bridge.destroyed())
            continue;
        k = j;
        m_checkpointPosition = bridge.position();
        m_checkpointEntry = bridge.entryIndex();
        if (j == count - 1 && bridge.position().y - m_camera.y < kLevelEndDistance)
            m_levelEndReached = true;
    }
    if (k != m_lastBridge) {
        m_lastBridge = k;
        m_checkpointChanged = true;
    }
}

void Enemies::draw()
{
    for (Enemy* e : m_active)
        e->drawShadow(m_camera);
    for (int base : kDrawOrder)
        for (Enemy* e : m_active)
            if (e->type() >= base && e->type() < base + kDrawWindow)
                e->draw(m_camera);
}

int Enemies::collideWithPlayer(const CollitionCircles& circles)
{
    for (Enemy* e : m_active) {
        const int damage = e->collideWithPlayer(circles);
        if (damage != 0)
            return damage;
    }
    return 0;
}

Enemy* Enemies::findTarget(const Vector4& p, float angleDeg) const
{
    // The cone's rule uses 3.14 and the sine of the angle, as the sight always has.
    const float reach = std::sin(angleDeg * 3.14f / 180.0f);
    for (Enemy* e : m_active) {
        if (e->startPosition().y < p.y)
            continue;
        if (e->startPosition().y > p.y + kSightReach)
            return nullptr;
        if (reach * std::fabs(e->position().y - p.y) < std::fabs(e->position().x - p.x))
            continue;
        if (e->isTargetable())
            return e;
    }
    return nullptr;
}

std::vector<Enemy*> Enemies::targetsAhead(const Vector4& p) const
{
    std::vector<Enemy*> targets;
    for (Enemy* e : m_active) {
        if (e->position().y < p.y + kSalvoAhead)
            continue;
        if (aboveWindow(*e))
            break;
        if (e->isTargetable())
            targets.push_back(e);
    }
    return targets;
}

Enemy* Enemies::findById(int id) const
{
    if (id < 1)
        return nullptr;
    for (Enemy* e : m_active)
        if (e->id() == id)
            return e;
    return nullptr;
}

std::optional<TargetInfo> Enemies::targetById(int id) const
{
    return describe(findById(id));
}

std::optional<TargetInfo> Enemies::targetInCone(const Vector4& point, float coneDegrees) const
{
    return describe(findTarget(point, coneDegrees));
}

std::vector<int> Enemies::targetsAheadOf(const Vector4& point) const
{
    std::vector<int> ids;
    for (const Enemy* e : targetsAhead(point))
        ids.push_back(e->id());
    return ids;
}

void Enemies::setCheckpoint(int n)
{
    if (n - 1 < 0) {
        m_checkpointEntry = 0;
        m_lastBridge = -1;
        m_checkpointPosition.y = 0.0f;
        return;
    }
    // A saved count beyond this level's bridges stops at its last bridge.
    const int last = std::min(n - 1, static_cast<int>(m_bridges.size()) - 1);
    for (int j = 0; j <= last; ++j) {
        EBridge& bridge = *m_bridges[static_cast<std::size_t>(j)];
        m_lastBridge = j;
        bridge.setDestroyed(true);
        m_checkpointPosition = bridge.position();
        m_checkpointEntry = bridge.entryIndex();
    }
}

void Enemies::restartFromCheckpoint()
{
    // A restart after the final bridge goes back to the one before it.
    if (m_lastBridge >= 0 && m_lastBridge == static_cast<int>(m_bridges.size()) - 1)
        setCheckpoint(static_cast<int>(m_bridges.size()) - 1);
    setCamera(m_checkpointPosition);
}

bool Enemies::takeCheckpointChanged()
{
    const bool changed = m_checkpointChanged;
    m_checkpointChanged = false;
    return changed;
}

} // namespace NVolant
