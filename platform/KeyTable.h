#pragma once

#include <cstdint>

// The game key table (codes 0..99) and the virtual-key codes keys are reported with. Virtual keys
// follow the Windows numbering the game's screens compare against: 'A'..'Z', '0'..'9', escape 27,
// return 13, space 32, cursor keys 37..40, F1 = 0x70.

// Virtual-key code of a game key code, 0 for a code outside the table (100 included).
int virtualKeyOfGameKey(int gameKey);
// Game key code of a virtual key, 100 when the table does not hold it.
int gameKeyOfVirtualKey(int virtualKey);

// SDL key symbol -> virtual key (0 when unknown) and back; used by the event pump and the
// scripted input. Left and right shift and control are kept apart.
int virtualKeyOfSdlKey(int sdlKeycode);
int sdlKeyOfVirtualKey(int virtualKey);
// The virtual key a key has by its place on the keyboard: the label it carries on a US layout for
// letters and digits ('W' for the key right of Tab's neighbour, whatever it says on AZERTY), the
// virtual key of its label otherwise (arrows, Ctrl, Space are where they are on every layout).
int virtualKeyAtScancode(int sdlScancode, int virtualKeyOfLabel);

namespace VKey {
constexpr int Back = 0x08, Tab = 0x09, Clear = 0x0C, Return = 0x0D, Menu = 0x12, Escape = 0x1B, Space = 0x20;
constexpr int Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24, Left = 0x25, Up = 0x26, Right = 0x27,
              Down = 0x28;
constexpr int Snapshot = 0x2C, Insert = 0x2D, Delete = 0x2E;
constexpr int LWin = 0x5B, RWin = 0x5C, Numpad0 = 0x60, Multiply = 0x6A, Add = 0x6B, Subtract = 0x6D,
              Decimal = 0x6E, Divide = 0x6F, F1 = 0x70;
constexpr int NumLock = 0x90, Scroll = 0x91, LShift = 0xA0, RShift = 0xA1, LControl = 0xA2, RControl = 0xA3;
constexpr int Semicolon = 0xBA, Plus = 0xBB, Comma = 0xBC, Minus = 0xBD, Period = 0xBE, Slash = 0xBF,
              Grave = 0xC0, LBracket = 0xDB, Backslash = 0xDC, RBracket = 0xDD, Quote = 0xDE;
} // namespace VKey

// The first code point of UTF-8 text (up to three bytes long), or 0 when it is malformed.
std::uint32_t firstCodePoint(const char* utf8);
