#pragma once

#include "screens/HintWindow.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Control.h"

#include <memory>

class KGraphic;

namespace NVolant {

class Profile;

// The whole-screen picture of the controls and the bonuses shown before the first level, with a
// "SHOW HINTS" box that keeps the choice in the profile and a CLOSE button. The game screen asks
// isClosed() after each update.
class HintWnd final : public HintWindow {
public:
    // The profile may be null; then the box changes nothing.
    explicit HintWnd(Profile* profile);
    ~HintWnd() override;

    void draw() override;
    void onCommand(NControls::Control* sender) override;

    bool isClosed() const override { return m_closed; }
    NControls::Button* closeButton() const { return m_close; }
    NControls::CheckBox* hintsBox() const { return m_hints; }

private:
    std::unique_ptr<KGraphic> m_background;
    NControls::Button* m_close = nullptr;
    NControls::CheckBox* m_hints = nullptr;
    bool m_closed = false;
    Profile* m_profile = nullptr;
};

} // namespace NVolant
