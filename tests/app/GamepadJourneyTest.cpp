#include "AppFixture.h"

#include "gameplay/Images.h"
#include "gameplay/PlaneParams.h"
#include "platform/KPointer.h"
#include "score/Scores.h"
#include "world/World.h"

namespace {

using KInjection::KPadAxis;
using KInjection::KPadButton;

// The real game on the generated data with a pad and no mouse or keyboard at all: a new player
// names a profile on the on-screen keyboard, starts a game, flies the first level to its end and
// leaves from the menu.
using GamepadJourney = AppFixture;

} // namespace

TEST_F(GamepadJourney, ANewPlayerNamesAProfileFliesTheFirstLevelToItsEndAndLeaves)
{
    attachPad(); // before the window opens: it works from the first frame
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

    // The pad's buttons shoot: the left trigger the missiles, the south button the cannon.
    const NVolant::Scores& scores = playing->field().world().arena().scores();
    KInjection::gamepadAxis(pad, KPadAxis::LeftTrigger, 1.0f);
    frames(3);
    KInjection::gamepadAxis(pad, KPadAxis::LeftTrigger, 0.0f);
    EXPECT_GT(playing->field().plane()->missileCooldown(), 0.0f);
    const int missiles = scores.shotsCount();
    KInjection::gamepadButton(pad, KPadButton::South, true);
    frames(20);
    KInjection::gamepadButton(pad, KPadButton::South, false);
    EXPECT_GT(scores.shotsCount(), missiles + 2);

    auto* figures = flyToTheEnd(*playing);
    ASSERT_NE(figures, nullptr) << "the level did not end";
    EXPECT_TRUE(figures->continueButton()->isVisible()) << "game over in level 1";
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
