#pragma once

#include "ui/Button.h"

namespace NControls {

// An image check box with four looks from a strip: 0 unchecked, 1 unchecked under the pointer,
// 2 checked, 3 checked under the pointer. A release on it toggles it and tells the parent.
class CheckBox final : public Button {
public:
    CheckBox(const std::string& name, const std::string& imagePath, Control* parent);
    CheckBox(const std::string& name, KGraphic* image, Control* parent);

    bool onLeftDown(float x, float y) override;
    bool onLeftUp(float x, float y) override;
    bool onMouseMove(float x, float y) override;
    // Only whether a release toggles it; the look stays.
    void setActive(bool active) override;

    void setChecked(bool checked);
    bool isChecked() const { return m_look == 2.0f || m_look == 3.0f; }
};

} // namespace NControls
