#include "app/GameApp.h"

#include "pilots/Autopilot.h"
#include "screens/EndLevelWnd.h"
#include "screens/Game.h"
#include "screens/MainMenu.h"
#include "screens/PlayGamePanel.h"
#include "score/Profiles.h"
#include "score/Scores.h"

#include "PadThumb.h"
#include "support/TempDir.h"

#include "platform/KClock.h"
#include "platform/KInjection.h"
#include "platform/KInput.h"
#include "platform/KPointer.h"
#include "world/GameField.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

using KInjection::KPadAxis;
using KInjection::KPadButton;

// The real game on the generated data with a pad and no mouse or keyboard at all: a new player
// names a profile on the on-screen keyboard, starts a game and flies the first level to its end.
class GamepadJourney : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("XDG_DATA_HOME", m_home.path().c_str(), 1);
        setManualClock(true);
        NVolant::PlayGamePanel::forgetMadeBefore();
        m_app = std::make_unique<NVolant::GameApp>();
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

    NVolant::MainMenu& menu() { return *dynamic_cast<NVolant::MainMenu*>(m_app->mainMenu()); }
    void stick(float x, float y)
    {
        KInjection::gamepadAxis(m_pad, KPadAxis::LeftX, x);
        KInjection::gamepadAxis(m_pad, KPadAxis::LeftY, y);
    }
    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            m_app->frame();
    }
    // The pointer onto (x, y) with the stick, as a thumb does, then a press of the south button there.
    void pressAt(int x, int y)
    {
        steerPointerWithStick(m_pad, x, y, [this] { m_app->frame(); });
        KInjection::gamepadButton(m_pad, KPadButton::South, true);
        m_app->frame();
        KInjection::gamepadButton(m_pad, KPadButton::South, false);
        m_app->frame();
    }
    void typeName(const std::string& name)
    {
        const std::string rows[] = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
        for (char key : name)
            for (int r = 0; r < 4; ++r) {
                const auto c = rows[r].find(key);
                if (c != std::string::npos)
                    pressAt(144 + 70 + 28 * static_cast<int>(c) + 6, 172 + 80 + 24 * r + 12);
            }
    }
    // One frame of flight with the pad: the stick is pushed toward where the computer pilot
    // wants the plane (at the arrow keys' pace the stick gives), its cannon on the south button
    // and its missiles on the left trigger. Drawing is skipped: a whole valley takes minutes.
    void flyFrame(NVolant::Autopilot& pilot, const NVolant::GameField& field)
    {
        const NVolant::PlayerControls want = pilot.next(field);
        const NVolant::SteeringPoint at = field.steeringPoint();
        const float dx = static_cast<float>(want.steer->x - at.x),
                    dy = static_cast<float>(want.steer->y - at.y);
        const float length = std::hypot(dx, dy);
        // Full deflection moves 5 px a frame; less than that is asked for with a gentler push.
        const float push = length < 1.5f ? 0.0f : length >= 5.0f ? 1.0f : 0.25f + 0.75f * length / 5.0f;
        stick(push > 0 ? push * dx / length : 0, push > 0 ? push * dy / length : 0);
        if (want.cannon != m_fire)
            KInjection::gamepadButton(m_pad, KPadButton::South, m_fire = want.cannon);
        if (want.missiles != m_missile)
            KInjection::gamepadAxis(m_pad, KPadAxis::LeftTrigger, (m_missile = want.missiles) ? 1.0f : 0.0f);
        m_app->platformWindow()->pumpMessages();
        m_app->update(NLib::Window::kFrameStep);
        advanceManualClock(NLib::Window::kFrameStep);
    }

    TempDir m_home;
    std::unique_ptr<NVolant::GameApp> m_app;
    int m_pad = -1;
    bool m_fire = false;
    bool m_missile = false;
};

} // namespace

TEST_F(GamepadJourney, ANewPlayerNamesAProfileAndFliesTheFirstLevelToItsEnd)
{
    // No profile yet: the on-screen keyboard, then CREATE.
    ASSERT_NE(menu().createPanel(), nullptr);
    setMousePosition(400, 300);
    typeName("PAD");
    pressAt(144 + 68 + 60, 172 + 196 + 19);
    ASSERT_NE(NVolant::Profiles::instance()->currentProfile(), nullptr);
    EXPECT_EQ(NVolant::Profiles::instance()->currentProfile()->name(), "PAD");
    frames(60);

    // Play, New game, and the hint window's CLOSE.
    pressAt(640, 143);
    ASSERT_NE(menu().playPanel(), nullptr);
    frames(40);
    pressAt(400, 100 + 140 + 23);
    auto* game = dynamic_cast<NVolant::Game*>(m_app->game());
    ASSERT_NE(game, nullptr);
    for (int i = 0; i < 60 && m_app->current() != game; ++i)
        m_app->frame();
    ASSERT_EQ(m_app->current(), game);
    ASSERT_NE(game->hintWindow(), nullptr);
    pressAt(710, 569);
    frames(1);
    EXPECT_EQ(game->hintWindow(), nullptr);

    // The stick starts the flight and flies it; the valley ends in the figures of the level.
    NVolant::Autopilot pilot(7);
    int lowestLives = game->field().lives();
    for (int i = 0; i < 60 * 60 * 8 && m_app->current() == game; ++i) {
        flyFrame(pilot, game->field());
        lowestLives = std::min(lowestLives, game->field().lives());
    }
    auto* figures = dynamic_cast<NVolant::EndLevelWnd*>(m_app->current());
    ASSERT_NE(figures, nullptr) << "the level did not end";
    EXPECT_TRUE(figures->continueButton()->isVisible()) << "game over in level 1";
    EXPECT_GT(lowestLives, 0);
    // The pad's buttons did the shooting.
    const NVolant::Scores& scores = game->field().world().arena().scores();
    EXPECT_GT(scores.shotsCount(), 100);
    EXPECT_GT(scores.boatsKilled() + scores.helicsKilled() + scores.planesKilled(), 5);
    stick(0, 0);
    KInjection::gamepadButton(m_pad, KPadButton::South, false);
    KInjection::gamepadAxis(m_pad, KPadAxis::LeftTrigger, 0);
    frames(2);

    // CONTINUE with the south button: on into level 2.
    pressAt(600, 572);
    EXPECT_EQ(m_app->current(), game);
    EXPECT_EQ(game->field().levelNumber(), 2);
    EXPECT_GE(NVolant::Profiles::instance()->currentProfile()->m_levelMax, 2u);
}
