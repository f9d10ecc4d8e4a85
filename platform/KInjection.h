#pragma once

#include <cstdint>
#include <vector>

// Scripted input and frame read-back for tests and replays. Events go through the same queue and
// pump as a player's, so they update the held keys, buttons and pointer exactly alike. Positions
// are logical pixels unless the name says window pixels.
namespace KInjection {

void mouseMove(int x, int y);
void mouseMoveWindow(int windowX, int windowY);
// button: 1 left, 2 right, 3 middle.
void mouseButton(int button, bool down, int x, int y);
// By virtual-key code (letters 'A'..'Z', escape 27, ...).
void key(int virtualKey, bool down);
// A key of another layout: its label (virtual key) and its place (SDL scancode) apart, as an
// AZERTY keyboard reports 'Z' from the key where a US one has W.
void keyAt(int virtualKey, int sdlScancode, bool down);
void text(const char* utf8);
// The window leaves (false) or comes back to (true) the front.
void focus(bool inFront);
void minimise(bool minimised);
void closeWindow();
// Resizes the window as a desktop of another shape would (letterbox tests).
void resizeWindow(int width, int height);
// Game controllers, as SDL's virtual joysticks: the game sees them exactly as plugged-in pads.
// Buttons and axes follow SDL's game-controller numbering.
enum class KPadButton {
    South,
    East,
    West,
    North,
    Back,
    Guide,
    Start,
    LeftStick,
    RightStick,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight
};
enum class KPadAxis { LeftX, LeftY, RightX, RightY, LeftTrigger, RightTrigger };
// Plugs a pad in (also before any window exists); returns its handle, or -1.
int attachGamepad();
void detachGamepad(int pad);
void gamepadButton(int pad, KPadButton button, bool down);
// Sticks -1..1 (right and down positive), triggers 0..1.
void gamepadAxis(int pad, KPadAxis axis, float value);

// Drops the renderer and makes a new one, as a lost graphics device does.
bool resetRenderer();
// Queues the renderer's "device lost" event; the next pump rebuilds every image.
void deviceLost();

// The logical picture of the last frame (RGBA rows), and the whole window output.
bool readPicture(std::vector<std::uint8_t>& rgba, int& width, int& height);
bool readOutput(std::vector<std::uint8_t>& rgba, int& width, int& height);
// Draw calls issued so far (each SDL copy or geometry call counts one).
std::uint64_t drawCallCount();

} // namespace KInjection
