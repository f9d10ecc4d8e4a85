#pragma once

#include <SDL.h>

#include <array>
#include <vector>

// One thing a gamepad asks of the game's input: the same pointer moves, mouse buttons and keys
// that a mouse and a keyboard produce.
struct KPadAction {
    enum class Kind { Pointer, Button, Key };
    Kind kind = Kind::Pointer;
    int code = 0; // mouse button (1 left, 2 right) or virtual key
    bool down = false;
    int x = 0; // pointer position in logical pixels
    int y = 0;
};

// Game controllers through SDL's game-controller API, plugged in or out at any time, turned into
// ordinary input so that no screen needs to know about them:
//   south button or right trigger: left mouse button (the cannon in play, a click on menus)
//   east button or left trigger: right mouse button (missiles)
//   Start: Escape; d-pad: the arrow keys
//   left stick: moves a point. In play (the pointer hidden) that is the plane's steering point,
//   moved through the player's controls at the arrow keys' steering speed at full deflection; on
//   menus and panels it is the visible pointer, faster, with a gentle start for aiming at buttons.
// Several controllers at once act as one. Buttons count only while the window is in front.
class KGamepad final {
public:
    // The arrow keys' steering speed (px/ms) unless the game says otherwise.
    static constexpr float kDefaultSteerSpeed = 0.3f;
    // The menu pointer at full deflection (px/ms): across the picture in under a second.
    static constexpr float kMenuPointerSpeed = 0.9f;
    // Stick deflection (0..1) that counts as resting; worn sticks rarely centre exactly.
    static constexpr float kDeadZone = 0.25f;

    KGamepad();
    ~KGamepad();
    KGamepad(const KGamepad&) = delete;
    KGamepad& operator=(const KGamepad&) = delete;

    bool available() const { return m_started; }
    int connected() const { return static_cast<int>(m_pads.size()); }
    // Process-wide, so the game can set it before any window (and pad) exists.
    static void setSteerSpeed(float pxPerMs);
    static float steerSpeed();

    // Takes a controller event (false for any other event) and appends what it asks for.
    bool handleEvent(const SDL_Event& event, bool inFront, std::vector<KPadAction>& out);
    // Moves a point by the stick for the time since the previous call. The point is where it is
    // now (a mouse or the game itself may have moved it meanwhile).
    void tick(double nowMs, bool pointerVisible, int pointerX, int pointerY, int width, int height,
              std::vector<KPadAction>& out);
    // Forgets what is held without reporting releases: the window dropped its held input.
    void forgetHeld();

private:
    enum Source {
        South,
        East,
        Start,
        DpadUp,
        DpadDown,
        DpadLeft,
        DpadRight,
        RightTrigger,
        LeftTrigger,
        kSources
    };
    enum Output { Fire, Missile, Escape, Up, Down, Left, Right, kOutputs };

    struct Pad {
        SDL_GameController* handle = nullptr;
        SDL_JoystickID id = -1;
        std::array<bool, kSources> held{};
        float stickX = 0.0f; // -1..1
        float stickY = 0.0f;
    };

    void open(int deviceIndex);
    void close(SDL_JoystickID id);
    Pad* find(SDL_JoystickID id);
    void setSource(Pad& pad, Source source, bool down, bool inFront);
    // Reports every output whose combined held state changed.
    void report(std::vector<KPadAction>& out);

    bool m_started = false;
    std::vector<Pad> m_pads;
    std::array<bool, kOutputs> m_reported{};
    double m_lastTick = -1.0;
    bool m_steering = false;
    // Sub-pixel pointer position while the stick moves it, and the pixel it last set.
    float m_pointerX = 0.0f;
    float m_pointerY = 0.0f;
    int m_setX = 0;
    int m_setY = 0;
};
