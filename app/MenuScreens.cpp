#include "app/MenuScreens.h"

#include "screens/IntroWnd.h"
#include "screens/MainMenu.h"

namespace NVolant {

namespace {

MainMenu* asMenu(NControls::Control& screen)
{
    return dynamic_cast<MainMenu*>(&screen);
}

IntroWnd* asIntro(NControls::Control& screen)
{
    return dynamic_cast<IntroWnd*>(&screen);
}

} // namespace

std::unique_ptr<NControls::Control> MenuScreens::makeIntro()
{
    return std::make_unique<IntroWnd>();
}

float MenuScreens::introFade(NControls::Control& intro)
{
    const IntroWnd* window = asIntro(intro);
    return window ? window->fade() : 0.0f;
}

void MenuScreens::startIntroCrossFade(NControls::Control& intro)
{
    if (IntroWnd* window = asIntro(intro))
        window->startCrossFade();
}

std::unique_ptr<NControls::Control> MenuScreens::makeMainMenu()
{
    return std::make_unique<MainMenu>();
}

bool MenuScreens::menuIdle(NControls::Control& menu)
{
    const MainMenu* main = asMenu(menu);
    return !main || main->slideState() == MainMenuAnims::SlideIdle;
}

bool MenuScreens::menuAtRest(NControls::Control& menu)
{
    const MainMenu* main = asMenu(menu);
    return menuIdle(menu) && (!main || main->activePanel() == nullptr);
}

void MenuScreens::setContinueEnabled(NControls::Control& menu, bool enabled)
{
    if (MainMenu* main = asMenu(menu))
        main->setContinueEnabled(enabled);
}

void MenuScreens::replayOpening(NControls::Control& menu)
{
    if (MainMenu* main = asMenu(menu))
        main->replayOpening();
}

int MenuScreens::customLevel(NControls::Control& menu)
{
    const MainMenu* main = asMenu(menu);
    return main ? main->customLevelNumber() : 1;
}

std::unique_ptr<NControls::Control> MenuScreens::makeEndLevel(bool final, NControls::Control& game)
{
    // The level is over: its figures no longer change while the window shows them.
    auto window = std::make_unique<EndLevelWnd>([stats = levelStats(game)] { return stats; });
    window->setFinal(final);
    return window;
}

} // namespace NVolant
