#include "ui/Button.h"

#include "platform/KGraphic.h"
#include "ui/WidgetImage.h"

namespace NControls {

Button::Button(const std::string& name, const std::string& imagePath, Control* parent)
    : m_parent(parent), m_ownedImage(loadWidgetImage(imagePath))
{
    m_image = m_ownedImage.get();
    setName(name);
    takeSizeFromImage();
}

Button::Button(const std::string& name, KGraphic* image, Control* parent) : m_parent(parent), m_image(image)
{
    setName(name);
    takeSizeFromImage();
}

Button::~Button() = default;

void Button::takeSizeFromImage()
{
    const int width = m_image ? static_cast<int>(m_image->getWidth()) : 0;
    const int height = m_image ? static_cast<int>(m_image->getHeight()) / m_frameCount : 0;
    setSize(width, height);
    m_hitWidth = width;
    m_hitHeight = height;
    setPosition(0, 0, 0);
}

void Button::releaseChildren()
{
    Control::releaseChildren();
    m_parent = nullptr;
    m_image = nullptr;
    m_ownedImage.reset();
}

void Button::drawFrame(bool flipY)
{
    if (!m_image)
        return;
    const StripFrame f = stripFrame(m_width, m_height, m_look);
    m_image->blendImageRect(f.x1, f.y1, f.x2, f.y2, m_position.x, m_position.y, false, flipY);
}

void Button::draw()
{
    if (m_visible)
        drawFrame(false);
}

bool Button::hitTest(float x, float y)
{
    const float halfW = static_cast<float>(m_hitWidth) / 2.0f;
    const float halfH = static_cast<float>(m_hitHeight) / 2.0f;
    return m_centre.x - halfW < x && x < m_centre.x + halfW && m_centre.y - halfH < y &&
           y < m_centre.y + halfH;
}

bool Button::onLeftDown(float x, float y)
{
    if (!m_visible)
        return false;
    if (hitTest(x, y)) {
        m_look = m_active ? 2.0f : 0.0f;
        return true;
    }
    m_look = restingLook();
    return false;
}

bool Button::onLeftUp(float x, float y)
{
    if (!m_visible)
        return false;
    if (hitTest(x, y)) {
        if (m_active) {
            m_look = 1.0f;
            onCommand(this);
        } else {
            m_look = 0.0f;
        }
        return true;
    }
    m_look = restingLook();
    return false;
}

void Button::onCommand(Control* sender)
{
    if (m_parent)
        m_parent->onCommand(sender);
}

bool Button::onMouseMove(float x, float y)
{
    if (!m_visible)
        return false;
    if (hitTest(x, y)) {
        m_look = m_active ? 3.0f : 0.0f;
        return true;
    }
    m_look = restingLook();
    return false;
}

void Button::setActive(bool active)
{
    m_active = active;
    m_look = restingLook();
}

void Button::setHitSize(int width, int height)
{
    m_hitWidth = width;
    m_hitHeight = height;
}

} // namespace NControls
