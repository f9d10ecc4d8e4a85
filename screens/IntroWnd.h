#pragma once

#include "ui/Control.h"

#include <memory>

class KGraphic;

namespace NVolant {

// The picture shown while the game starts: it uncovers the intro picture from black, holds while
// the main menu is built, then cross-fades into the main menu's background. The application
// drives it by its fade value: 1 covered (or cross-faded), 0 uncovered.
class IntroWnd final : public NControls::Control {
public:
    enum State { Idle = 0, Uncovering = 1, CrossFading = 2 };

    IntroWnd();
    ~IntroWnd() override;

    void update(float dt) override;
    void draw() override;
    void onCommand(NControls::Control* sender) override;

    void startCrossFade() { m_state = CrossFading; }
    float fade() const { return m_fade; }
    State state() const { return m_state; }

private:
    State m_state = Uncovering;
    std::unique_ptr<KGraphic> m_intro;
    std::unique_ptr<KGraphic> m_menu;
    float m_coverR = 0.0f, m_coverG = 0.0f, m_coverB = 0.0f;
    float m_fade = 1.0f;
};

} // namespace NVolant
