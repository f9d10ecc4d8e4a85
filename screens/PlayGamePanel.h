#pragma once

#include "screens/Panel.h"

namespace NVolant {

// Continue, new game or a chosen level. Results: "NEW_GAME", "CONTINUE_GAME" and
// "OPEN_CUSTOM_LEVEL" (told to the owner at once), "MAIN_MENU" (found by the owner's update).
class PlayGamePanel final : public Panel {
public:
    PlayGamePanel(NControls::Control* owner, bool continueAvailable);

    void update(float dt) override;
    void draw() override;
    void onCommand(NControls::Control* sender) override;

    NControls::Button* continueButton() const { return m_continue; }
    NControls::Button* newGameButton() const { return m_newGame; }
    NControls::Button* customGameButton() const { return m_customGame; }
    NControls::Button* cancelButton() const { return m_cancel; }
    // The first panel of a run offers the saved game; later ones the game in hand.
    static bool madeBefore();
    static void forgetMadeBefore();

private:
    NControls::Button* m_continue = nullptr;
    NControls::Button* m_newGame = nullptr;
    NControls::Button* m_customGame = nullptr;
    NControls::Button* m_cancel = nullptr;
};

} // namespace NVolant
