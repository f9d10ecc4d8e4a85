#pragma once

#include "screens/Panel.h"

#include "platform/Vector4.h"

#include <string>

namespace NVolant {

// Typing a new profile's name on an on-screen keyboard of digits and capital letters, at most 14
// of them. A key types when it is pressed and released without leaving it. CREATE makes and
// selects the profile; both it and CANCEL leave "MAIN_MENU". With no profile at all there is no
// cancelling: the game needs one.
class CreateProfile final : public Panel {
public:
    static constexpr std::size_t kMaxName = 14;
    static constexpr const char* kLayout = "1234567890\nQWERTYUIOP\nASDFGHJKL\nZXCVBNM";

    explicit CreateProfile(NControls::Control* parent);

    void update(float dt) override;
    void draw() override;
    bool onLeftDown(float x, float y) override;
    bool onLeftUp(float x, float y) override;
    bool onMouseMove(float x, float y) override;
    void onCommand(NControls::Control* sender) override;

    // Index into the layout of the key whose cell holds the point, or -1.
    int keyAt(float x, float y) const;
    // The top-left corner of key index's cell (absolute).
    Vector4 keyCell(int index) const;
    const std::string& typedName() const { return m_name; }
    int hoverKey() const { return m_hover; }
    int pressedKey() const { return m_pressed; }
    NControls::Button* okButton() const { return m_ok; }
    NControls::Button* cancelButton() const { return m_cancel; }
    NControls::Button* backButton() const { return m_back; }

private:
    void updateOk();

    NControls::Button* m_ok = nullptr;
    NControls::Button* m_cancel = nullptr;
    NControls::Button* m_back = nullptr;
    std::string m_layout = kLayout;
    std::string m_name;
    int m_hover = -1;
    int m_pressed = -1;
    Vector4 m_origin{70.0f, 80.0f, 0.0f, 1.0f};
    Vector4 m_cell{28.0f, 24.0f, 0.0f, 1.0f};
};

} // namespace NVolant
