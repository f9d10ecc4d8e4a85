#pragma once

#include "screens/Panel.h"
#include "ui/CheckBox.h"
#include "ui/ProgressBar.h"

namespace NVolant {

// Full screen, swapped stereo, hints, and the effect and music volumes, each applied at once.
// Closing leaves "MAIN_MENU".
class OptionsPanel final : public Panel {
public:
    explicit OptionsPanel(NControls::Control* owner);

    void update(float dt) override;
    bool onLeftUp(float x, float y) override;
    void onCommand(NControls::Control* sender) override;

    NControls::Button* okButton() const { return m_ok; }
    NControls::CheckBox* fullScreenBox() const { return m_fullScreen; }
    NControls::CheckBox* stereoBox() const { return m_stereo; }
    NControls::CheckBox* hintsBox() const { return m_hints; }
    NControls::ProgressBar* soundSlider() const { return m_sound; }
    NControls::ProgressBar* musicSlider() const { return m_music; }

private:
    NControls::CheckBox* addBox(const std::string& name, float centreX, float centreY);
    NControls::ProgressBar* addSlider(const std::string& name, int fromBottom);

    NControls::Button* m_ok = nullptr;
    NControls::CheckBox* m_fullScreen = nullptr;
    NControls::CheckBox* m_stereo = nullptr;
    NControls::CheckBox* m_hints = nullptr;
    NControls::ProgressBar* m_sound = nullptr;
    NControls::ProgressBar* m_music = nullptr;
    bool m_soundChanged = false;
};

} // namespace NVolant
