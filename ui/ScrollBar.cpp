#include "ui/ScrollBar.h"

#include "platform/KGraphic.h"
#include "ui/WidgetImage.h"

#include <algorithm>

namespace NControls {

namespace {
constexpr int kLength = 200;
}

ScrollBar::ScrollBar(const std::string& name, const std::string& arrowImagePath, Control* parent)
    : m_parent(parent), m_ownedImage(loadWidgetImage(arrowImagePath))
{
    setName(name);
    build(m_ownedImage.get());
}

ScrollBar::ScrollBar(const std::string& name, KGraphic* arrowImage, Control* parent) : m_parent(parent)
{
    setName(name);
    build(arrowImage);
}

ScrollBar::~ScrollBar()
{
    // The arrows share the image this bar may own.
    Control::releaseChildren();
}

void ScrollBar::build(KGraphic* image)
{
    m_image = image;
    m_first = add(std::make_unique<ArrowButton>(this, image));
    m_second = add(std::make_unique<ArrowButton>(this, image));
    m_second->setFlipped(true);
    setOrientation(Vertical);
    setPosition(0, 0, 0);
}

void ScrollBar::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
    const int across = m_image ? static_cast<int>(m_image->getWidth()) : 0;
    if (orientation == Vertical)
        setSize(across, kLength);
    else
        setSize(kLength, across);
    placeArrows();
}

void ScrollBar::placeArrows()
{
    if (!m_first || !m_second)
        return;
    m_first->setPosition(0, 0, 0);
    const float x = static_cast<float>(m_width - m_second->getWidth());
    if (m_orientation == Vertical)
        m_second->setPosition(x, static_cast<float>(m_height - m_second->getHeight()), 0);
    else
        m_second->setPosition(x, 0, 0);
}

void ScrollBar::releaseChildren()
{
    Control::releaseChildren();
    m_first = nullptr;
    m_second = nullptr;
    m_parent = nullptr;
    m_image = nullptr;
    m_ownedImage.reset();
}

void ScrollBar::draw()
{
    if (!m_visible)
        return;
    placeArrows();
    Control::draw();
}

bool ScrollBar::onLeftDown(float x, float y)
{
    if (!m_visible || !m_first || !m_second)
        return false;
    placeArrows();
    const float localX = x - m_position.x;
    const float localY = y - m_position.y;
    if (!hitTest(x, y)) {
        // Both arrows still hear it, so a look left pressed goes back to normal.
        m_first->onLeftDown(localX, localY);
        m_second->onLeftDown(localX, localY);
        return false;
    }
    if (m_first->onLeftDown(localX, localY)) {
        m_value = std::max(m_value - 1, m_minimum);
        onCommand(this);
    }
    if (m_second->onLeftDown(localX, localY)) {
        m_value = std::min(m_value + 1, m_maximum);
        onCommand(this);
    }
    return true;
}

bool ScrollBar::onLeftUp(float x, float y)
{
    if (!m_first || !m_second)
        return false;
    placeArrows();
    m_first->onLeftUp(x - m_position.x, y - m_position.y);
    m_second->onLeftUp(x - m_position.x, y - m_position.y);
    return hitTest(x, y);
}

void ScrollBar::onCommand(Control* sender)
{
    if (m_parent)
        m_parent->onCommand(sender);
}

void ScrollBar::setRange(int minimum, int maximum)
{
    m_maximum = maximum;
    m_minimum = std::min(minimum, maximum);
}

} // namespace NControls
