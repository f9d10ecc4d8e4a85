#pragma once

#include "app/ScreenKit.h"

#include "screens/EndLevelWnd.h"

namespace NVolant {

// The kit of the game's own screens: the intro, the main menu with its panels and the
// end-of-level window.
class MenuScreens : public ScreenKit {
public:
    std::unique_ptr<NControls::Control> makeIntro() override;
    float introFade(NControls::Control& intro) override;
    void startIntroCrossFade(NControls::Control& intro) override;

    std::unique_ptr<NControls::Control> makeMainMenu() override;
    bool menuIdle(NControls::Control& menu) override;
    bool menuAtRest(NControls::Control& menu) override;
    void setContinueEnabled(NControls::Control& menu, bool enabled) override;
    void replayOpening(NControls::Control& menu) override;
    int customLevel(NControls::Control& menu) override;

    std::unique_ptr<NControls::Control> makeEndLevel(bool final, NControls::Control& game) override;

protected:
    // The figures of the level the game just played.
    virtual LevelStats levelStats(NControls::Control&) { return {}; }
};

} // namespace NVolant
