#include "platform/KGamepad.h"

#include "platform/KEvent.h"
#include "platform/KeyTable.h"
#include "platform/Log.h"

#include <algorithm>
#include <cmath>

namespace {

// Triggers press past half travel and let go below a quarter, so a resting finger does not
// chatter.
constexpr int kTriggerPress = 16384;
constexpr int kTriggerRelease = 8192;
// A long stall (a debugger, a swapped-out machine) must not fling the pointer.
constexpr double kLongestStep = 100.0;

float g_steerSpeed = KGamepad::kDefaultSteerSpeed;

float axisValue(Sint16 value)
{
    return std::clamp(static_cast<float>(value) / 32767.0f, -1.0f, 1.0f);
}

} // namespace

void KGamepad::setSteerSpeed(float pxPerMs)
{
    g_steerSpeed = pxPerMs > 0.0f ? pxPerMs : kDefaultSteerSpeed;
}

float KGamepad::steerSpeed()
{
    return g_steerSpeed;
}

KGamepad::KGamepad()
{
    // Presses are filtered by the window's own idea of being in front; SDL's filter looks at
    // keyboard focus, which a headless window never has.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // South is south: Nintendo-style pads otherwise swap A and B by their labels.
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        LOG_INFO("no gamepad support: %s", SDL_GetError());
        return;
    }
    m_started = true;
    // Pads already plugged in arrive as "device added" events like later ones.
}

KGamepad::~KGamepad()
{
    for (Pad& pad : m_pads)
        SDL_GameControllerClose(pad.handle);
    m_pads.clear();
    if (m_started)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

KGamepad::Pad* KGamepad::find(SDL_JoystickID id)
{
    for (Pad& pad : m_pads)
        if (pad.id == id)
            return &pad;
    return nullptr;
}

void KGamepad::open(int deviceIndex)
{
    if (find(SDL_JoystickGetDeviceInstanceID(deviceIndex)))
        return;
    SDL_GameController* handle = SDL_GameControllerOpen(deviceIndex);
    if (!handle) {
        LOG_ERROR("cannot open gamepad %d: %s", deviceIndex, SDL_GetError());
        return;
    }
    Pad pad;
    pad.handle = handle;
    pad.id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(handle));
    m_pads.push_back(pad);
    const char* name = SDL_GameControllerName(handle);
    LOG_INFO("gamepad connected: %s", name ? name : "(unnamed)");
}

void KGamepad::close(SDL_JoystickID id)
{
    const auto it = std::find_if(m_pads.begin(), m_pads.end(), [id](const Pad& p) { return p.id == id; });
    if (it == m_pads.end())
        return;
    SDL_GameControllerClose(it->handle);
    m_pads.erase(it);
    LOG_INFO("gamepad disconnected");
}

void KGamepad::setSource(Pad& pad, Source source, bool down, bool inFront)
{
    // A press aimed at another window is not ours; its release still is.
    if (down && !inFront)
        return;
    pad.held[source] = down;
}

bool KGamepad::handleEvent(const SDL_Event& event, bool inFront, std::vector<KPadAction>& out)
{
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        open(event.cdevice.which);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        // Whatever it held is let go.
        close(event.cdevice.which);
        report(out);
        return true;
    case SDL_CONTROLLERDEVICEREMAPPED:
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        Pad* pad = find(event.cbutton.which);
        if (!pad)
            return true;
        const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
        switch (event.cbutton.button) {
        case SDL_CONTROLLER_BUTTON_A:
            setSource(*pad, South, down, inFront);
            break;
        case SDL_CONTROLLER_BUTTON_B:
            setSource(*pad, East, down, inFront);
            break;
        case SDL_CONTROLLER_BUTTON_START:
            setSource(*pad, Start, down, inFront);
            break;
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            setSource(*pad, DpadUp, down, inFront);
            break;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            setSource(*pad, DpadDown, down, inFront);
            break;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            setSource(*pad, DpadLeft, down, inFront);
            break;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            setSource(*pad, DpadRight, down, inFront);
            break;
        default:
            return true;
        }
        report(out);
        return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
        Pad* pad = find(event.caxis.which);
        if (!pad)
            return true;
        const Sint16 value = event.caxis.value;
        switch (event.caxis.axis) {
        case SDL_CONTROLLER_AXIS_LEFTX:
            pad->stickX = axisValue(value);
            break;
        case SDL_CONTROLLER_AXIS_LEFTY:
            pad->stickY = axisValue(value);
            break;
        case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
        case SDL_CONTROLLER_AXIS_TRIGGERRIGHT: {
            const Source source =
                event.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT ? LeftTrigger : RightTrigger;
            const bool held = pad->held[source];
            if (!held && value >= kTriggerPress)
                setSource(*pad, source, true, inFront);
            else if (held && value < kTriggerRelease)
                setSource(*pad, source, false, inFront);
            report(out);
            break;
        }
        default:
            break;
        }
        return true;
    }
    default:
        return false;
    }
}

