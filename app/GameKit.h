#pragma once

#include "app/ScreenKit.h"

namespace NVolant {

// The application's screens as far as the game has them: the start screen standing in for the
// main menu, the game screen with its routes (new, custom and saved games, next level, pause),
// and a plain end-of-level screen until the statistics window exists.
class GameKit final : public ScreenKit {
public:
    std::unique_ptr<NControls::Control> makeMainMenu() override;
    void setContinueEnabled(NControls::Control& menu, bool enabled) override;

    std::unique_ptr<NControls::Control> makeGame(bool hintsAllowed) override;
    FieldStatus fieldStatus(NControls::Control& game) override;
    bool hasLevel(NControls::Control& game) override;
    void startGame(NControls::Control& game, int level) override;
    void pauseGame(NControls::Control& game) override;
    void nextLevel(NControls::Control& game) override;
    bool hasSavedGame() override;
    void loadSavedGame(NControls::Control& game) override;

    std::unique_ptr<NControls::Control> makeEndLevel(bool final) override;
};

} // namespace NVolant
