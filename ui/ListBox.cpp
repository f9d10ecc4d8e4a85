#include "ui/ListBox.h"

#include "content/BitmapText.h"
#include "platform/KGraphic.h"
#include "ui/WidgetImage.h"

namespace NControls {

ListBox::ListBox(const std::string& name, const std::string& arrowImagePath, const NLib::BitmapText* font,
                 Control* parent)
    : m_parent(parent), m_font(font), m_arrowImage(loadWidgetImage(arrowImagePath))
{
    setName(name);
    m_scrollBar = add(std::make_unique<ScrollBar>("VERTICAL", m_arrowImage.get(), this));
    setPosition(0, 0, 0);
}

ListBox::~ListBox()
{
    // The scroll bar's arrows share the arrow image.
    Control::releaseChildren();
}

void ListBox::releaseChildren()
{
    Control::releaseChildren();
    m_scrollBar = nullptr;
    m_parent = nullptr;
    m_arrowImage.reset();
}

int ListBox::visibleRows() const
{
    return static_cast<int>(static_cast<float>(m_height) / rowHeight());
}

void ListBox::setSize(int width, int height)
{
    Control::setSize(width, height);
    if (m_scrollBar) {
        const int barWidth = m_scrollBar->getWidth();
        m_scrollBar->setPosition(static_cast<float>(width - barWidth), 0, 0);
        m_scrollBar->setSize(barWidth, height);
    }
}

void ListBox::addItem(const std::string& text)
{
    m_items.push_back(text);
    if (!m_scrollBar)
        return;
    const int count = static_cast<int>(m_items.size());
    if (static_cast<float>(count) * rowHeight() > static_cast<float>(m_height))
        m_scrollBar->setRange(0, count - visibleRows());
    else
        m_scrollBar->setRange(0, 0);
}

void ListBox::clear()
{
    m_items.clear();
    if (m_scrollBar)
        m_scrollBar->setRange(0, 0);
}

std::string ListBox::getSelectedText() const
{
    if (m_selected < 0 || m_selected >= static_cast<int>(m_items.size()))
        return std::string();
    return m_items[static_cast<std::size_t>(m_selected)];
}

void ListBox::onCommand(Control* sender)
{
    if (sender == m_scrollBar && m_scrollBar)
        m_firstVisible = m_scrollBar->getValue();
}

bool ListBox::hitTest(float x, float y)
{
    if (Control::hitTest(x, y))
        return true;
    for (const auto& child : m_children)
        if (child->hitTest(x - m_position.x, y - m_position.y))
            return true;
    return false;
}

void ListBox::draw()
{
    if (!m_visible)
        return;
    Control::draw();
    if (!m_font)
        return;
    const int count = static_cast<int>(m_items.size());
    const int first = m_firstVisible < 0 ? 0 : m_firstVisible;
    float rowTop = 0.0f;
    for (int row = first; row < count && row < first + visibleRows(); ++row) {
        const std::string& text = m_items[static_cast<std::size_t>(row)];
        const float x =
            m_position.x + (static_cast<float>(m_width) - m_font->measureText(text, m_fontSize)) / 2.0f;
        const float y = m_position.y + rowTop;
        if (row == m_selected) {
            m_font->drawText(text, m_fontSize, x - 1, y, 0, 0, 0, 0, 1);
            m_font->drawText(text, m_fontSize, x + 1, y, 0, 0, 0, 0, 1);
            m_font->drawText(text, m_fontSize, x, y - 1, 0, 0, 0, 0, 1);
            m_font->drawText(text, m_fontSize, x, y + 1, 0, 0, 0, 0, 1);
            m_font->drawText(text, m_fontSize, x, y, 0, 1, 1, 1, 1);
        } else {
            m_font->drawText(text, m_fontSize, x, y, 0, 0.7f, 0.7f, 0.7f, 1);
        }
        rowTop += rowHeight();
    }
}

bool ListBox::onLeftUp(float x, float y)
{
    if (!m_visible || !hitTest(x, y))
        return false;
    const float localX = x - m_position.x;
    const float localY = y - m_position.y;
    for (std::size_t i = 0; i < m_children.size(); ++i)
        if (m_children[i]->onLeftUp(localX, localY))
            return true;

    m_selected = -1;
    const int count = static_cast<int>(m_items.size());
    const int first = m_firstVisible < 0 ? 0 : m_firstVisible;
    float rowTop = 0.0f;
    for (int row = first; row < count && row < first + visibleRows(); ++row) {
        if (localX > 2.0f && localX < static_cast<float>(m_width - scrollBarWidth()) && localY > rowTop &&
            localY < rowTop + rowHeight()) {
            m_selected = row;
            break;
        }
        rowTop += rowHeight();
    }
    if (m_parent)
        m_parent->onCommand(this);
    return false;
}

} // namespace NControls
