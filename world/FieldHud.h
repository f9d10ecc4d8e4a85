#pragma once

#include <memory>
#include <string>

namespace NLib {
class Sprite;
}

namespace NVolant {

class Plane;

// The frame around the play field and what it shows: lives, score, hull gauge, and the level's
// title while it fades.
class FieldHud final {
public:
    // The four border pictures are required content.
    FieldHud();
    FieldHud(const FieldHud&) = delete;
    FieldHud& operator=(const FieldHud&) = delete;
    virtual ~FieldHud();

    void drawBorders();
    // The plane in play is not counted, and the count never shows below 0.
    void drawLives(int lives);
    void drawScore(int score);
    // The gauge's frame for the hull; frame 0 without a plane.
    void drawHull(const Plane* plane);
    // "Level n", centred across the screen, in white with a black shadow, at the fade's alpha.
    void drawTitle(int levelNumber, float y, float fade);

    // "x %2d" with the lives beyond the plane in play.
    static std::string livesText(int lives);
    static int gaugeFrame(int frames, int hull, int maxHull);
    float titleX() const { return m_titleX; }

private:
    std::unique_ptr<NLib::Sprite> m_top;
    std::unique_ptr<NLib::Sprite> m_bottom;
    std::unique_ptr<NLib::Sprite> m_left;
    std::unique_ptr<NLib::Sprite> m_right;
    float m_titleX = 0.0f;
};

} // namespace NVolant
