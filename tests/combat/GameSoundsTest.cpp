#include "combat/GameSounds.h"

#include <gtest/gtest.h>

namespace {

using NVolant::GameSounds;

TEST(GameSoundsTest, SoundsArePlacedAroundTheListener)
{
    GameSounds sounds;
    sounds.setListener(Vector4(400, 1000));
    const struct {
        Vector4 at;
        int pan;
    } pans[] = {
        {{400, 1000}, 0}, {{700, 1000}, 100}, {{1400, 500}, 100},  {{250, 1000}, -50},
        {{399, 0}, 0} /* truncated toward zero */, {{-200, 1000}, -100},
    };
    for (const auto& c : pans)
        EXPECT_EQ(sounds.pan(c.at), c.pan) << c.at.x << ", " << c.at.y;

    const struct {
        Vector4 at;
        float distance;
        int volume;
    } volumes[] = {
        {{400, 1000}, 300, 100}, {{400, 1001}, 300, 99},    {{400, 1150}, 300, 50}, {{400, 1269}, 300, 10},
        {{400, 1600}, 300, 10},  {{400, 1000, 30}, 300, 90} /* depth counts */,      {{400, 1000}, 0, 100},
        {{401, 1000}, 0, 10},
    };
    for (const auto& c : volumes)
        EXPECT_EQ(sounds.volumeAt(c.at, c.distance), c.volume) << c.at.x << ", " << c.at.y << ", " << c.at.z;

    // The listener belongs to its game: another game's sounds are placed around their own plane.
    GameSounds other;
    EXPECT_EQ(other.pan(Vector4(300, 0)), 100);
    EXPECT_EQ(sounds.pan(Vector4(300, 0)), -33);
}

} // namespace
