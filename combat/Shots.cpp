#include "combat/Shots.h"

#include "combat/Shot.h"
#include "gameplay/CollitionCircles.h"
#include "score/Scores.h"

namespace NVolant {

Shots::Shots(Scores& scores) : m_scores(scores)
{
}

Shots::~Shots()
{
    clear();
}

void Shots::add(std::unique_ptr<Shot> shot)
{
    if (shot)
        m_playerShots.push_back(std::move(shot));
}

void Shots::addEnemy(std::unique_ptr<Shot> shot)
{
    if (shot)
        m_enemyShots.push_back(std::move(shot));
}

void Shots::setCamera(const Vector4& camera)
{
    const Vector4 delta = camera - m_camera;
    for (auto& shot : m_playerShots)
        shot->cameraMoved(delta);
    for (auto& shot : m_enemyShots)
        shot->cameraMoved(delta);
    m_camera = camera;
}

void Shots::updateList(std::deque<std::unique_ptr<Shot>>& list, float dtMs)
{
    // A spent shot goes at once (its destructor leaves its impact), the list closes up after.
    bool anySpent = false;
    for (auto& shot : list) {
        shot->update(dtMs);
        if (shot->spent()) {
            shot.reset();
            anySpent = true;
        }
    }
    if (anySpent)
        std::erase(list, nullptr);
}

void Shots::update(float dtMs)
{
    updateList(m_playerShots, dtMs);
    updateList(m_enemyShots, dtMs);
}

void Shots::draw()
{
    for (auto* list : {&m_playerShots, &m_enemyShots})
        for (auto& shot : *list)
            shot->drawTrail();
    for (auto* list : {&m_playerShots, &m_enemyShots}) {
        for (auto& shot : *list) {
            shot->drawShadow(m_camera);
            shot->draw(m_camera);
        }
    }
}

bool Shots::outOfReach(const Shot& shot, const Vector4& centre, float reachSquaredTimesFour)
{
    // The shots' own coarse test, asked here once per target so that the many shots far from it
    // cost no call: spent shots and shots more than twice the bounding radius away never hit.
    return shot.spent() || reachSquaredTimesFour < (centre - shot.position()).squaredLength();
}

int Shots::hitByPlayerShot(const CollitionCircles& circles)
{
    const float reach = circles.boundingRadius();
    const float limit = 4.0f * reach * reach;
    for (auto& shot : m_playerShots) {
        if (outOfReach(*shot, circles.centre(), limit))
            continue;
        const int damage = shot->hitTest(circles);
        if (damage != 0) {
            m_scores.countHit();
            return damage;
        }
    }
    return 0;
}

int Shots::hitByEnemyShot(const CollitionCircles& circles)
{
    const float reach = circles.boundingRadius();
    const float limit = 4.0f * reach * reach;
    for (auto& shot : m_enemyShots) {
        if (outOfReach(*shot, circles.centre(), limit))
            continue;
        const int damage = shot->hitTest(circles);
        if (damage > 0)
            return damage;
    }
    return 0;
}

void Shots::clear()
{
    m_playerShots.clear();
    m_enemyShots.clear();
}

void Shots::restart()
{
    clear();
    m_camera = Vector4(0.0f, 0.0f, 0.0f, 1.0f);
}

} // namespace NVolant
