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
// How far the mouse travelled since the last call, in whole logical pixels of the picture (the
// fraction left over waits for the next call), and in how many moves; then nothing.
void takePointerMotion(int& dx, int& dy, int* moves = nullptr);
// The last wheel delta, then 0.
std::int16_t getWheelDelta();

// Fed by the window's event pump.
namespace KInputState {
void setKey(int virtualKey, bool down);
// The same key by its place (virtualKeyAtScancode).
void setKeyAtPosition(int virtualKey, bool down);
void setButton(int button, bool down);
void setPointer(int x, int y);
// One move of the mouse, in logical pixels.
void addMotion(float dx, float dy);
void setWheel(int delta);
// Forgets every held key and button (focus loss: the key-up events go to another window).
void releaseAll();
} // namespace KInputState
