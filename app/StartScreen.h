#pragma once

#include "ui/Control.h"

#include "platform/KGraphic.h"

#include <memory>

namespace NVolant {

// Stands in for the main menu until there is one: the menu background picture with two choices,
// a new game and, when there is a game to go back to, continuing it. A click on a choice leaves
// its command ("NEW_GAME", "CONTINUE_GAME") for the application.
class StartScreen final : public NControls::Control {
public:
    static constexpr float kNewGameY = 430.0f;
    static constexpr float kContinueY = 490.0f;
    static constexpr float kChoiceHeight = 40.0f;

    StartScreen();
    void draw() override;
    bool onLeftUp(float x, float y) override;
    bool onMouseMove(float x, float y) override;

    void setContinueEnabled(bool enabled) { m_continueEnabled = enabled; }
    bool continueEnabled() const { return m_continueEnabled; }

private:
    // The choice under a point: 0 none, 1 new game, 2 continue.
    int choiceAt(float x, float y) const;
    void drawChoice(const char* text, float y, bool enabled, bool hovered) const;

    std::unique_ptr<KGraphic> m_picture;
    bool m_continueEnabled = false;
    int m_hovered = 0;
};

} // namespace NVolant
