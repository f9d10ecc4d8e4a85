#include "combat/Bonuses.h"

#include "combat/Bonus.h"
#include "content/LevelFiles.h"
#include "content/ResourceArchive.h"
#include "platform/Log.h"

#include <algorithm>
#include <cmath>

namespace NVolant {

namespace {

constexpr std::size_t kLoggedSkips = 5;

} // namespace

Bonuses::Bonuses(GameSounds& sounds) : m_sounds(sounds)
{
}

Bonuses::~Bonuses() = default;

std::unique_ptr<Bonus> Bonuses::createBonus(int kind)
{
    if (kind < 1 || kind > Bonus::kKindCount)
        return nullptr;
    return std::make_unique<Bonus>(static_cast<BonusKind>(kind));
}

bool Bonuses::placeable(const BonusRecord& record, float mapHeight)
{
    if (record.kind < 1 || record.kind > Bonus::kKindCount)
        return false;
    const Vector4& p = record.position;
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z))
        return false;
    return p.x >= 0.0f && p.x <= 800.0f && p.y >= 0.0f && !(p.y > mapHeight);
}

void Bonuses::load(const std::string& path, float mapHeight)
{
    const NLib::ByteBuffer bytes = NLib::ResourceArchive::instance()->readFile(path);
    loadBytes(bytes, path, mapHeight);
}

void Bonuses::loadBytes(std::span<const std::uint8_t> bytes, const std::string& name, float mapHeight)
{
    clear();
    if (bytes.empty())
        return;
    std::uint32_t claimed = 0;
    const std::vector<BonusRecord> records = LevelFiles::readBonuses(bytes, &claimed);
    if (records.size() != claimed)
        LOG_ERROR("%s: %u bonuses announced, %zu present", name.c_str(), claimed, records.size());
    std::vector<std::unique_ptr<Bonus>> placed;
    placed.reserve(records.size());
    std::size_t skipped = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const BonusRecord& r = records[i];
        if (!placeable(r, mapHeight)) {
            // A few lines say what is wrong; a file full of rubbish must not flood the log.
            if (++skipped <= kLoggedSkips)
                LOG_ERROR("%s: bonus %zu (kind %d at %g, %g) skipped", name.c_str(), i, r.kind,
                          static_cast<double>(r.position.x), static_cast<double>(r.position.y));
            continue;
        }
        std::unique_ptr<Bonus> bonus = createBonus(r.kind);
        bonus->setPosition(r.position.x, r.position.y, r.position.z);
        placed.push_back(std::move(bonus));
    }
    if (skipped > kLoggedSkips)
        LOG_ERROR("%s: %zu bonuses skipped in all", name.c_str(), skipped);
    // In height order, equal heights in file order: as if each were inserted after its equals,
    // without the quadratic cost of doing so on a long file.
    std::stable_sort(placed.begin(), placed.end(),
                     [](const std::unique_ptr<Bonus>& a, const std::unique_ptr<Bonus>& b) {
                         return a->position().y < b->position().y;
                     });
    for (std::unique_ptr<Bonus>& b : placed)
        m_bonuses.push_back(std::move(b));
}

void Bonuses::insert(std::unique_ptr<Bonus> bonus)
{
    const float y = bonus->position().y;
    const auto at = std::upper_bound(
        m_bonuses.begin(), m_bonuses.end(), y,
        [](float value, const std::unique_ptr<Bonus>& b) { return value < b->position().y; });
    m_bonuses.insert(at, std::move(bonus));
}

void Bonuses::clear()
{
    m_bonuses.clear();
}

void Bonuses::restart()
{
    clear();
    m_camera = Vector4(0.0f, 0.0f, 0.0f, 1.0f);
}

void Bonuses::update(float dtMs)
{
    for (auto it = m_bonuses.begin(); it != m_bonuses.end();) {
        (*it)->update(dtMs);
        if ((*it)->done())
            it = m_bonuses.erase(it);
        else
            ++it;
    }
}

void Bonuses::draw()
{
    for (const std::unique_ptr<Bonus>& b : m_bonuses) {
        b->drawShadow(m_camera);
        b->draw(m_camera);
    }
}

bool Bonuses::checkPickup(BonusReceiver& plane)
{
    for (const std::unique_ptr<Bonus>& b : m_bonuses) {
        const float y = b->position().y;
        if (y < m_camera.y - kReachBelow)
            continue;
        // Sorted by height: nothing further on can be in reach.
        if (y > m_camera.y + kReachAbove)
            return false;
        if (b->tryPickup(plane, m_sounds))
            return true;
    }
    return false;
}

} // namespace NVolant
