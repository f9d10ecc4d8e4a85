#include "support/HeadlessPlatform.h"

#include "platform/KClock.h"
#include "platform/KInjection.h"
#include "platform/KInput.h"
#include "platform/KPointer.h"
#include "platform/KeyTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using KInjection::KPadAxis;
using KInjection::KPadButton;

// A headless window with a virtual pad plugged in and every event the game would see recorded.
class Gamepad : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_platform.ok());
        m_platform.window().setEventCallback([this](const KEvent& e) {
            m_events.push_back(e);
            return true;
        });
        m_pad = KInjection::attachGamepad();
        ASSERT_GE(m_pad, 0);
        m_platform.pump();
        showCursor();
        m_platform.moveMouse(400, 300);
        m_events.clear();
    }
    void TearDown() override
    {
        KInjection::detachGamepad(m_pad);
        m_platform.pump();
        showCursor();
    }

    void press(KPadButton button, bool down)
    {
        KInjection::gamepadButton(m_pad, button, down);
        m_platform.pump();
    }
    void axis(KPadAxis which, float value)
    {
        KInjection::gamepadAxis(m_pad, which, value);
        m_platform.pump();
    }
    // Frames of 16 ms: the stick moves the pointer by the time since the previous pump.
    void frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            advanceManualClock(16.0);
            m_platform.pump();
        }
    }
    // The clicks and keys the game saw, as "down 1 at 400,300" or "key up 27 game key 24".
    std::vector<std::string> log() const
    {
        std::vector<std::string> lines;
        for (const KEvent& e : m_events) {
            const bool down = e.type == K_EVENT_MOUSE_DOWN || e.type == K_EVENT_KEY_DOWN;
            const std::string what = down ? "down " : "up ";
            if (e.type == K_EVENT_MOUSE_DOWN || e.type == K_EVENT_MOUSE_UP)
                lines.push_back(what + std::to_string(e.button) + " at " + std::to_string(e.mouseX) + "," +
                                std::to_string(e.mouseY));
            else if (e.type == K_EVENT_KEY_DOWN || e.type == K_EVENT_KEY_UP)
                lines.push_back("key " + what + std::to_string(e.virtualKey) + " game key " +
                                std::to_string(e.gameKey));
        }
        return lines;
    }

    HeadlessPlatform m_platform;
    int m_pad = -1;
    std::vector<KEvent> m_events;
};

} // namespace

TEST_F(Gamepad, ButtonsArriveAsTheMouseButtonsAndKeysTheyStandFor)
{
    // Buttons the game has no use for (north) are ignored.
    for (KPadButton button : {KPadButton::South, KPadButton::East, KPadButton::Start, KPadButton::North}) {
        press(button, true);
        press(button, false);
    }
    EXPECT_EQ(log(), (std::vector<std::string>{"down 1 at 400,300", "up 1 at 400,300", "down 2 at 400,300",
                                               "up 2 at 400,300", "key down 27 game key 24",
                                               "key up 27 game key 24"}));
    // Each is held as long as it is; the d-pad is the arrow keys.
    const std::pair<KPadButton, bool (*)()> held[] = {{KPadButton::DpadLeft, [] { return isKeyDown(0); }},
                                                      {KPadButton::DpadUp, [] { return isKeyDown(1); }},
                                                      {KPadButton::DpadDown, [] { return isKeyDown(2); }},
                                                      {KPadButton::DpadRight, [] { return isKeyDown(3); }},
                                                      {KPadButton::Start, [] { return isKeyDown(24); }},
                                                      {KPadButton::South, isLeftButtonDown},
                                                      {KPadButton::East, isRightButtonDown}};
    for (int i = 0; i < 7; ++i) {
        press(held[i].first, true);
        EXPECT_TRUE(held[i].second()) << i;
        press(held[i].first, false);
        EXPECT_FALSE(held[i].second()) << i;
    }
}

TEST_F(Gamepad, TriggersFireOnlyWhenPulledAndEitherFireSourceKeepsTheCannonGoing)
{
    axis(KPadAxis::RightTrigger, 0.4f);
    EXPECT_FALSE(isLeftButtonDown());
    axis(KPadAxis::RightTrigger, 0.6f);
    EXPECT_TRUE(isLeftButtonDown());
    // Easing off a little keeps firing; only a real release stops it.
    axis(KPadAxis::RightTrigger, 0.3f);
    EXPECT_TRUE(isLeftButtonDown());

    // South joins in and leaves again while the trigger still holds the cannon.
    press(KPadButton::South, true);
    press(KPadButton::South, false);
    EXPECT_TRUE(isLeftButtonDown());
    axis(KPadAxis::RightTrigger, 0.1f);
    EXPECT_FALSE(isLeftButtonDown());

    axis(KPadAxis::LeftTrigger, 1.0f);
    EXPECT_TRUE(isRightButtonDown());
    axis(KPadAxis::LeftTrigger, 0.0f);
    EXPECT_FALSE(isRightButtonDown());
    EXPECT_EQ(log(), (std::vector<std::string>{"down 1 at 400,300", "up 1 at 400,300", "down 2 at 400,300",
                                               "up 2 at 400,300"}));
}

