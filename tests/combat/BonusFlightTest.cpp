// A flight up a real generated level: the plane steers for every bonus of the level as it comes
// down the screen, firing all the way, and the frames show the bonus swelling over the plane as it
// is taken.
#include "combat/Bonus.h"
#include "combat/Bonuses.h"
#include "combat/Effects.h"
#include "combat/Shots.h"
#include "content/ParticleSystem.h"
#include "content/Sprite.h"
#include "enemies/Enemies.h"
#include "gameplay/PlayerControls.h"
#include "player/Plane.h"
#include "score/Scores.h"
#include "world/Level.h"

#include "ShotTestWorld.h"

#include <cstdlib>

namespace {

using NVolant::Bonus;
using NVolant::Bonuses;
using NVolant::Plane;

constexpr float kFrame = 1000.0f / 60.0f;

class BonusFlightTest : public ShotTestWorld {
protected:
    // The picture of one moment, drawn as the game field draws it, with or without the bonuses.
    Frame picture(bool withBonuses)
    {
        platform->beginFrame(0, 0, 0);
        level->drawGround();
        plane->draw();
        if (withBonuses)
            arena.bonuses().draw();
        arena.effects().drawAnimations();
        Frame frame = platform->readFrame();
        platform->endFrame();
        return frame;
    }

    // Pixels that differ between two pictures inside a box.
    static int differing(const Frame& a, const Frame& b, int x0, int y0, int x1, int y1)
    {
        int n = 0;
        for (int y = std::max(y0, 0); y < std::min(y1, a.height); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, a.width); ++x) {
                const Frame::Pixel p = a.at(x, y), q = b.at(x, y);
                if (std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 24)
                    ++n;
            }
        return n;
    }

    std::unique_ptr<NVolant::Level> level;
    std::unique_ptr<Plane> plane;
};

TEST_F(BonusFlightTest, ThePlaneTakesEveryBonusOfLevelOneOnItsWayUp)
{
    level = std::make_unique<NVolant::Level>(arena, NVolant::Level::folderFor(1));
    ASSERT_GT(arena.bonuses().size(), 0u);
    std::vector<const Bonus*> lying;
    for (const auto& b : arena.bonuses().bonuses())
        lying.push_back(b.get());

    plane = std::make_unique<Plane>(arena);
    plane->setStart(level->cameraPosition());
    level->setCamera(plane->cameraOffset());
    NVolant::PlayerControls controls;
    controls.cannon = true; // the cannon fires all the way

    int taken = 0;
    std::size_t next = 0;
    for (int frame = 0; frame < 60 * 60 && next < lying.size(); ++frame) {
        // Steer under the next bonus; the valley brings it down the screen.
        const Vector4 at = lying[next]->position();
        controls.steer = NVolant::SteeringPoint{static_cast<int>(at.x), 500};
        plane->update(kFrame, controls);
        level->update(kFrame);
        level->setCamera(plane->cameraOffset());
        ASSERT_EQ(plane->state(), NVolant::PlaneState::Flying);

        if (chimes() > taken) {
            taken = chimes();
            // Taken this frame: a few frames on it has swollen over the plane, then it is gone.
            const Bonus* bonus = lying[next];
            ASSERT_TRUE(bonus->collected());
            for (int i = 0; i < 5; ++i) {
                plane->update(kFrame, controls);
                level->update(kFrame);
                level->setCamera(plane->cameraOffset());
            }
            EXPECT_GT(bonus->scale(), 1.0f);
            const int sx = static_cast<int>(at.x);
            const int sy = static_cast<int>(plane->cameraOffset().y + 600 - at.y);
            const Frame with = picture(true);
            const Frame without = picture(false);
            with.save("combat", "flight-pickup-" + std::to_string(taken));
            EXPECT_GT(differing(with, without, sx - 30, sy - 30, sx + 30, sy + 30), 100)
                << "taken bonus " << taken;
            ++next;
        }
        while (next < lying.size() && lying[next]->position().y < plane->worldPosition().y - 300)
            ++next; // out of reach behind the plane: the test fails below
    }
    EXPECT_EQ(taken, static_cast<int>(lying.size()));
    EXPECT_GT(arena.scores().score(), 0);
    EXPECT_GT(arena.scores().shotsCount(), 0);
    // Level one lies out the stronger cannon, a repair and double fire.
    EXPECT_GE(plane->bulletKind(), 1);
    EXPECT_TRUE(plane->doubleFire());
}

} // namespace
