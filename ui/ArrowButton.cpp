#include "ui/ArrowButton.h"

namespace NControls {

ArrowButton::ArrowButton(Control* parent, KGraphic* image) : Button("", image, parent)
{
}

void ArrowButton::draw()
{
    if (m_visible)
        drawFrame(m_flipped);
}

bool ArrowButton::onLeftDown(float x, float y)
{
    const bool taken = Button::onLeftDown(x, y);
    m_pressed = true;
    return taken;
}

bool ArrowButton::onLeftUp(float x, float y)
{
    const bool taken = Button::onLeftUp(x, y);
    m_pressed = false;
    return taken;
}

} // namespace NControls
