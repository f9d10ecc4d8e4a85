#include "platform/KeyTable.h"

#include <SDL.h>

#include <array>
#include <utility>

namespace {

// Virtual key of every game key code, in code order.
constexpr std::array<int, 100> kGameKeys = [] {
    std::array<int, 100> keys{};
    int i = 0;
    for (int vk : {VKey::Left, VKey::Up, VKey::Down, VKey::Right, VKey::Space, VKey::LShift, VKey::RShift,
                   VKey::Return, VKey::RControl, VKey::LControl})
        keys[i++] = vk;
    for (int f = 0; f < 12; ++f)
        keys[i++] = VKey::F1 + f;
    for (int vk : {VKey::Back, VKey::Tab, VKey::Escape})
        keys[i++] = vk;
    for (int c = 'A'; c <= 'Z'; ++c)
        keys[i++] = c;
    for (int c = '0'; c <= '9'; ++c)
        keys[i++] = c;
    for (int n = 0; n < 10; ++n)
        keys[i++] = VKey::Numpad0 + n;
    for (int vk :
         {VKey::Multiply, VKey::Add,       VKey::Subtract, VKey::Decimal, VKey::Divide, VKey::Clear,
          VKey::Menu,     VKey::LWin,      VKey::RWin,     VKey::NumLock, VKey::Scroll, VKey::Semicolon,
          VKey::Plus,     VKey::Comma,     VKey::Minus,    VKey::Period,  VKey::Slash,  VKey::Grave,
          VKey::LBracket, VKey::Backslash, VKey::RBracket, VKey::Quote,   VKey::End,    VKey::Home,
          VKey::Delete,   VKey::Insert,    VKey::Snapshot, VKey::Prior,   VKey::Next})
        keys[i++] = vk;
    return keys;
}();

const std::pair<SDL_Keycode, int> kSdlKeys[] = {
    {SDLK_LEFT, VKey::Left},
    {SDLK_UP, VKey::Up},
    {SDLK_DOWN, VKey::Down},
    {SDLK_RIGHT, VKey::Right},
    {SDLK_SPACE, VKey::Space},
    {SDLK_LSHIFT, VKey::LShift},
    {SDLK_RSHIFT, VKey::RShift},
    {SDLK_RETURN, VKey::Return},
    {SDLK_KP_ENTER, VKey::Return},
    {SDLK_RCTRL, VKey::RControl},
    {SDLK_LCTRL, VKey::LControl},
    {SDLK_BACKSPACE, VKey::Back},
    {SDLK_TAB, VKey::Tab},
    {SDLK_ESCAPE, VKey::Escape},
    {SDLK_KP_MULTIPLY, VKey::Multiply},
    {SDLK_KP_PLUS, VKey::Add},
    {SDLK_KP_MINUS, VKey::Subtract},
    {SDLK_KP_PERIOD, VKey::Decimal},
    {SDLK_KP_DIVIDE, VKey::Divide},
    {SDLK_CLEAR, VKey::Clear},
    {SDLK_LALT, VKey::Menu},
    {SDLK_RALT, VKey::Menu},
    {SDLK_LGUI, VKey::LWin},
    {SDLK_RGUI, VKey::RWin},
    {SDLK_NUMLOCKCLEAR, VKey::NumLock},
    {SDLK_SCROLLLOCK, VKey::Scroll},
    {SDLK_SEMICOLON, VKey::Semicolon},
    {SDLK_EQUALS, VKey::Plus},
    {SDLK_COMMA, VKey::Comma},
    {SDLK_MINUS, VKey::Minus},
    {SDLK_PERIOD, VKey::Period},
    {SDLK_SLASH, VKey::Slash},
    {SDLK_BACKQUOTE, VKey::Grave},
    {SDLK_LEFTBRACKET, VKey::LBracket},
    {SDLK_BACKSLASH, VKey::Backslash},
    {SDLK_RIGHTBRACKET, VKey::RBracket},
    {SDLK_QUOTE, VKey::Quote},
    {SDLK_END, VKey::End},
    {SDLK_HOME, VKey::Home},
    {SDLK_DELETE, VKey::Delete},
    {SDLK_INSERT, VKey::Insert},
    {SDLK_PRINTSCREEN, VKey::Snapshot},
    {SDLK_PAGEUP, VKey::Prior},
    {SDLK_PAGEDOWN, VKey::Next},
    {SDLK_KP_0, VKey::Numpad0},
    {SDLK_KP_1, VKey::Numpad0 + 1},
    {SDLK_KP_2, VKey::Numpad0 + 2},
    {SDLK_KP_3, VKey::Numpad0 + 3},
    {SDLK_KP_4, VKey::Numpad0 + 4},
    {SDLK_KP_5, VKey::Numpad0 + 5},
    {SDLK_KP_6, VKey::Numpad0 + 6},
    {SDLK_KP_7, VKey::Numpad0 + 7},
    {SDLK_KP_8, VKey::Numpad0 + 8},
    {SDLK_KP_9, VKey::Numpad0 + 9},
};

} // namespace

