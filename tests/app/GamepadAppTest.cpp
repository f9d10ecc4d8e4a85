#include "app/GameApp.h"

#include "PadThumb.h"
#include "support/TempDir.h"

#include "platform/KClock.h"
#include "platform/KInjection.h"
#include "platform/KInput.h"
#include "platform/KPointer.h"
#include "platform/KeyTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

using KInjection::KPadAxis;
using KInjection::KPadButton;
using NControls::Control;

// A button as the menus have them: pressed and released on it, it reports its name to the menu,
// which leaves that as its command.
class MenuButton final : public Control {
public:
    MenuButton(const std::string& name, NControls::ScreenCommand command) : m_command(command)
    {
        setName(name);
    }
    bool onLeftDown(float x, float y) override
    {
        m_pressed = hitTest(x, y);
        return m_pressed;
    }
    bool onLeftUp(float x, float y) override
    {
        const bool clicked = m_pressed && hitTest(x, y);
        m_pressed = false;
        if (clicked)
            setCommand(m_command);
        return clicked;
    }
    bool onMouseMove(float x, float y) override
    {
        hovered = hitTest(x, y);
        return hovered;
    }
    bool hovered = false;

private:
    NControls::ScreenCommand m_command;
    bool m_pressed = false;
};

class Menu final : public Control {
public:
    Menu()
    {
        setSize(800, 600);
        setPosition(0, 0);
        for (const char* name : {"NEW_GAME", "EXIT_GAME"}) {
            auto button =
                std::make_unique<MenuButton>(name, name[0] == 'N' ? NControls::ScreenCommand::NewGame
                                                                  : NControls::ScreenCommand::ExitGame);
            button->setSize(200, 46);
            button->setPosition(560, name[0] == 'N' ? 200 : 400);
            buttons.push_back(add(std::move(button)));
        }
    }
    bool onLeftUp(float x, float y) override
    {
        const bool hit = Control::onLeftUp(x, y);
        for (MenuButton* button : buttons)
            if (button->getCommand() != NControls::ScreenCommand::None) {
                setCommand(button->getCommand());
                button->clearCommand();
            }
        return hit;
    }
    std::vector<MenuButton*> buttons;
};

// The game screen stand-in: Escape asks for the main menu, as the real one does.
class Game final : public Control {
public:
    void onKeyDown(int key, int) override
    {
        if (key == VKey::Escape)
            setCommand(NControls::ScreenCommand::MainMenu);
    }
};

class Kit final : public NVolant::ScreenKit {
public:
    std::unique_ptr<Control> makeMainMenu() override
    {
        auto menu = std::make_unique<Menu>();
        menuSeen = menu.get();
        return menu;
    }
    std::unique_ptr<Control> makeGame(bool) override { return std::make_unique<Game>(); }
    // The game keeps the steering point where the controls put it.
    void updateGame(Control& game, float dt, const NVolant::PlayerControls& controls) override
    {
        if (controls.steer)
            steering = *controls.steer;
        game.update(dt);
    }
    NVolant::SteeringPoint steeringPoint(Control&) override { return steering; }
    void placeSteering(Control&, NVolant::SteeringPoint point) override { steering = point; }
    NVolant::SteeringPoint steering;
    bool hasLevel(Control&) override { return true; }
    Menu* menuSeen = nullptr;
};

class GamepadApp : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("XDG_DATA_HOME", m_home.path().c_str(), 1);
        setManualClock(true);
        auto kit = std::make_unique<Kit>();
        m_kit = kit.get();
        m_app = std::make_unique<NVolant::GameApp>(std::move(kit));
        ASSERT_TRUE(m_app->started());
        m_pad = KInjection::attachGamepad();
        ASSERT_GE(m_pad, 0);
        m_app->frame();
    }
    void TearDown() override
    {
        KInjection::detachGamepad(m_pad);
        m_app.reset();
        setManualClock(false);
        unsetenv("XDG_DATA_HOME");
    }

    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            m_app->frame();
    }
    void stick(float x, float y)
    {
        KInjection::gamepadAxis(m_pad, KPadAxis::LeftX, x);
        KInjection::gamepadAxis(m_pad, KPadAxis::LeftY, y);
    }
    void tap(KPadButton button)
    {
        KInjection::gamepadButton(m_pad, button, true);
        m_app->frame();
        KInjection::gamepadButton(m_pad, button, false);
        m_app->frame();
    }
    // Steers the menu pointer onto (x, y) with the stick alone, as a player would.
    void steerTo(int x, int y)
    {
        steerPointerWithStick(m_pad, x, y, [this] { m_app->frame(); });
    }

    TempDir m_home;
    Kit* m_kit = nullptr;
    std::unique_ptr<NVolant::GameApp> m_app;
    int m_pad = -1;
};

} // namespace

TEST_F(GamepadApp, TheMenusWorkWithoutAMouseAndPlayTakesTheSameButtons)
{
    Menu& menu = *m_kit->menuSeen;
    setMousePosition(400, 300);

    // Onto the play button with the stick; the menu sees the pointer arrive.
    steerTo(660, 223);
    EXPECT_TRUE(menu.buttons[0]->hovered);
    EXPECT_FALSE(menu.buttons[1]->hovered);
    tap(KPadButton::South);
    ASSERT_NE(m_app->game(), nullptr);
    // The menu hands over to the game at its next update.
    m_app->frame();
    EXPECT_EQ(m_app->current(), m_app->game());
    EXPECT_FALSE(isCursorVisible());

    // In play the stick steers at the arrow keys' pace, the buttons hold the weapons.
    const int x = m_kit->steering.x;
    stick(1, 0);
    frames(10);
    EXPECT_NEAR(m_kit->steering.x - x, 0.3 * 10 * 16.666, 8);
    stick(0, 0);
    KInjection::gamepadButton(m_pad, KPadButton::South, true);
    KInjection::gamepadAxis(m_pad, KPadAxis::LeftTrigger, 1);
    frames(1);
    EXPECT_TRUE(isLeftButtonDown());
    EXPECT_TRUE(isRightButtonDown());
    KInjection::gamepadButton(m_pad, KPadButton::South, false);
    KInjection::gamepadAxis(m_pad, KPadAxis::LeftTrigger, 0);
    frames(1);
    EXPECT_FALSE(isLeftButtonDown());
    EXPECT_FALSE(isRightButtonDown());

    // Start is Escape: back on the menu with the pointer showing, and out through the exit button.
    tap(KPadButton::Start);
    EXPECT_EQ(m_app->current(), m_app->mainMenu());
    EXPECT_TRUE(isCursorVisible());
    steerTo(660, 423);
    EXPECT_TRUE(menu.buttons[1]->hovered);
    tap(KPadButton::South);
    EXPECT_TRUE(m_app->platformWindow()->isQuitRequested());
}
