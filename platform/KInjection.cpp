#include "platform/KInjection.h"

#include "platform/KRenderContext.h"
#include "platform/KWindowSDL.h"
#include "platform/KeyTable.h"

#include <SDL.h>

#include <cstring>

namespace {

std::uint32_t windowId()
{
    KWindowSDL* window = KWindowSDL::currentSDL();
    return window && window->sdlWindow() ? SDL_GetWindowID(window->sdlWindow()) : 0;
}

KLetterbox box()
{
    KWindowSDL* window = KWindowSDL::currentSDL();
    return window ? window->letterbox() : KLetterbox{};
}

void pushWindowEvent(std::uint8_t kind)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = windowId();
    e.window.event = kind;
    SDL_PushEvent(&e);
}

} // namespace

namespace KInjection {

void mouseMove(int x, int y)
{
    mouseMoveWindow(box().toWindowX(x), box().toWindowY(y));
}

void mouseMoveWindow(int windowX, int windowY)
{
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = windowId();
    e.motion.x = windowX;
    e.motion.y = windowY;
    SDL_PushEvent(&e);
}

void mouseButton(int button, bool down, int x, int y)
{
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = windowId();
    e.button.button = button == 1 ? SDL_BUTTON_LEFT : button == 2 ? SDL_BUTTON_RIGHT : SDL_BUTTON_MIDDLE;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    e.button.x = box().toWindowX(x);
    e.button.y = box().toWindowY(y);
    SDL_PushEvent(&e);
}

void key(int virtualKey, bool down)
{
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = windowId();
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sdlKeyOfVirtualKey(virtualKey);
    e.key.keysym.scancode = SDL_GetScancodeFromKey(e.key.keysym.sym);
    SDL_PushEvent(&e);
}

void text(const char* utf8)
{
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    e.text.windowID = windowId();
    std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
    SDL_PushEvent(&e);
}

void focus(bool inFront)
{
    pushWindowEvent(inFront ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST);
}

void minimise(bool minimised)
{
    pushWindowEvent(minimised ? SDL_WINDOWEVENT_MINIMIZED : SDL_WINDOWEVENT_RESTORED);
}

void closeWindow()
{
    pushWindowEvent(SDL_WINDOWEVENT_CLOSE);
}

void resizeWindow(int width, int height)
{
    if (KWindowSDL* window = KWindowSDL::currentSDL())
        SDL_SetWindowSize(window->sdlWindow(), width, height);
}

bool resetRenderer()
{
    KWindowSDL* window = KWindowSDL::currentSDL();
    return window && window->recreateRenderer();
}

void deviceLost()
{
    SDL_Event e{};
    e.type = SDL_RENDER_DEVICE_RESET;
    SDL_PushEvent(&e);
}

bool readPicture(std::vector<std::uint8_t>& rgba, int& width, int& height)
{
    KWindowSDL* window = KWindowSDL::currentSDL();
    return window && window->readPicture(rgba, width, height);
}

bool readOutput(std::vector<std::uint8_t>& rgba, int& width, int& height)
{
    KWindowSDL* window = KWindowSDL::currentSDL();
    return window && window->readOutput(rgba, width, height);
}

std::uint64_t drawCallCount()
{
    return KRenderContext::get().drawCalls();
}

} // namespace KInjection