int virtualKeyOfGameKey(int gameKey)
{
    if (gameKey < 0 || gameKey >= static_cast<int>(kGameKeys.size()))
        return 0;
    return kGameKeys[static_cast<std::size_t>(gameKey)];
}

int gameKeyOfVirtualKey(int virtualKey)
{
    for (std::size_t i = 0; i < kGameKeys.size(); ++i)
        if (virtualKey != 0 && kGameKeys[i] == virtualKey)
            return static_cast<int>(i);
    return 100;
}

int virtualKeyOfSdlKey(int sdlKeycode)
{
    if (sdlKeycode >= SDLK_a && sdlKeycode <= SDLK_z)
        return 'A' + (sdlKeycode - SDLK_a);
    if (sdlKeycode >= SDLK_0 && sdlKeycode <= SDLK_9)
        return sdlKeycode;
    if (sdlKeycode >= SDLK_F1 && sdlKeycode <= SDLK_F12)
        return VKey::F1 + (sdlKeycode - SDLK_F1);
    for (const auto& [sdl, vk] : kSdlKeys)
        if (sdl == sdlKeycode)
            return vk;
    return 0;
}

int virtualKeyAtScancode(int sdlScancode, int virtualKeyOfLabel)
{
    if (sdlScancode >= SDL_SCANCODE_A && sdlScancode <= SDL_SCANCODE_Z)
        return 'A' + (sdlScancode - SDL_SCANCODE_A);
    // The digit row runs 1..9, then 0.
    if (sdlScancode >= SDL_SCANCODE_1 && sdlScancode <= SDL_SCANCODE_9)
        return '1' + (sdlScancode - SDL_SCANCODE_1);
    if (sdlScancode == SDL_SCANCODE_0)
        return '0';
    return virtualKeyOfLabel;
}

int sdlKeyOfVirtualKey(int virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return SDLK_a + (virtualKey - 'A');
    if (virtualKey >= '0' && virtualKey <= '9')
        return virtualKey;
    if (virtualKey >= VKey::F1 && virtualKey < VKey::F1 + 12)
        return SDLK_F1 + (virtualKey - VKey::F1);
    for (const auto& [sdl, vk] : kSdlKeys)
        if (vk == virtualKey)
            return sdl;
    return SDLK_UNKNOWN;
}

std::uint32_t firstCodePoint(const char* utf8)
{
    const auto* text = reinterpret_cast<const unsigned char*>(utf8);
    std::uint32_t cp = text[0];
    if (cp >= 0xC0 && (text[1] & 0xC0) == 0x80) {
        if (cp < 0xE0)
            cp = ((cp & 0x1F) << 6) | (text[1] & 0x3F);
        else if (cp < 0xF0 && (text[2] & 0xC0) == 0x80)
            cp = ((cp & 0x0F) << 12) | ((text[1] & 0x3F) << 6) | (text[2] & 0x3F);
        else
            cp = 0;
    }
    return cp;
}
