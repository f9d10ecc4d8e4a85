// The player's devices into one frame's controls: the mouse by its travel, keys by their place on
// the keyboard, buttons, and what was typed or clicked since the last frame, once.
#include "app/ControlsBuilder.h"

#include "platform/KInjection.h"
#include "platform/KInput.h"
#include "platform/KeyTable.h"

#include "support/HeadlessPlatform.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

using NVolant::ControlsBuilder;
using NVolant::PlayerControls;
using NVolant::SteeringPoint;

TEST(ControlsBuilder, TheMouseMovesThePointByItsTravelAndKeysSteerByTheirPlace)
{
    HeadlessPlatform platform;
    ControlsBuilder builder;
    builder.discard();
    const SteeringPoint from{300, 400};
    EXPECT_FALSE(builder.build(from, 0.3f).steer.has_value()) << "an unmoved mouse leaves the point be";
    KInjection::mouseMove(getMouseX() + 25, getMouseY() - 10);
    platform.pump();
    EXPECT_EQ(builder.build(from, 0.3f).steer, (SteeringPoint{325, 390}));
    EXPECT_FALSE(builder.build(from, 0.3f).steer.has_value()) << "the travel counts once";

    // AZERTY: the key labelled Z sits where W is, and steers up; the one labelled W does not.
    KInjection::keyAt('Z', SDL_SCANCODE_W, true);
    platform.pump();
    EXPECT_TRUE(builder.build(from, 0.3f).steerUp);
    KInjection::keyAt('Z', SDL_SCANCODE_W, false);
    KInjection::keyAt('W', SDL_SCANCODE_Z, true);
    platform.pump();
    EXPECT_FALSE(builder.build(from, 0.3f).steerUp);
    KInjection::keyAt('W', SDL_SCANCODE_Z, false);

    platform.pressKey(VKey::Left);
    platform.pressKey('S');
    platform.pressKey(VKey::RControl);
    platform.pressKey(VKey::Space);
    const PlayerControls held = builder.build(from, 0.3f);
    EXPECT_TRUE(held.steerLeft && held.steerDown && held.cannon && held.missiles);
    EXPECT_FALSE(held.steerRight || held.steerUp);
    for (const int key : {VKey::Left, static_cast<int>('S'), VKey::RControl, VKey::Space})
        platform.releaseKey(key);
    platform.click(2, getMouseX(), getMouseY());
    EXPECT_FALSE(builder.build(from, 0.3f).missiles);
}

TEST(ControlsBuilder, TypedKeysAndClicksGoAlongOnceAndEscapeIsNoControl)
{
    ControlsBuilder builder;
    builder.keyPressed('Q');
    builder.keyPressed(VKey::Escape);
    builder.keyPressed('Z');
    builder.leftReleased();
    const PlayerControls first = builder.build({}, 0.3f);
    EXPECT_EQ(first.typed, (std::vector<int>{'Q', 'Z'}));
    EXPECT_TRUE(first.click);
    const PlayerControls second = builder.build({}, 0.3f);
    EXPECT_TRUE(second.typed.empty());
    EXPECT_FALSE(second.click);
    builder.keyPressed('J');
    builder.discard();
    EXPECT_TRUE(builder.build({}, 0.3f).typed.empty()) << "what no game took is dropped";
}

} // namespace