TEST_F(Gamepad, UnpluggingAndHotPluggingAtAnyTime)
{
    press(KPadButton::South, true);
    press(KPadButton::DpadLeft, true);
    KInjection::detachGamepad(m_pad);
    m_pad = -1;
    m_platform.pump();
    // Nothing stays held by a pad that is gone.
    EXPECT_FALSE(isLeftButtonDown());
    EXPECT_FALSE(isKeyDown(0));

    m_pad = KInjection::attachGamepad();
    m_platform.pump();
    press(KPadButton::East, true);
    EXPECT_TRUE(isRightButtonDown());
    press(KPadButton::East, false);

    // Two pads act as one: the cannon stops only when neither holds it.
    const int second = KInjection::attachGamepad();
    m_platform.pump();
    press(KPadButton::South, true);
    KInjection::gamepadButton(second, KPadButton::South, true);
    m_platform.pump();
    press(KPadButton::South, false);
    EXPECT_TRUE(isLeftButtonDown());
    KInjection::detachGamepad(second);
    m_platform.pump();
    EXPECT_FALSE(isLeftButtonDown());
}

TEST_F(Gamepad, PressesMeantForAnotherWindowAreIgnored)
{
    KInjection::focus(false);
    m_platform.pump();
    press(KPadButton::South, true);
    EXPECT_FALSE(isLeftButtonDown());
    KInjection::focus(true);
    m_platform.pump();
    press(KPadButton::South, false);
    EXPECT_FALSE(isLeftButtonDown());

    // A button held when the focus leaves is dropped with the keyboard's keys and must be pressed
    // again.
    press(KPadButton::Start, true);
    KInjection::focus(false);
    m_platform.pump();
    EXPECT_FALSE(isKeyDown(24));
    KInjection::focus(true);
    m_platform.pump();
    press(KPadButton::Start, false);
    press(KPadButton::Start, true);
    EXPECT_TRUE(isKeyDown(24));
}

TEST_F(Gamepad, OnMenusTheStickMovesTheVisiblePointerSmoothlyAndInPlayNot)
{
    // A resting stick off-centre by less than the dead zone moves nothing.
    axis(KPadAxis::LeftX, 0.2f);
    frames(10);
    EXPECT_EQ(getMouseX(), 400);

    // Full deflection: 0.9 px/ms, and every step is reported as a pointer move.
    axis(KPadAxis::LeftX, 1.0f);
    m_events.clear();
    frames(10);
    EXPECT_NEAR(getMouseX(), 400 + 0.9 * 160, 2);
    EXPECT_EQ(getMouseY(), 300);
    int moves = 0;
    for (const KEvent& e : m_events)
        moves += e.type == K_EVENT_MOUSE_MOVE;
    EXPECT_GE(moves, 10);

    // A small deflection moves slowly but steadily, sub-pixel steps adding up.
    axis(KPadAxis::LeftX, 0.0f);
    m_platform.moveMouse(400, 300);
    axis(KPadAxis::LeftY, -(0.25f + 0.75f * 0.2f));
    frames(30);
    // 0.9 x 0.2^2 px/ms for 480 ms.
    EXPECT_NEAR(getMouseY(), 300 - 0.036 * 480, 2);
    EXPECT_EQ(getMouseX(), 400);

    // The pointer stops at the picture's edge, and the south button clicks where it is.
    axis(KPadAxis::LeftY, -1.0f);
    frames(40);
    EXPECT_EQ(getMouseY(), 0);
    axis(KPadAxis::LeftY, 0.0f);
    m_events.clear();
    press(KPadButton::South, true);
    press(KPadButton::South, false);
    EXPECT_EQ(log(), (std::vector<std::string>{"down 1 at 400,0", "up 1 at 400,0"}));

    // A mouse moved meanwhile is where the stick carries on from.
    m_platform.moveMouse(100, 500);
    axis(KPadAxis::LeftX, 1.0f);
    frames(5);
    EXPECT_NEAR(getMouseX(), 100 + 0.9 * 80, 2);
    EXPECT_EQ(getMouseY(), 500);

    // In play, with the pointer hidden, the stick steers through the player's controls instead.
    const int x = getMouseX();
    hideCursor();
    frames(10);
    EXPECT_EQ(getMouseX(), x);
}
