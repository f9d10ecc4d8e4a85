#pragma once

#include "platform/Vector4.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Xml {
class CXmlNode;
}

namespace NVolant {

// The score of a whole game, the lives it earns (one per 10000 points), the statistics of the
// level in progress for the end-of-level window, and the short-lived "+N" texts over the world.
// One per game, in its arena: a new game starts from 0.
class Scores final {
public:
    static constexpr int kPointsPerLife = 10000;

    struct FloatingText {
        Vector4 position;              // world coordinates of the top-left corner
        std::array<float, 4> colour{}; // r, g, b, a; a fades to 0
        std::string text;
    };

    Scores() = default;
    Scores(const Scores&) = delete;
    Scores& operator=(const Scores&) = delete;
    ~Scores() = default;

    // A destroyed enemy's value, shown as a yellow "+N" where it died.
    void addScore(int points, const Vector4& worldPosition);
    // After addScore, by the enemy that died. Tanks and buildings count with the planes; bridges
    // add points but no kill.
    void countBoat();
    void countHelic();
    void countPlane();
    // Once per cannon trigger, per missile launch (whatever the number of missiles) and per
    // kill-all salvo.
    void countShot();
    // A player projectile that hit an enemy.
    void countHit();

    // Hands over the lives earned since the last call: returns lives plus the new ones, and shows
    // "+N UP" at worldPosition when there are any. The caller plays the extra-life sound when the
    // answer differs from what it passed.
    int checkExtraLife(int lives, const Vector4& worldPosition);

    // A new level: the statistics restart, the score and the earned lives carry on.
    void resetLevelStats();
    // Floating texts rise and fade out within one second.
    void update(float dtMs);
    // Floating texts with the game's font at size 16, relative to the camera offset.
    void draw(const Vector4& camera) const;

    // Appends the "scores" element to parent. For a record that names a level not yet begun the
    // level statistics are written as 0: they belong to the level just finished.
    void write(Xml::CXmlNode& parent, bool withLevelStats = true) const;
    // Reads parent's "scores" child back; without one nothing changes. Missing or unreadable
    // numbers read as 0, and a record that could not have come from a game (negative counts,
    // lives that disagree with the score) is brought back to what the score allows.
    void read(const Xml::CXmlNode& parent);

    int score() const { return m_score; }
    int lives() const { return m_lives; }
    int boatsKilled() const { return _boatsKilled; }
    int helicsKilled() const { return _helicsKilled; }
    int planesKilled() const { return _planesKilled; }
    int bonusLevelScores() const { return _bonusLevelScores; }
    int levelScores() const { return _levelScores; }
    int shotsCount() const { return _shotsCount; }
    int shotsHittedCount() const { return _shotsHittedCount; }
    // Shots minus hits; negative when double fire hit with both bullets more often than it missed.
    int missedShots() const;
    // Hits x 100 / shots, truncated; -1 when nothing was fired (the window then shows no figure).
    // Can exceed 100 with double fire.
    int accuracyPercent() const;

    const std::vector<FloatingText>& floatingTexts() const { return m_texts; }

private:
    void addText(const std::string& text, const Vector4& worldPosition, float r, float g, float b);

    // Level statistics.
    int _boatsKilled = 0;
    int _helicsKilled = 0;
    int _planesKilled = 0;
    int _bonusLevelScores = 0;
    int _levelScores = 0;
    int _shotsCount = 0;
    int _shotsHittedCount = 0;

    std::vector<FloatingText> m_texts;

    // The whole game.
    int m_score = 0;
    int m_lives = 0;
    int m_livesUsed = 0;
};

} // namespace NVolant
