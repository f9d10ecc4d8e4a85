#include "pilots/Autopilot.h"

#include "combat/Arena.h"
#include "combat/Bonus.h"
#include "combat/Shot.h"
#include "content/Sprite.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "gameplay/PlayConstants.h"
#include "player/AimSight.h"
#include "player/Plane.h"
#include "world/GameField.h"
#include "world/Level.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace NVolant {

namespace {

// The plane closes this share of the distance to its target every frame.
constexpr float kCloseRate = 1.0f / Plane::kSteerDivisor;
// How far ahead the pilot looks when it weighs a place to fly to.
constexpr int kLookAheadFrames = 36;
constexpr int kLookAheadStride = 3;
// Where the plane likes to be when nothing calls it elsewhere: low, with time to see what comes.
constexpr float kCruiseY = 470.0f;
constexpr float kMinX = 45.0f;
constexpr float kMaxX = 755.0f;
constexpr float kMinY = 260.0f;
constexpr float kMaxY = 520.0f;

bool rams(int type)
{
    return type == kBoatType || type == kHelicType || type == kPlaneType || type == kBridgeType;
}

// Keys of what a pilot notices: shots and enemies by their running numbers, bonuses (which stay
// where they were placed) by their place.
std::uint64_t shotKey(int identifier)
{
    return (1ull << 60) | static_cast<std::uint32_t>(identifier);
}

std::uint64_t enemyKey(int id)
{
    return (2ull << 60) | static_cast<std::uint32_t>(id);
}

std::uint64_t bonusKey(const Vector4& at)
{
    return (3ull << 60) | (static_cast<std::uint64_t>(static_cast<std::uint32_t>(at.x)) << 32) |
           static_cast<std::uint32_t>(at.y);
}

// Whether a person sees something at this screen point: on the screen, give or take its size.
bool onScreen(const Autopilot::Point& at, float margin)
{
    return at.x >= -margin && at.x <= 800.0f + margin && at.y >= -margin && at.y <= 600.0f + margin;
}

std::uint32_t mixBits(std::uint32_t v)
{
    v ^= v >> 16;
    v *= 0x7FEB352Du;
    v ^= v >> 15;
    v *= 0x846CA68Bu;
    return v ^ (v >> 16);
}

} // namespace

Autopilot::Autopilot(std::uint32_t seed, const PilotSkill& skill)
    : m_skill(skill), m_seed(seed),
      m_attention(static_cast<int>(std::ceil(skill.reactionMs / kFrameStepMs))),
      m_noise(mixBits(seed ^ 0x5EEDu)), m_state(seed * 2654435761u + 12345u)
{
    m_wanderPhase = random() * 6.2831853f;
}

bool Autopilot::notices(std::uint64_t key)
{
    return !m_skill.human() || m_attention.noticed(key);
}

void Autopilot::keepNearestThreats(const Point& here)
{
    if (m_skill.threatsInMind <= 0 || m_threats.size() <= static_cast<std::size_t>(m_skill.threatsInMind))
        return;
    auto distance = [&here](const Threat& t) {
        return std::hypot(std::max(std::fabs(t.at.x - here.x) - t.halfWidth, 0.0f), t.at.y - here.y);
    };
    std::stable_sort(m_threats.begin(), m_threats.end(),
                     [&](const Threat& a, const Threat& b) { return distance(a) < distance(b); });
    m_threats.resize(static_cast<std::size_t>(m_skill.threatsInMind));
}

float Autopilot::misjudged(int targetId) const
{
    if (m_skill.aimErrorPx <= 0.0f)
        return 0.0f;
    const std::uint32_t bits = mixBits(m_seed * 0x9E3779B1u + static_cast<std::uint32_t>(targetId));
    return m_skill.aimErrorPx * (static_cast<float>(bits >> 8) / static_cast<float>(1u << 23) - 1.0f);
}

Autopilot::Point Autopilot::handTo(const Point& meant)
{
    if (!m_skill.human())
        return meant;
    // The wobble drifts toward a new offset now and then, as a hand's does.
    if (m_frame % 12 == 0) {
        auto draw = [this] {
            m_noise = m_noise * 1664525u + 1013904223u;
            return static_cast<float>(m_noise >> 8) / static_cast<float>(1u << 23) - 1.0f;
        };
        m_tremorGoal = {draw() * m_skill.tremorPx, draw() * m_skill.tremorPx};
    }
    m_tremor.x += (m_tremorGoal.x - m_tremor.x) * 0.15f;
    m_tremor.y += (m_tremorGoal.y - m_tremor.y) * 0.15f;
    const Point goal{meant.x + m_tremor.x, meant.y + m_tremor.y};
    const float dx = goal.x - m_hand.x;
    const float dy = goal.y - m_hand.y;
    const float length = std::hypot(dx, dy);
    const float step = m_skill.handPxPerFrame;
    if (step > 0.0f && length > step)
        m_hand = {m_hand.x + dx * step / length, m_hand.y + dy * step / length};
    else
        m_hand = goal;
    return m_hand;
}

