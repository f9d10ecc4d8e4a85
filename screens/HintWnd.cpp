#include "screens/HintWnd.h"

#include "platform/KGraphic.h"
#include "platform/Screen.h"
#include "score/Profiles.h"
#include "ui/WidgetImage.h"

namespace NVolant {

HintWnd::HintWnd(Profile* profile)
    : m_background(NControls::loadWidgetImage("menu\\bg_hint_wnd.jpg")), m_profile(profile)
{
    setSize(kScreenWidth, kScreenHeight);
    setPosition(0, 0);
    const float h = static_cast<float>(m_height);
    auto close = std::make_unique<NControls::Button>("CLOSE", "menu\\close_btn.png", this);
    close->setPosition(650, h - 60 + 10);
    m_close = add(std::move(close));
    auto hints = std::make_unique<NControls::CheckBox>("SHOW HINTS", "menu\\chb.png", this);
    hints->setPosition(30, h - 60);
    m_hints = add(std::move(hints));
    if (m_profile)
        m_hints->setChecked(m_profile->m_isShowHints);
}

HintWnd::~HintWnd()
{
    releaseChildren();
}

void HintWnd::draw()
{
    m_background->putImageRectInt(0, 0, m_background->getWidth(), m_background->getHeight(),
                                  static_cast<std::int16_t>(m_position.x),
                                  static_cast<std::int16_t>(m_position.y));
    Control::draw();
}

void HintWnd::onCommand(NControls::Control* sender)
{
    if (sender == m_close) {
        m_closed = true;
    } else if (sender == m_hints && m_profile) {
        m_profile->m_isShowHints = m_hints->isChecked();
        if (Profiles* profiles = Profiles::existing())
            profiles->save();
    }
}

} // namespace NVolant
