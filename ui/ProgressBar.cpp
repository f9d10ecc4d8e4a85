#include "ui/ProgressBar.h"

#include "platform/KGraphic.h"
#include "ui/WidgetImage.h"

#include <algorithm>
#include <cmath>

namespace NControls {

ProgressBar::ProgressBar(const std::string& name, const std::string& thumbImagePath, Control* parent)
    : m_parent(parent), m_ownedImage(loadWidgetImage(thumbImagePath))
{
    setName(name);
    build(m_ownedImage.get());
}

ProgressBar::ProgressBar(const std::string& name, KGraphic* thumbImage, Control* parent) : m_parent(parent)
{
    setName(name);
    build(thumbImage);
}

ProgressBar::~ProgressBar()
{
    // The thumb shares the image this bar may own.
    m_thumb.reset();
}

void ProgressBar::build(KGraphic* image)
{
    m_thumb = std::make_unique<Button>("BAR", image, this);
    Control::setSize(10 * m_thumb->getWidth(), m_thumb->getHeight());
    setPosition(0, 0, 0);
}

void ProgressBar::releaseChildren()
{
    Control::releaseChildren();
    m_thumb.reset();
    m_parent = nullptr;
    m_ownedImage.reset();
}

void ProgressBar::draw()
{
    if (!m_visible || !m_thumb)
        return;
    const Vector4 saved = m_thumb->getPosition();
    m_thumb->setPosition(saved.x + m_position.x, saved.y + m_position.y, saved.z + m_position.z);
    m_thumb->draw();
    m_thumb->setPosition(saved.x, saved.y, saved.z);
}

int ProgressBar::valueFromThumb() const
{
    // A bar without width has nowhere to slide (and nothing to divide by).
    if (m_width <= 0)
        return m_minimum;
    const float span = static_cast<float>(m_maximum - m_minimum);
    const float at =
        span / static_cast<float>(m_width) * m_thumb->getCentre().x + static_cast<float>(m_minimum);
    // The current rounding mode: to nearest, ties to even.
    return static_cast<int>(std::nearbyint(at));
}

void ProgressBar::setValue(int value)
{
    m_value = std::clamp(value, m_minimum, m_maximum);
    if (!m_thumb)
        return;
    const Vector4 centre = m_thumb->getCentre();
    const int x = m_minimum == m_maximum ? 0 : (m_value - m_minimum) * m_width / (m_maximum - m_minimum);
    m_thumb->setCentre(static_cast<float>(x), centre.y, centre.z);
}

void ProgressBar::setRange(int minimum, int maximum)
{
    m_maximum = maximum;
    m_minimum = std::min(minimum, maximum);
    setValue(m_value);
}

void ProgressBar::setSize(int width, int height)
{
    Control::setSize(width, height);
    setValue(m_value);
}

bool ProgressBar::onLeftDown(float x, float y)
{
    if (!m_visible || !m_thumb)
        return false;
    const float localX = x - m_position.x;
    const float localY = y - m_position.y;
    if (m_thumb->hitTest(localX, localY)) {
        m_thumb->onLeftDown(localX, localY);
        m_dragging = true;
        return true;
    }
    return Control::hitTest(x, y);
}

bool ProgressBar::onMouseMove(float x, float y)
{
    if (!m_visible || !m_thumb)
        return false;
    const float localX = x - m_position.x;
    m_thumb->onMouseMove(localX, y - m_position.y);
    if (m_dragging) {
        const Vector4 centre = m_thumb->getCentre();
        m_thumb->setCentre(std::clamp(localX, 0.0f, static_cast<float>(m_width)), centre.y, centre.z);
        const int value = valueFromThumb();
        if (value != m_value) {
            m_value = value;
            onCommand(this);
        }
    }
    return Control::onMouseMove(x, y);
}

bool ProgressBar::onLeftUp(float x, float y)
{
    if (!m_visible || !m_thumb)
        return false;
    if (m_dragging) {
        m_value = valueFromThumb();
        setValue(m_value);
        onCommand(this);
    }
    m_dragging = false;
    m_thumb->onLeftUp(x - m_position.x, y - m_position.y);
    return Control::hitTest(x, y);
}

void ProgressBar::onCommand(Control* sender)
{
    if (m_parent)
        m_parent->onCommand(sender);
}

} // namespace NControls
