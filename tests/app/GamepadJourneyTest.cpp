#include "AppFixture.h"

#include "gameplay/Images.h"
#include "gameplay/PlaneParams.h"
#include "pilots/Autopilot.h"
#include "platform/KPointer.h"
#include "score/Scores.h"
#include "screens/EndLevelWnd.h"
#include "world/GameField.h"
#include "world/World.h"

#include <algorithm>

namespace {

using KInjection::KPadAxis;
using KInjection::KPadButton;

// The real game on the generated data with a pad and no mouse or keyboard at all: a new player
// names a profile on the on-screen keyboard, starts a game, flies the first level to its end and
// leaves from the menu.
class GamepadJourney : public AppFixture {
protected:
    // One frame of flight with the pad: the stick is pushed toward where the computer pilot
    // wants the plane (at the arrow keys' pace the stick gives), its cannon on the south button
    // and its missiles on the left trigger. Drawing is skipped: a whole valley takes minutes.
    void flyFrame(NVolant::Autopilot& pilot, const NVolant::GameField& field)
    {
        const NVolant::PlayerControls want = pilot.next(field);
        const NVolant::SteeringPoint at = field.steeringPoint();
        const float dx = static_cast<float>(want.steer->x - at.x), dy = static_cast<float>(want.steer->y - at.y);
        const float length = std::hypot(dx, dy);
        // Full deflection moves 5 px a frame; less than that is asked for with a gentler push.
        const float push = length < 1.5f ? 0.0f : length >= 5.0f ? 1.0f : 0.25f + 0.75f * length / 5.0f;
        stick(push > 0 ? push * dx / length : 0, push > 0 ? push * dy / length : 0);
        if (want.cannon != m_fire)
            KInjection::gamepadButton(pad, KPadButton::South, m_fire = want.cannon);
        if (want.missiles != m_missile)
            KInjection::gamepadAxis(pad, KPadAxis::LeftTrigger, (m_missile = want.missiles) ? 1.0f : 0.0f);
        app->platformWindow()->pumpMessages();
        app->update(NLib::Window::kFrameStep);
        advanceManualClock(NLib::Window::kFrameStep);
    }

    bool m_fire = false;
    bool m_missile = false;
};

} // namespace

TEST_F(GamepadJourney, ANewPlayerNamesAProfileFliesTheFirstLevelToItsEndAndLeaves)
{
    attachPad();
    start();
    ASSERT_TRUE(app->started());
    app->frame();

    // No profile yet: the on-screen keyboard, then CREATE.
    ASSERT_NE(menu().createPanel(), nullptr);
    setMousePosition(400, 300);
    typeName("PAD", [this](Spot at) { padPress(at); });
    padPress(spot::kPanelLeft);
    ASSERT_NE(NVolant::Profiles::instance()->currentProfile(), nullptr);
    EXPECT_EQ(NVolant::Profiles::instance()->currentProfile()->name(), "PAD");
    frames(60);

    // The stick brings the pointer onto Play, and the menu sees it arrive.
    steerTo(spot::kPlay);
    EXPECT_EQ(menu().playButton()->look(), 3.0f);
    tap(KPadButton::South);
    ASSERT_NE(menu().playPanel(), nullptr);
    frames(40);
    padPress(spot::kNewGame);
    NVolant::Game* playing = game();
    ASSERT_NE(playing, nullptr);
    runUntil([&] { return app->current() == playing; }, 60);
    ASSERT_EQ(app->current(), playing);
    ASSERT_NE(playing->hintWindow(), nullptr);
    padPress(spot::kHintClose);
    frames(1);
    EXPECT_EQ(playing->hintWindow(), nullptr);

    // In play the stick steers at the arrow keys' pace (the plane's own, which the application
    // hands to the pad).
    const float pace = NVolant::Images::existing()->playerParams->speedVal;
    const int x = playing->field().steeringPoint().x;
    stick(1, 0);
    frames(10);
    stick(0, 0);
    EXPECT_NEAR(playing->field().steeringPoint().x - x, pace * 10 * NLib::Window::kFrameStep, 8);
    EXPECT_FALSE(isCursorVisible());

    // The stick flies the game on; the valley ends in the figures of the level.
    NVolant::Autopilot pilot(7);
    int lowestLives = playing->field().lives();
    for (int i = 0; i < 60 * 60 * 8 && app->current() == playing; ++i) {
        flyFrame(pilot, playing->field());
        lowestLives = std::min(lowestLives, playing->field().lives());
    }
    auto* figures = dynamic_cast<NVolant::EndLevelWnd*>(app->current());
    ASSERT_NE(figures, nullptr) << "the level did not end";
    EXPECT_TRUE(figures->continueButton()->isVisible()) << "game over in level 1";
    EXPECT_GT(lowestLives, 0);
    // The pad's buttons did the shooting.
    const NVolant::Scores& scores = playing->field().world().arena().scores();
    EXPECT_GT(scores.shotsCount(), 100);
    EXPECT_GT(scores.boatsKilled() + scores.helicsKilled() + scores.planesKilled(), 5);
    stick(0, 0);
    KInjection::gamepadButton(pad, KPadButton::South, false);
    KInjection::gamepadAxis(pad, KPadAxis::LeftTrigger, 0);
    frames(2);

    // CONTINUE with the south button: on into level 2.
    padPress(spot::kEndContinue);
    EXPECT_EQ(app->current(), playing);
    EXPECT_EQ(app->endLevel(), nullptr);
    EXPECT_FALSE(isCursorVisible());
    EXPECT_EQ(playing->field().levelNumber(), 2);
    EXPECT_GE(NVolant::Profiles::instance()->currentProfile()->m_levelMax, 2u);

    // Start is Escape: back on the menu with the pointer showing; then the exit button and OK.
    tap(KPadButton::Start);
    EXPECT_EQ(app->current(), app->mainMenu());
    EXPECT_TRUE(isCursorVisible());
    frames(40);
    padPress(spot::kExit);
    frames(40);
    padPress(spot::kPanelLeft);
    EXPECT_TRUE(app->platformWindow()->isQuitRequested());
}
