#include "world/WorldChecksum.h"

#include "combat/Bonus.h"
#include "combat/Bonuses.h"
#include "combat/Effects.h"
#include "combat/Shot.h"
#include "combat/Shots.h"
#include "content/Random.h"
#include "enemies/EBridge.h"
#include "enemies/Enemies.h"
#include "enemies/Enemy.h"
#include "player/Plane.h"
#include "score/Scores.h"
#include "world/GameField.h"
#include "world/Level.h"

namespace NVolant {

std::uint32_t WorldChecksum::of(const GameField& field)
{
    WorldChecksum sum;
    sum.add(static_cast<int>(field.status()));
    sum.add(field.lives());
    sum.add(field.levelNumber());
    sum.add(field.titleFade());
    sum.add(static_cast<int>(NLib::rndSeed()));
    if (const Scores* scores = Scores::existing()) {
        sum.add(scores->score());
        sum.add(scores->shotsCount());
        sum.add(scores->shotsHittedCount());
        sum.add(scores->boatsKilled() * 7 + scores->helicsKilled() * 131 + scores->planesKilled() * 1031);
    }
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
    if (const Shots* shots = Shots::existing()) {
        for (const auto& s : shots->playerShots())
            sum.add(s->position());
        for (const auto& s : shots->enemyShots())
            sum.add(s->position());
    }
    if (const Bonuses* bonuses = Bonuses::existing())
        for (const auto& b : bonuses->bonuses()) {
            sum.add(b->position());
            sum.add(b->collected() ? 1 : 0);
        }
    if (const Effects* effects = Effects::existing()) {
        sum.add(static_cast<int>(effects->animationCount()));
        sum.add(static_cast<int>(effects->trailCount()));
        sum.add(static_cast<int>(effects->burnerCount()));
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
