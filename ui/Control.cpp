#include "ui/Control.h"

#include <algorithm>

namespace NControls {

Control::~Control()
{
    // Children go first, depth first, as releaseChildren would; a derived class has already
    // released what it added.
    for (auto& child : m_children)
        child.reset();
    m_children.clear();
}

void Control::releaseChildren()
{
    // A child may remove siblings while releasing; take the list first.
    std::vector<std::unique_ptr<Control>> children = std::move(m_children);
    m_children.clear();
    for (auto& child : children) {
        child->releaseChildren();
        child.reset();
    }
}

void Control::update(float dt)
{
    for (std::size_t i = 0; i < m_children.size(); ++i)
        m_children[i]->update(dt);
}

void Control::draw()
{
    for (std::size_t i = 0; i < m_children.size(); ++i) {
        Control* child = m_children[i].get();
        const Vector4 saved = child->m_position;
        child->setPosition(saved.x + m_position.x, saved.y + m_position.y, saved.z + m_position.z);
        child->draw();
        child->setPosition(saved.x, saved.y, saved.z);
    }
}

bool Control::hitTest(float x, float y)
{
    return m_position.x < x && x < m_position.x + static_cast<float>(m_width) && m_position.y < y &&
           y < m_position.y + static_cast<float>(m_height);
}

bool Control::dispatchMouse(MouseHandler handler, float x, float y)
{
    if (!m_visible || !hitTest(x, y))
        return false;
    const float localX = x - m_position.x;
    const float localY = y - m_position.y;
    for (std::size_t i = 0; i < m_children.size(); ++i)
        (m_children[i].get()->*handler)(localX, localY);
    return true;
}

bool Control::onLeftDown(float x, float y)
{
    return dispatchMouse(&Control::onLeftDown, x, y);
}

bool Control::onLeftUp(float x, float y)
{
    return dispatchMouse(&Control::onLeftUp, x, y);
}

bool Control::onRightDown(float x, float y)
{
    return dispatchMouse(&Control::onRightDown, x, y);
}

bool Control::onRightUp(float x, float y)
{
    return dispatchMouse(&Control::onRightUp, x, y);
}

void Control::onCommand(Control*)
{
}

bool Control::onMouseMove(float x, float y)
{
    if (!m_visible)
        return false;
    for (std::size_t i = 0; i < m_children.size(); ++i)
        m_children[i]->onMouseMove(x - m_position.x, y - m_position.y);
    return true;
}

void Control::onKeyDown(int, int)
{
}

void Control::setSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

void Control::addChild(std::unique_ptr<Control> child)
{
    if (child)
        m_children.push_back(std::move(child));
}

std::unique_ptr<Control> Control::removeChild(Control* child)
{
    const auto it = std::find_if(m_children.begin(), m_children.end(),
                                 [child](const auto& c) { return c.get() == child; });
    if (it == m_children.end())
        return nullptr;
    std::unique_ptr<Control> owned = std::move(*it);
    m_children.erase(it);
    return owned;
}

void Control::setPosition(float x, float y, float z)
{
    m_position.set(x, y, z, 1.0f);
    m_centre.set(x + static_cast<float>(m_width / 2), y + static_cast<float>(m_height / 2), z, 1.0f);
}

void Control::setCentre(float x, float y, float z)
{
    m_centre.set(x, y, z, 1.0f);
    m_position.set(x - static_cast<float>(m_width / 2), y - static_cast<float>(m_height / 2), z, 1.0f);
}

} // namespace NControls
