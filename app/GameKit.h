#pragma once

#include "app/MenuScreens.h"

namespace NVolant {

// The game's whole kit: the menu screens, and the game screen with its routes (new, custom and
// saved games, next level, pause), its hint window and the level's figures for the end-of-level
// window.
class GameKit final : public MenuScreens {
public:
    GameKit();
    ~GameKit() override;

    std::unique_ptr<NControls::Control> makeGame(bool hintsAllowed) override;
    FieldStatus fieldStatus(NControls::Control& game) override;
    bool hasLevel(NControls::Control& game) override;
    void startGame(NControls::Control& game, int level) override;
    void updateGame(NControls::Control& game, float dt, const PlayerControls& controls) override;
    SteeringPoint steeringPoint(NControls::Control& game) override;
    void placeSteering(NControls::Control& game, SteeringPoint point) override;
    void pauseGame(NControls::Control& game) override;
    void nextLevel(NControls::Control& game) override;
    bool hasSavedGame() override;
    void seedGame(NControls::Control& game, std::uint32_t seed) override;
    void loadSavedGame(NControls::Control& game) override;

protected:
    LevelStats levelStats(NControls::Control& game) override;
};

} // namespace NVolant
