#include "platform/KInput.h"

#include "platform/KeyTable.h"

#include <algorithm>
#include <array>

namespace {

struct InputState {
    std::array<bool, 256> keys{};
    std::array<bool, 256> keysAtPosition{};
    std::array<bool, 4> buttons{};
    int x = 0;
    int y = 0;
    float motionX = 0.0f;
    float motionY = 0.0f;
    int moves = 0;
    int wheel = 0;
};

InputState& input()
{
    static InputState s;
    return s;
}

} // namespace

bool isKeyDown(int gameKey)
{
    const int vk = virtualKeyOfGameKey(gameKey);
    return vk != 0 && isVirtualKeyDown(vk);
}

bool isKeyDownAtPosition(int gameKey)
{
    const int vk = virtualKeyOfGameKey(gameKey);
    return vk > 0 && vk < 256 && input().keysAtPosition[static_cast<std::size_t>(vk)];
}

bool isVirtualKeyDown(int virtualKey)
{
    return virtualKey > 0 && virtualKey < 256 && input().keys[static_cast<std::size_t>(virtualKey)];
}

bool isLeftButtonDown()
{
    return input().buttons[1];
}

bool isRightButtonDown()
{
    return input().buttons[2];
}

bool isMiddleButtonDown()
{
    return input().buttons[3];
}

std::int16_t getMouseX()
{
    return static_cast<std::int16_t>(input().x);
}

std::int16_t getMouseY()
{
    return static_cast<std::int16_t>(input().y);
}

void takePointerMotion(int& dx, int& dy, int* moves)
{
    InputState& in = input();
    dx = static_cast<int>(in.motionX);
    dy = static_cast<int>(in.motionY);
    in.motionX -= static_cast<float>(dx);
    in.motionY -= static_cast<float>(dy);
    if (moves)
        *moves = in.moves;
    in.moves = 0;
}

std::int16_t getWheelDelta()
{
    const int delta = input().wheel;
    input().wheel = 0;
    return static_cast<std::int16_t>(delta);
}

namespace KInputState {

void setKey(int virtualKey, bool down)
{
    if (virtualKey > 0 && virtualKey < 256)
        input().keys[static_cast<std::size_t>(virtualKey)] = down;
}

void setKeyAtPosition(int virtualKey, bool down)
{
    if (virtualKey > 0 && virtualKey < 256)
        input().keysAtPosition[static_cast<std::size_t>(virtualKey)] = down;
}

void setButton(int button, bool down)
{
    if (button >= 1 && button <= 3)
        input().buttons[static_cast<std::size_t>(button)] = down;
}

void setPointer(int x, int y)
{
    input().x = x;
    input().y = y;
}

void addMotion(float dx, float dy)
{
    // Far beyond any frame's travel; keeps a stalled game's sum in range.
    constexpr float kMost = 1 << 20;
    input().motionX = std::clamp(input().motionX + dx, -kMost, kMost);
    input().motionY = std::clamp(input().motionY + dy, -kMost, kMost);
    input().moves = std::min(input().moves + 1, 1 << 20);
}

void setWheel(int delta)
{
    input().wheel = std::clamp(delta, -32768, 32767);
}

void releaseAll()
{
    input().keys.fill(false);
    input().keysAtPosition.fill(false);
    input().buttons.fill(false);
}

} // namespace KInputState
