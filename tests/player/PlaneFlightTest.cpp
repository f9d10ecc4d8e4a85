// The plane flown up level 1 for every bonus, firing all the way: rounds, missiles, impacts and
// taken bonuses show where they are (frames saved to build/test-output/player/).
#include "combat/Bonus.h"
#include "combat/Bonuses.h"
#include "combat/Missile.h"
#include "content/Sprite.h"
#include "gameplay/PlayerControls.h"
#include "player/Plane.h"
#include "world/Level.h"

#include "combat/ShotTestWorld.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

using NVolant::Level;
using NVolant::Plane;

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
    // One frame as the game field runs it while playing.
    void play(int frames = 1)
    {
        for (int i = 0; i < frames; ++i) {
            plane->update(kFrame, controls);
            level->update(kFrame);
            level->setCamera(plane->cameraOffset());
        }
    }

    // The picture as the game field draws it, with or without the bonuses.
    Frame whole(bool withBonuses = true)
    {
        return picture([&] {
            level->drawGround();
            plane->draw();
            if (withBonuses)
                arena.bonuses().draw();
            level->drawTop();
        });
    }

    // Of the screen points given, how many lie on the screen and how many of those show what was
    // drawn alone.
    static std::pair<int, int> shownAt(const Frame& layer, const std::vector<Vector4>& points, int half)
    {
        int onScreen = 0, shown = 0;
        for (const Vector4& p : points)
            if (p.y >= 0.0f && p.y < 600.0f) {
                ++onScreen;
                shown += litAround(layer, p.x, p.y, half) > 0 ? 1 : 0;
            }
        return {onScreen, shown};
    }

    std::unique_ptr<Level> level = std::make_unique<Level>(arena, Level::folderFor(1));
    std::unique_ptr<Plane> plane = std::make_unique<Plane>(arena);
    NVolant::PlayerControls controls;
};

TEST_F(PlaneFlightTest, UpLevelOneThePlaneTakesEveryBonusAndItsShotsAndImpactsAreDrawn)
{
    plane->setStart(level->cameraPosition());
    level->setCamera(plane->cameraOffset());
    std::vector<const NVolant::Bonus*> lying;
    for (const auto& b : arena.bonuses().bonuses())
        lying.push_back(b.get());
    ASSERT_FALSE(lying.empty());
    controls.cannon = true;
    controls.missiles = true;

    int taken = 0, flightsDrawn = 0, impactsThere = 0, impactsShown = 0;
    std::size_t next = 0;
    for (int frame = 0; frame < 60 * 60 && next < lying.size(); ++frame) {
        // Steer under the next bonus; the valley brings it down the screen.
        const Vector4 at = lying[next]->position();
        controls.steer = NVolant::SteeringPoint{static_cast<int>(at.x), 500};
        play();
        ASSERT_EQ(plane->state(), NVolant::PlaneState::Flying);

        if (chimes() > taken) {
            taken = chimes();
            // Taken this frame: a few frames on it has swollen over the plane, then it is gone.
            ASSERT_TRUE(lying[next]->collected());
            play(5);
            EXPECT_GT(lying[next]->scale(), 1.0f);
            const int sx = static_cast<int>(at.x);
            const int sy = static_cast<int>(plane->cameraOffset().y + 600 - at.y);
            const Frame with = whole();
            with.save("player", "flight-pickup-" + std::to_string(taken));
            EXPECT_GT(differing(with, whole(false), sx - 30, sy - 30, sx + 30, sy + 30, 24), 100)
                << "taken bonus " << taken;
            ++next;
        }
        while (next < lying.size() && lying[next]->position().y < plane->worldPosition().y - 300)
            ++next; // out of reach behind the plane: the test fails below

        if (frame % 60 == 30) {
            std::vector<Vector4> flying, impacts; // on screen; animations keep screen points
            for (const auto& shot : arena.shots().playerShots())
                flying.push_back(NVolant::Shot::toScreen(shot->position(), arena.shots().camera()));
            for (const auto& animation : arena.effects().animations())
                impacts.push_back(animation->position);
            const auto [shotsThere, shotsShown] = shownAt(picture([&] { arena.shots().draw(); }), flying, 3);
            EXPECT_EQ(shotsShown, shotsThere) << "nothing drawn where a shot flies, frame " << frame;
            flightsDrawn += shotsThere > 0 ? 1 : 0;
            const auto [there, shown] =
                shownAt(picture([&] { arena.effects().drawAnimations(); }), impacts, 6);
            impactsThere += there;
            impactsShown += shown;
            if (frame == 90)
                whole().save("player", "flight-firing");
        }
    }
    EXPECT_EQ(taken, static_cast<int>(lying.size()));
    EXPECT_GT(flightsDrawn, 3);
    ASSERT_GT(impactsThere, 3);
    EXPECT_GT(impactsShown * 10, impactsThere * 9) << impactsShown << " of " << impactsThere;
    EXPECT_GT(arena.scores().score(), 0);
    // Level one lies out the stronger cannon, a repair and double fire.
    EXPECT_GE(plane->bulletKind(), 1);
    EXPECT_TRUE(plane->doubleFire());
}

} // namespace
