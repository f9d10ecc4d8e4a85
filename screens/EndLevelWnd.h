#pragma once

#include "ui/Button.h"
#include "ui/Control.h"

#include <cstdint>
#include <functional>
#include <memory>

class KGraphic;

namespace NVolant {

// The level's figures as the scores keep them.
struct LevelStats {
    std::int32_t boatsKilled = 0;
    std::int32_t helicsKilled = 0;
    // Planes, tanks and buildings.
    std::int32_t planesKilled = 0;
    std::int64_t levelScores = 0;
    std::int64_t bonusLevelScores = 0;
    std::int32_t shotsCount = 0;
    std::int32_t shotsHittedCount = 0;
};

// After every level and at the end of a game: kills by kind, points, shots and accuracy, with
// "MAIN_MENU" and "CONTINUE" (hidden once the game is over). The figures are read at every draw,
// so the window must not outlive the game it reports on.
class EndLevelWnd final : public NControls::Control {
public:
    using StatsSource = std::function<LevelStats()>;

    explicit EndLevelWnd(StatsSource stats);
    ~EndLevelWnd() override;

    void draw() override;
    void onCommand(NControls::Control* sender) override;

    // The game has ended: nothing to continue.
    void setFinal(bool final);
    NControls::Button* mainMenuButton() const { return m_mainMenu; }
    NControls::Button* continueButton() const { return m_continue; }

private:
    std::unique_ptr<KGraphic> m_background;
    std::unique_ptr<KGraphic> m_boatIcon;
    std::unique_ptr<KGraphic> m_helicIcon;
    std::unique_ptr<KGraphic> m_planeIcon;
    NControls::Button* m_continue = nullptr;
    NControls::Button* m_mainMenu = nullptr;
    StatsSource m_stats;
};

} // namespace NVolant