float Autopilot::random()
{
    m_state = m_state * 1664525u + 1013904223u;
    return static_cast<float>(m_state >> 8) / static_cast<float>(1u << 24);
}

void Autopilot::gatherThreats(const GameField& field)
{
    m_threats.clear();
    const Plane& plane = *field.plane();
    const Vector4& cam = plane.cameraOffset();
    const float scroll = plane.speed();
    auto toScreen = [&](const Vector4& w) { return Point{w.x - cam.x, cam.y + 600.0f - w.y}; };

    for (const auto& s : field.world().arena().shots().enemyShots()) {
        if (s->spent())
            continue;
        const Point at = toScreen(s->position());
        if (at.y < -200.0f || at.y > 700.0f || at.x < -100.0f || at.x > 900.0f)
            continue;
        if (m_skill.human() && (!onScreen(at, 0.0f) || !notices(shotKey(s->identifier()))))
            continue;
        Threat t;
        t.at = at;
        t.velocity = {s->direction().x * s->speed(), scroll - s->direction().y * s->speed()};
        t.radius = 30.0f;
        m_threats.push_back(t);
    }
    if (const Level* level = field.level())
        for (const Enemy* e : level->enemies().active()) {
            if (e->finished() || !rams(e->type()) || !e->isTargetable())
                continue;
            const Point at = toScreen(e->position());
            const float w = e->sprite().frameWidth;
            const float h = e->sprite().frameHeight;
            if (at.y < -h - 300.0f || at.y > 650.0f + h)
                continue;
            if (m_skill.human() && (!onScreen(at, 0.5f * h) || !notices(enemyKey(e->id()))))
                continue;
            Threat t;
            t.at = at;
            t.velocity = {e->direction().x * e->speed(), scroll - e->direction().y * e->speed()};
            if (e->type() == kBridgeType) {
                // An intact bridge hurts on every frame it is touched: the worst place to be.
                t.halfWidth = w * 0.5f;
                t.radius = h * 0.5f + 28.0f;
                t.weight = 6.0f;
            } else {
                t.radius = 0.4f * std::max(w, h) + 26.0f;
                t.weight = 2.5f;
            }
            m_threats.push_back(t);
        }
}

// The harm of steering from `from` toward `to` over the next frames: the plane's path closes in
// on the pointer, each threat moves on in a straight line, and near misses count more the sooner
// they come.
float Autopilot::danger(const Point& from, const Point& to) const
{
    float total = 0.0f;
    float keep = 1.0f;
    for (int k = kLookAheadStride; k <= kLookAheadFrames; k += kLookAheadStride) {
        keep *= std::pow(1.0f - kCloseRate, static_cast<float>(kLookAheadStride));
        const Point p{to.x + (from.x - to.x) * keep, to.y + (from.y - to.y) * keep};
        const float t = static_cast<float>(k) * kFrameStepMs;
        const float soon = 1.0f / (1.0f + 0.08f * static_cast<float>(k));
        for (const Threat& threat : m_threats) {
            const float cx = threat.at.x + threat.velocity.x * t;
            const float cy = threat.at.y + threat.velocity.y * t;
            float dx = std::fabs(p.x - cx) - threat.halfWidth;
            dx = std::max(dx, 0.0f);
            const float dy = p.y - cy;
            const float d = std::sqrt(dx * dx + dy * dy);
            if (d < threat.radius)
                total += (threat.radius - d) * threat.weight * soon;
        }
    }
    return total;
}

