// The plane flown headless over level 1, firing both weapons. The frames are read back: each layer
// drawn alone on black shows rounds and missiles where they fly and the impacts where they ended;
// the whole frames are written to build/test-output/player/ for looking at.
#include "combat/Bullet.h"
#include "combat/Missile.h"
#include "content/Sprite.h"
#include "gameplay/PlayerControls.h"
#include "platform/KeyTable.h"
#include "player/Plane.h"
#include "world/Level.h"

#include "combat/ShotTestWorld.h"

#include <algorithm>
#include <cmath>

using NVolant::Level;
using NVolant::Plane;
using NVolant::Shots;

namespace {

constexpr float kFrame = 1000.0f / 60.0f;

// Pixels brighter than the black clear colour in a box around a screen point.
int litAround(const Frame& frame, float x, float y, int half)
{
    int lit = 0;
    for (int py = static_cast<int>(y) - half; py <= static_cast<int>(y) + half; ++py)
        for (int px = static_cast<int>(x) - half; px <= static_cast<int>(x) + half; ++px) {
            if (px < 0 || py < 0 || px >= frame.width || py >= frame.height)
                continue;
            const Frame::Pixel p = frame.at(px, py);
            if (p.r + p.g + p.b > 60)
                ++lit;
        }
    return lit;
}

class PlaneFlightTest : public ShotTestWorld {
protected:
    void SetUp() override
    {
        ShotTestWorld::SetUp();
        level = std::make_unique<Level>(arena, Level::folderFor(1));
        plane = std::make_unique<Plane>(arena);
        plane->setStart(level->cameraPosition());
        level->setCamera(plane->cameraOffset());
        controls.steer = NVolant::SteeringPoint{400, 500};
    }

    NVolant::PlayerControls controls;

    // One frame as the game runs it while playing: the field's update, then the picture.
    void play(int frames = 1)
    {
        for (int i = 0; i < frames; ++i) {
            plane->update(kFrame, controls);
            controls.steer.reset();
            level->update(kFrame);
            level->setCamera(plane->cameraOffset());
            if (plane->alpha() >= 1.0f)
                plane->applyDamage(level->collidePlayer(plane->collisionCircles()));
            whole();
        }
    }

    Frame whole()
    {
        platform->beginFrame();
        level->drawGround();
        plane->draw();
        level->drawTop();
        platform->endFrame();
        return platform->readFrame();
    }

    template <typename Draw> Frame alone(Draw draw)
    {
        platform->beginFrame();
        draw();
        platform->endFrame();
        return platform->readFrame();
    }

    std::unique_ptr<Level> level;
    std::unique_ptr<Plane> plane;
};

TEST_F(PlaneFlightTest, FramesShowRoundsAndMissilesInFlightAndTheirImpacts)
{
    play(30);
    ASSERT_EQ(plane->state(), NVolant::PlaneState::Flying);
    whole().save("player", "flight-straight");

    // Both weapons: the cannon on the left Ctrl key, missiles on the right button.
    controls.steer = NVolant::SteeringPoint{400, 420};
    controls.cannon = true;
    controls.missiles = true;
    play(20);
    const auto& shots = arena.shots().playerShots();
    ASSERT_GE(shots.size(), 3u);
    std::size_t rounds = 0, missiles = 0;
    const Frame flying = alone([&] { arena.shots().draw(); });
    whole().save("player", "flight-firing");
    for (const auto& shot : shots) {
        const Vector4 at = NVolant::Shot::toScreen(shot->position(), arena.shots().camera());
        if (at.y < 0.0f || at.y > 600.0f)
            continue;
        if (dynamic_cast<const NVolant::Missile*>(shot.get()))
            ++missiles;
        else
            ++rounds;
        EXPECT_GT(litAround(flying, at.x, at.y, 3), 0)
            << "nothing drawn where a shot flies, at " << at.x << ", " << at.y;
    }
    EXPECT_GE(rounds, 2u);
    EXPECT_GE(missiles, 1u);

    // Rounds give out after 400 px and missiles after 600: each leaves its impact.
    play(40);
    controls.cannon = false;
    controls.missiles = false;
    play(5);
    auto* effects = (&arena.effects());
    ASSERT_GT(effects->animationCount(), 0u);
    const Frame impacts = alone([&] { effects->drawAnimations(); });
    whole().save("player", "flight-impacts");
    int shown = 0;
    for (const auto& animation : effects->animations())
        shown += litAround(impacts, animation->position.x, animation->position.y, 6) > 0 ? 1 : 0;
    EXPECT_GT(shown, 0);
    EXPECT_GE(arena.scores().shotsCount(), 5);
}

} // namespace
