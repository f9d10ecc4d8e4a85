#include "ui/CheckBox.h"

namespace NControls {

CheckBox::CheckBox(const std::string& name, const std::string& imagePath, Control* parent)
    : Button(name, imagePath, parent)
{
    m_look = 0.0f;
}

CheckBox::CheckBox(const std::string& name, KGraphic* image, Control* parent) : Button(name, image, parent)
{
    m_look = 0.0f;
}

bool CheckBox::onLeftDown(float x, float y)
{
    return m_visible && hitTest(x, y);
}

bool CheckBox::onLeftUp(float x, float y)
{
    if (!m_visible || !m_active || !hitTest(x, y))
        return false;
    // Straight to the plain look even under the pointer; the next move lights it again.
    m_look = isChecked() ? 0.0f : 2.0f;
    onCommand(this);
    return true;
}

bool CheckBox::onMouseMove(float x, float y)
{
    if (!m_visible)
        return false;
    if (hitTest(x, y)) {
        if (m_look == 0.0f)
            m_look = 1.0f;
        else if (m_look == 2.0f)
            m_look = 3.0f;
        return true;
    }
    if (m_look == 1.0f)
        m_look = 0.0f;
    else if (m_look == 3.0f)
        m_look = 2.0f;
    return false;
}

void CheckBox::setActive(bool active)
{
    m_active = active;
}

void CheckBox::setChecked(bool checked)
{
    if (checked) {
        if (m_look == 0.0f)
            m_look = 2.0f;
        else if (m_look == 1.0f)
            m_look = 3.0f;
    } else {
        if (m_look == 2.0f)
            m_look = 0.0f;
        else if (m_look == 3.0f)
            m_look = 1.0f;
    }
}

} // namespace NControls
