#include "screens/IntroWnd.h"

#include "platform/KGraphic.h"
#include "platform/Screen.h"
#include "ui/WidgetImage.h"

namespace NVolant {

namespace {

void blendWhole(KGraphic& picture)
{
    picture.blendImageRect(0, 0, picture.getWidth(), picture.getHeight(), 0, 0);
}

} // namespace

IntroWnd::IntroWnd()
    : m_intro(NControls::loadWidgetImage("menu\\bg_intro_wnd.jpg")),
      m_menu(NControls::loadWidgetImage("menu\\bg_main_menu.jpg"))
{
    setSize(kScreenWidth, kScreenHeight);
    setPosition(0, 0);
}

IntroWnd::~IntroWnd() = default;

void IntroWnd::update(float dt)
{
    if (m_state == Uncovering) {
        if (m_fade > 0.0f)
            m_fade -= 0.003f * dt;
        if (m_fade <= 0.0f) {
            m_fade = 0.0f;
            m_state = Idle;
        }
    } else if (m_state == CrossFading) {
        if (m_fade < 1.0f)
            m_fade += 0.001f * dt;
        if (m_fade >= 1.0f)
            m_fade = 1.0f;
    }
}

void IntroWnd::draw()
{
    m_intro->putImageRect(0, 0, m_intro->getWidth(), m_intro->getHeight(), 0, 0);
    Control::draw();
    KGraphic* last = m_intro.get();
    switch (m_state) {
    case Uncovering:
        // A black cover over the picture that clears.
        m_intro->setModulateColor(m_coverR, m_coverG, m_coverB, m_fade);
        blendWhole(*m_intro);
        break;
    case CrossFading:
        blendWhole(*m_intro);
        m_menu->setModulateColor(1, 1, 1, m_fade);
        blendWhole(*m_menu);
        last = m_menu.get();
        break;
    case Idle:
        blendWhole(*m_intro);
        break;
    }
    last->setModulateColor(1, 1, 1, 1);
}

void IntroWnd::onCommand(NControls::Control*)
{
    clearCommand();
}

} // namespace NVolant
