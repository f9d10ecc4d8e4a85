#include "world/WorldChecksum.h"

#include "combat/Arena.h"
#include "combat/Bonus.h"
#include "combat/Shot.h"
#include "enemies/EBridge.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "player/Plane.h"
#include "score/Scores.h"
#include "world/GameField.h"
#include "world/Level.h"
#include "world/World.h"

namespace NVolant {

std::uint32_t WorldChecksum::of(const GameField& field)
{
    WorldChecksum sum;
    sum.add(static_cast<int>(field.status()));
    sum.add(field.lives());
    sum.add(field.levelNumber());
    sum.add(field.titleFade());
    const Arena& arena = field.world().arena();
    sum.add(static_cast<int>(arena.random().state()));
    const Scores& scores = arena.scores();
    sum.add(scores.score());
    sum.add(scores.shotsCount());
    sum.add(scores.shotsHittedCount());
    sum.add(scores.boatsKilled() * 7 + scores.helicsKilled() * 131 + scores.planesKilled() * 1031);
    if (const Plane* plane = field.plane()) {
        sum.add(static_cast<int>(plane->state()));
        sum.add(plane->position());
        sum.add(plane->cameraOffset());
        sum.add(plane->hull());
        sum.add(plane->speed());
        sum.add(plane->alpha());
    }
    if (const Level* level = field.level()) {
        for (const auto& e : level->enemies().all()) {
            sum.add(e->type());
            sum.add(e->position());
            sum.add(e->hull());
            sum.add(e->finished() ? 1 : 0);
        }
        for (const EBridge* b : level->enemies().bridges())
            sum.add(b->destroyed() ? 1 : 0);
    }
    for (const auto& s : arena.shots().playerShots())
        sum.add(s->position());
    for (const auto& s : arena.shots().enemyShots())
        sum.add(s->position());
    for (const auto& b : arena.bonuses().bonuses()) {
        sum.add(b->position());
        sum.add(b->collected() ? 1 : 0);
    }
    // The effects count only while a level is in flight.
    if (field.level()) {
        const Effects& effects = arena.effects();
        sum.add(static_cast<int>(effects.animationCount()));
        sum.add(static_cast<int>(effects.trailCount()));
        sum.add(static_cast<int>(effects.burnerCount()));
    }
    return sum.m_hash;
}

void WorldChecksum::addBytes(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        m_hash ^= bytes[i];
        m_hash *= 16777619u;
    }
}

void WorldChecksum::add(const Vector4& v)
{
    add(v.x);
    add(v.y);
    add(v.z);
}

} // namespace NVolant
