#include "screens/Panel.h"

#include "platform/KGraphic.h"
#include "ui/WidgetImage.h"

namespace NVolant {

Panel::Panel(const std::string& backgroundPath, NControls::Control* owner)
    : m_owner(owner), m_background(NControls::loadWidgetImage(backgroundPath))
{
    setSize(static_cast<int>(m_background->getWidth()), static_cast<int>(m_background->getHeight()));
    setPosition(0, 0);
}

Panel::~Panel()
{
    // The buttons go before the picture and the owner they may still point at.
    releaseChildren();
}

void Panel::centreOn(NControls::Control& panel, const NControls::Control& owner)
{
    const Vector4& at = owner.getPosition();
    const int dx = static_cast<int>(static_cast<float>(owner.getWidth() - panel.getWidth()) * 0.5f);
    const int dy = static_cast<int>(static_cast<float>(owner.getHeight() - panel.getHeight()) * 0.5f);
    panel.setPosition(at.x + static_cast<float>(dx), at.y + static_cast<float>(dy));
}

NControls::Button* Panel::addButton(const std::string& name, const std::string& imagePath)
{
    return add(std::make_unique<NControls::Button>(name, imagePath, this));
}

void Panel::placeAt(NControls::Control& widget, float x, float y)
{
    widget.setPosition(static_cast<float>(static_cast<int>(x)), static_cast<float>(static_cast<int>(y)));
}

void Panel::drawBackground()
{
    m_background->blendImageRect(0, 0, m_background->getWidth(), m_background->getHeight(), m_position.x,
                                 m_position.y);
}

void Panel::draw()
{
    drawBackground();
    Control::draw();
}

void Panel::notifyOwner()
{
    if (m_owner)
        m_owner->onCommand(this);
}

} // namespace NVolant
