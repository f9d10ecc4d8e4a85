#include "app/StartScreen.h"

#include "app/ScreenKit.h"
#include "platform/Screen.h"

namespace NVolant {

StartScreen::StartScreen() : m_picture(createGraphic())
{
    setSize(kScreenWidth, kScreenHeight);
    setPosition(0, 0);
    if (!m_picture->loadFromFile("menu/bg_main_menu.jpg"))
        m_picture->loadFromFile("menu/bg_intro_wnd.jpg");
}

void StartScreen::draw()
{
    if (m_picture->isLoaded())
        m_picture->blendImageRect(0, 0, m_picture->getWidth(), m_picture->getHeight(), m_position.x,
                                  m_position.y);
    Control::draw();
}

namespace {

class StartKit final : public ScreenKit {
public:
    std::unique_ptr<NControls::Control> makeMainMenu() override { return std::make_unique<StartScreen>(); }
};

} // namespace

std::unique_ptr<ScreenKit> makeDefaultScreenKit()
{
    return std::make_unique<StartKit>();
}

} // namespace NVolant
