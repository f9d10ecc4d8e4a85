#include "screens/MessagePanel.h"

#include "content/BitmapText.h"
#include "platform/KPointer.h"
#include "screens/ShadowText.h"

namespace NVolant {

MessagePanel::MessagePanel(const std::string& text, NControls::Control* owner, Kind kind)
    : Panel("menu\\512x256.png", owner), m_text(text)
{
    const int w = m_width, h = m_height;
    m_ok = addButton("OK", "menu\\ok_btn.png");
    if (kind == Kind::Notice) {
        placeAt(*m_ok, static_cast<float>(w - m_ok->getWidth()) * 0.5f, static_cast<float>(h - 60));
        return;
    }
    placeAt(*m_ok, static_cast<float>(w / 2 - m_ok->getWidth()) * 0.5f, static_cast<float>(h - 60));
    m_cancel = addButton("CANCEL", "menu\\cancel_btn.png");
    placeAt(*m_cancel, static_cast<float>(w / 2) + static_cast<float>(w / 2 - m_cancel->getWidth()) * 0.5f,
            static_cast<float>(h - 60));
}

void MessagePanel::update(float)
{
    showCursor();
}

void MessagePanel::draw()
{
    Panel::draw();
    const NLib::BitmapText* font = menuFont();
    if (!font)
        return;
    const float top = m_position.y + (m_ok->getPosition().y - font->textHeight(m_text, 20)) * 0.5f;
    drawShadowTextCentred(font, m_text, 20, m_centre.x, top);
}

void MessagePanel::onCommand(NControls::Control* sender)
{
    clearCommand();
    if (sender == m_ok)
        setCommand(NControls::ScreenCommand::Ok);
    else if (sender == m_cancel)
        setCommand(NControls::ScreenCommand::Cancel);
    notifyOwner();
}

} // namespace NVolant
