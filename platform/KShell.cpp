#include "platform/KShell.h"

#include "platform/KWindowSDL.h"
#include "platform/Log.h"

#include <SDL.h>

#include <cstring>
#include <thread>

void showMessage(const std::string& title, const std::string& text)
{
    // Before any window (a broken installation found at start-up) the driver asked for decides.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver)
        driver = SDL_getenv("SDL_VIDEODRIVER");
    const bool headless =
        driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0);
    if (headless) {
        LOG_INFO("%s: %s", title.c_str(), text.c_str());
        return;
    }
    KWindowSDL* window = KWindowSDL::currentSDL();
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(),
                                 window ? window->sdlWindow() : nullptr) != 0)
        LOG_ERROR("cannot show a message box (%s): %s: %s", SDL_GetError(), title.c_str(), text.c_str());
}

void openWebPage(const std::string& address, bool)
{
    // The thread owns its copy; the browser may take a while to answer.
    std::string copy = address.substr(0, 2047);
    std::thread([copy = std::move(copy)] {
        if (SDL_OpenURL(copy.c_str()) != 0)
            LOG_ERROR("cannot open %s: %s", copy.c_str(), SDL_GetError());
    }).detach();
    SDL_Delay(100);
}