PlayerControls Autopilot::next(const GameField& field)
{
    ++m_frame;
    if (m_skill.human())
        m_attention.nextFrame();
    PlayerControls in;
    const Plane* plane = field.plane();
    const Level* level = field.level();
    if (field.status() == FieldStatus::Waiting) {
        // The field starts on the player's first pointer moves.
        in.steer = SteeringPoint{static_cast<int>(m_aim.x) + static_cast<int>(m_frame % 2),
                                 static_cast<int>(m_aim.y)};
        return in;
    }
    if (!plane || !level || field.status() != FieldStatus::Playing || plane->state() != PlaneState::Flying) {
        in.steer = SteeringPoint{static_cast<int>(m_aim.x), static_cast<int>(m_aim.y)};
        return in;
    }

    gatherThreats(field);
    const Vector4& cam = plane->cameraOffset();
    const Point here{plane->position().x, plane->position().y};
    keepNearestThreats(here);

    // The target: an intact bridge ahead first (it must fall before the plane gets there), else
    // the enemy ahead that is nearest in line.
    const Enemy* target = nullptr;
    float bestScore = std::numeric_limits<float>::max();
    int targetsOnScreen = 0;
    for (const Enemy* e : level->enemies().active()) {
        if (e->finished() || !e->isTargetable())
            continue;
        const float sy = cam.y + 600.0f - e->position().y;
        const float sx = e->position().x - cam.x;
        if (sy < -40.0f || sy > here.y - 30.0f || sx < 0.0f || sx > 800.0f)
            continue;
        if (!notices(enemyKey(e->id())))
            continue;
        ++targetsOnScreen;
        float score = std::fabs(sx - here.x) + 0.35f * (here.y - sy);
        if (e->type() == kBridgeType)
            score -= 2000.0f;
        if (score < bestScore) {
            bestScore = score;
            target = e;
        }
    }

    // A bonus lying within reach below the top of the screen.
    const Bonus* bonus = nullptr;
    {
        float nearest = std::numeric_limits<float>::max();
        for (const auto& b : field.world().arena().bonuses().bonuses()) {
            if (b->collected() || b->done())
                continue;
            const float sy = cam.y + 600.0f - b->position().y;
            const float sx = b->position().x - cam.x;
            if (sy < 60.0f || sy > kMaxY + 20.0f || sx < 0.0f || sx > 800.0f)
                continue;
            if (!notices(bonusKey(b->position())))
                continue;
            const float d = std::fabs(sx - here.x) + std::fabs(sy - here.y);
            if (d < nearest) {
                nearest = d;
                bonus = b.get();
            }
        }
    }

    Point goal{400.0f + 180.0f * std::sin(m_wanderPhase + static_cast<float>(m_frame) * 0.006f), kCruiseY};
    if (bonus) {
        goal = {bonus->position().x - cam.x,
                std::clamp(cam.y + 600.0f - bonus->position().y + 40.0f, kMinY, kMaxY)};
    } else if (target) {
        goal.x = target->position().x - cam.x + misjudged(target->id());
        const float sy = cam.y + 600.0f - target->position().y;
        // Stand off far enough to have time, close enough to reach it with the cannon.
        goal.y = std::clamp(sy + 260.0f, kMinY + 80.0f, kMaxY);
    }

    // Weigh places on a grid around the goal; fly where the goal is closest for the least harm.
    Point best = goal;
    float bestCost = std::numeric_limits<float>::max();
    for (float y = kMinY; y <= kMaxY; y += 26.0f)
        for (float x = kMinX; x <= kMaxX; x += 22.0f) {
            const Point c{x, y};
            float cost = danger(here, c) * 40.0f;
            cost += std::fabs(c.x - goal.x) * 1.0f + std::fabs(c.y - goal.y) * 0.4f;
            // A little loyalty to the last choice keeps the plane from dithering.
            cost += (std::fabs(c.x - m_aim.x) + std::fabs(c.y - m_aim.y)) * 0.15f;
            if (cost < bestCost) {
                bestCost = cost;
                best = c;
            }
        }
    m_aim = best;
    const Point hand = handTo(best);
    in.steer = SteeringPoint{std::clamp(static_cast<int>(hand.x), 0, 799),
                             std::clamp(static_cast<int>(hand.y), 0, 599)};

    // The cannon while a target is in line (the sight leads the bullets when it has one).
    bool inLine = false;
    const bool sighted = plane->aimSight().active() && plane->aimSight().targetId() > 0;
    for (const Enemy* e : level->enemies().active()) {
        if (e->finished() || !e->isTargetable())
            continue;
        const float sy = cam.y + 600.0f - e->position().y;
        const float sx = e->position().x - cam.x + misjudged(e->id());
        if (sy < 0.0f || sy > here.y)
            continue;
        if (!notices(enemyKey(e->id())))
            continue;
        const float reach = 0.5f * e->sprite().frameWidth + 12.0f;
        if (std::fabs(sx - here.x) < reach) {
            inLine = true;
            break;
        }
    }
    in.cannon = inLine || sighted;
    // Missiles at a bridge ahead, or when the screen is busy.
    const bool bridgeAhead =
        target && target->type() == kBridgeType && cam.y + 600.0f - target->position().y > 0.0f;
    const bool crowd = m_skill.missileCrowd > 0 && targetsOnScreen >= m_skill.missileCrowd;
    const bool strong = m_skill.missilesAtStrongTargets && sighted && target && target->hull() >= 40;
    in.missiles = (bridgeAhead || crowd || strong) && plane->missileCooldown() < 0.0f;
    return in;
}

} // namespace NVolant
