#pragma once

#include <cstdint>

// Input state as the pumped events left it (held keys and buttons, pointer position), so that
// scripted events drive the game exactly as a player does. Positions are logical pixels of the
// 800 x 600 picture in windowed and full-screen mode alike.

bool isKeyDown(int gameKey);
// Held by the key's place on the keyboard rather than its label: the game key names the key of a
// US layout at that place, so W A S D steer from the same four keys on AZERTY, QWERTZ or Dvorak.
// For steering and fire; typed letters (and codes) go by label.
bool isKeyDownAtPosition(int gameKey);
// Held state by virtual-key code (any key the pump knows, also those outside the game table).
bool isVirtualKeyDown(int virtualKey);
bool isLeftButtonDown();
bool isRightButtonDown();
bool isMiddleButtonDown();
std::int16_t getMouseX();
std::int16_t getMouseY();
// Moves the pointer to a logical position (warping the system pointer when a window is open).
void setMousePosition(int x, int y);
void showCursor();
void hideCursor();
bool isCursorVisible();
// The last wheel delta, then 0.
std::int16_t getWheelDelta();
// How fast a gamepad's stick at full deflection moves the hidden pointer in play (px/ms): the
// arrow keys' steering speed, so both steer alike. Not positive: the default 0.3.
void setGamepadSteerSpeed(float pxPerMs);

// Fed by the window's event pump.
namespace KInputState {
void setKey(int virtualKey, bool down);
// The same key by its place (virtualKeyAtScancode).
void setKeyAtPosition(int virtualKey, bool down);
void setButton(int button, bool down);
void setPointer(int x, int y);
void setWheel(int delta);
// Forgets every held key and button (focus loss: the key-up events go to another window).
void releaseAll();
} // namespace KInputState
