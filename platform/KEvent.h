#pragma once

#include <cstdint>
#include <functional>

// Event types of the input event record.
enum KEventType : std::int32_t {
    K_EVENT_MOUSE_MOVE = 1,
    K_EVENT_MOUSE_UP = 2,
    K_EVENT_MOUSE_DOWN = 3,
    K_EVENT_CHARACTER = 5,
    K_EVENT_KEY_DOWN = 6,
    K_EVENT_KEY_UP = 7,
    K_EVENT_DOUBLE_CLICK = 8,
    K_EVENT_WHEEL = 11,
    K_EVENT_CONTEXT_MENU = 12,
    K_EVENT_ACTIVATED = 100,   // back in front after a focus loss
    K_EVENT_DEACTIVATED = 101, // left the front; the frame loop pauses until it returns
};

enum KMouseButton : std::int32_t {
    K_BUTTON_NONE = 0,
    K_BUTTON_LEFT = 1,
    K_BUTTON_RIGHT = 2,
    K_BUTTON_MIDDLE = 3
};

// Game key code that means "no key".
constexpr int K_NO_GAME_KEY = 100;

// One input event as the window hands it to its event callback. Mouse positions are logical
// pixels of the 800 x 600 picture whatever the window's real size.
struct KEvent {
    std::int32_t type = 0;
    std::int32_t mouseX = 0;
    std::int32_t mouseY = 0;
    std::int32_t button = K_BUTTON_NONE;
    std::int16_t wheelDelta = 0;
    std::uint16_t character = 0;  // typed character, or key flags (1 = auto-repeat)
    std::int32_t virtualKey = 0;  // Windows-style virtual-key code (letters 'A'..'Z', escape 27)
    std::int32_t messageCode = 0; // the SDL event type it came from
    std::int32_t gameKey = K_NO_GAME_KEY;
    std::int32_t param = 0; // the SDL scancode for keys
};

// Returns false to swallow the event (nothing else handles it then).
using KEventCallback = std::function<bool(const KEvent&)>;