void KGamepad::report(std::vector<KPadAction>& out)
{
    std::array<bool, kOutputs> wanted{};
    for (const Pad& pad : m_pads) {
        wanted[Fire] = wanted[Fire] || pad.held[South] || pad.held[RightTrigger];
        wanted[Missile] = wanted[Missile] || pad.held[East] || pad.held[LeftTrigger];
        wanted[Escape] = wanted[Escape] || pad.held[Start];
        wanted[Up] = wanted[Up] || pad.held[DpadUp];
        wanted[Down] = wanted[Down] || pad.held[DpadDown];
        wanted[Left] = wanted[Left] || pad.held[DpadLeft];
        wanted[Right] = wanted[Right] || pad.held[DpadRight];
    }
    static constexpr KPadAction::Kind kinds[kOutputs] = {
        KPadAction::Kind::Button, KPadAction::Kind::Button, KPadAction::Kind::Key, KPadAction::Kind::Key,
        KPadAction::Kind::Key,    KPadAction::Kind::Key,    KPadAction::Kind::Key};
    static constexpr int codes[kOutputs] = {K_BUTTON_LEFT, K_BUTTON_RIGHT, VKey::Escape, VKey::Up,
                                            VKey::Down,    VKey::Left,     VKey::Right};
    for (int i = 0; i < kOutputs; ++i) {
        if (wanted[i] == m_reported[i])
            continue;
        m_reported[i] = wanted[i];
        KPadAction action;
        action.kind = kinds[i];
        action.code = codes[i];
        action.down = wanted[i];
        out.push_back(action);
    }
}

void KGamepad::forgetHeld()
{
    for (Pad& pad : m_pads)
        pad.held.fill(false);
    m_reported.fill(false);
}

void KGamepad::tick(double nowMs, bool pointerVisible, int pointerX, int pointerY, int width, int height,
                    std::vector<KPadAction>& out)
{
    const double dt = m_lastTick < 0 ? 0.0 : std::clamp(nowMs - m_lastTick, 0.0, kLongestStep);
    m_lastTick = nowMs;

    // The pad whose stick is deflected furthest steers.
    float x = 0.0f, y = 0.0f;
    for (const Pad& pad : m_pads)
        if (std::hypot(pad.stickX, pad.stickY) > std::hypot(x, y)) {
            x = pad.stickX;
            y = pad.stickY;
        }
    const float magnitude = std::hypot(x, y);
    if (magnitude <= kDeadZone) {
        m_steering = false;
        return;
    }
    // Deflection past the dead zone, 0..1, so motion starts from nothing at its rim.
    const float m = std::min(1.0f, (magnitude - kDeadZone) / (1.0f - kDeadZone));
    const float speed = pointerVisible ? kMenuPointerSpeed * m * m : g_steerSpeed * m;

    // Someone else moved the pointer (the mouse, or the plane clamping its target): carry on
    // from there. Within a pixel it is our own position coming back rounded.
    if (!m_steering || std::abs(pointerX - m_setX) > 1 || std::abs(pointerY - m_setY) > 1) {
        m_pointerX = static_cast<float>(pointerX) + 0.5f;
        m_pointerY = static_cast<float>(pointerY) + 0.5f;
    }
    m_steering = true;
    const float step = speed * static_cast<float>(dt) / magnitude;
    m_pointerX = std::clamp(m_pointerX + x * step, 0.0f, static_cast<float>(width) - 0.001f);
    m_pointerY = std::clamp(m_pointerY + y * step, 0.0f, static_cast<float>(height) - 0.001f);
    m_setX = static_cast<int>(m_pointerX);
    m_setY = static_cast<int>(m_pointerY);
    if (m_setX == pointerX && m_setY == pointerY)
        return;
    KPadAction action;
    action.kind = KPadAction::Kind::Pointer;
    action.x = m_setX;
    action.y = m_setY;
    out.push_back(action);
}
