#include "platform/KInjection.h"

#include "platform/KRenderContext.h"
#include "platform/KInput.h"
#include "platform/KWindowSDL.h"
#include "platform/KeyTable.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <map>

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

// The virtual pads plugged in, by handle, with their joystick open for setting its state.
std::map<int, SDL_Joystick*>& virtualPads()
{
    static std::map<int, SDL_Joystick*> pads;
    return pads;
}

SDL_Joystick* virtualPad(int pad)
{
    const auto it = virtualPads().find(pad);
    return it == virtualPads().end() ? nullptr : it->second;
}

} // namespace

namespace KInjection {

int attachGamepad()
{
    // The joystick layer may not be running yet (no window): keep it up while the pad exists.
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return -1;
    constexpr int buttons = static_cast<int>(KPadButton::DpadRight) + 1;
    constexpr int axes = static_cast<int>(KPadAxis::RightTrigger) + 1;
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = axes;
    desc.nbuttons = buttons;
    // With the masks SDL maps joystick button/axis i to game-controller button/axis i.
    desc.button_mask = (1u << buttons) - 1;
    desc.axis_mask = (1u << axes) - 1;
    desc.name = "Skyvane virtual pad";
    const int device = SDL_JoystickAttachVirtualEx(&desc);
    SDL_Joystick* joystick = device >= 0 ? SDL_JoystickOpen(device) : nullptr;
    if (!joystick) {
        if (device >= 0)
            SDL_JoystickDetachVirtual(device);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        return -1;
    }
    const int pad = SDL_JoystickInstanceID(joystick);
    virtualPads()[pad] = joystick;
    return pad;
}

void detachGamepad(int pad)
{
    SDL_Joystick* joystick = virtualPad(pad);
    if (!joystick)
        return;
    virtualPads().erase(pad);
    SDL_JoystickClose(joystick);
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == pad) {
            SDL_JoystickDetachVirtual(i);
            break;
        }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void gamepadButton(int pad, KPadButton button, bool down)
{
    if (SDL_Joystick* joystick = virtualPad(pad))
        SDL_JoystickSetVirtualButton(joystick, static_cast<int>(button), down ? 1 : 0);
}

void gamepadAxis(int pad, KPadAxis axis, float value)
{
    SDL_Joystick* joystick = virtualPad(pad);
    if (!joystick)
        return;
    // Triggers rest at the bottom of the joystick range, sticks in its middle.
    const bool trigger = axis == KPadAxis::LeftTrigger || axis == KPadAxis::RightTrigger;
    const float raw = trigger ? -32768.0f + std::clamp(value, 0.0f, 1.0f) * 65535.0f
                              : std::clamp(value, -1.0f, 1.0f) * 32767.0f;
    SDL_JoystickSetVirtualAxis(joystick, static_cast<int>(axis), static_cast<Sint16>(raw));
}

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
    // The travel from where the mouse was, as SDL reports a real mouse's: from the last move
    // injected, whether still queued or taken, unless the pointer was put elsewhere since.
    static int queuedX = 0, queuedY = 0, pointerX = -1, pointerY = -1;
    const bool unmoved = pointerX == getMouseX() && pointerY == getMouseY();
    const bool reached = box().toLogicalX(static_cast<float>(queuedX)) == getMouseX() &&
                         box().toLogicalY(static_cast<float>(queuedY)) == getMouseY();
    const bool queued = unmoved || reached;
    const int fromX = queued ? queuedX : box().toWindowX(getMouseX());
    const int fromY = queued ? queuedY : box().toWindowY(getMouseY());
    e.motion.xrel = windowX - fromX;
    e.motion.yrel = windowY - fromY;
    queuedX = windowX;
    queuedY = windowY;
    pointerX = getMouseX();
    pointerY = getMouseY();
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
    keyAt(virtualKey, SDL_GetScancodeFromKey(sdlKeyOfVirtualKey(virtualKey)), down);
}

void keyAt(int virtualKey, int sdlScancode, bool down)
{
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = windowId();
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sdlKeyOfVirtualKey(virtualKey);
    e.key.keysym.scancode = static_cast<SDL_Scancode>(sdlScancode);
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
