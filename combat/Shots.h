#pragma once

#include "platform/Vector4.h"

#include <deque>
#include <memory>

namespace NVolant {

class CollitionCircles;
class Scores;
class Shot;

// Every projectile in flight, the player's and the enemies' in two lists, updated and drawn in
// the order they were fired. Answers the two hit questions of the game; the player's hits count
// in the game's scores.
class Shots final {
public:
    explicit Shots(Scores& scores);
    Shots(const Shots&) = delete;
    Shots& operator=(const Shots&) = delete;
    virtual ~Shots();

    // The player's side.
    void add(std::unique_ptr<Shot> shot);
    void addEnemy(std::unique_ptr<Shot> shot);

    void setCamera(const Vector4& camera);
    // Moves every shot; spent ones are deleted.
    void update(float dtMs);
    void draw();

    // Damage of the first player shot that hits the placed circles (one hit per call, counted
    // for the accuracy statistic); 0 when none does.
    int hitByPlayerShot(const CollitionCircles& circles);
    // Damage of the first enemy shot that hits the player's placed circles; 0 when none does.
    int hitByEnemyShot(const CollitionCircles& circles);
    void clear();
    // A new level: no shots, the start camera.
    void restart();

    const std::deque<std::unique_ptr<Shot>>& playerShots() const { return m_playerShots; }
    const std::deque<std::unique_ptr<Shot>>& enemyShots() const { return m_enemyShots; }
    const Vector4& camera() const { return m_camera; }

private:
    static void updateList(std::deque<std::unique_ptr<Shot>>& list, float dtMs);
    static bool outOfReach(const Shot& shot, const Vector4& centre, float reachSquaredTimesFour);

    std::deque<std::unique_ptr<Shot>> m_playerShots;
    std::deque<std::unique_ptr<Shot>> m_enemyShots;
    Vector4 m_camera{0.0f, 0.0f, 0.0f, 1.0f};
    Scores& m_scores;
};

} // namespace NVolant
