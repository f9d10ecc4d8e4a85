#include "world/RealGameData.h"

#include "content/CXmlNode.h"
#include "pilots/ReplayFile.h"
#include "screens/Game.h"
#include "world/SavedGameText.h"
#include "world/WorldChecksum.h"

#include <cstdlib>
#include <ostream>

namespace {

using NVolant::Game;
using NVolant::PlayerControls;
using NVolant::ReplayFile;

struct Recording {
    const char* name;
    const char* what;
};

std::ostream& operator<<(std::ostream& out, const Recording& recording)
{
    return out << recording.name;
}

// Recorded games (pilots/ReplayFile) played on the game screen: the world must end as recorded,
// twice in one process. They are regression tests of every rule the world follows; when a rule
// changes on purpose, SKYVANE_RECORD_REPLAYS=1 writes down where the same frames lead now, never
// silently.
class ReplayTest : public RealGameData, public ::testing::WithParamInterface<Recording> {
protected:
    ReplayFile::Outcome play(const ReplayFile& replay)
    {
        releaseInput();
        Game game(false, profile);
        game.field().setSeed(replay.seed);
        if (replay.continueAtBridge >= 0) {
            Xml::CXmlNode save;
            save.setName("save");
            save.setInt("m_status", 1);
            save.setInt("m_levelNum", replay.level);
            save.setInt("m_livesCount", replay.continueLives);
            save.setInt("bridgeNum", replay.continueAtBridge);
            profile->setSavedGame(NVolant::encodeSavedGame(save));
            game.loadSaved();
        } else {
            game.newGame();
            game.setLevel(replay.level);
            game.startLevel();
        }
        EXPECT_TRUE(game.hasLevel());
        for (const PlayerControls& c : replay.frames())
            game.update(16.666666f, c);
        return {game.field().world().arena().scores().score(), game.field().lives(),
                static_cast<int>(game.fieldStatus()), NVolant::WorldChecksum::of(game.field())};
    }
};

TEST_P(ReplayTest, TheWorldEndsAsRecordedEveryTime)
{
    const char* source = std::getenv("SKYVANE_SOURCE_DIR");
    const std::string path = std::string(source ? source : ".") + "/tests/screens/replays/" + GetParam().name + ".replay";
    std::string error;
    std::optional<ReplayFile> replay = ReplayFile::load(path, &error);
    ASSERT_TRUE(replay.has_value()) << path << ": " << error;
    const ReplayFile::Outcome first = play(*replay);
    const char* record = std::getenv("SKYVANE_RECORD_REPLAYS");
    if (record && std::string(record) == "1") {
        replay->expected = first;
        ASSERT_TRUE(replay->save(path, std::string(GetParam().what) +
                                           " Recorded by the replay test with SKYVANE_RECORD_REPLAYS=1; record "
                                           "again only when a rule of the game changes on purpose."));
    }
    ASSERT_TRUE(replay->expected.has_value()) << path;
    EXPECT_EQ(play(*replay).checksum, first.checksum) << "two runs in one process differ";
    EXPECT_EQ(first.score, replay->expected->score);
    EXPECT_EQ(first.lives, replay->expected->lives);
    EXPECT_EQ(first.status, replay->expected->status);
    EXPECT_EQ(first.checksum, replay->expected->checksum) << "the world went another way";
}

INSTANTIATE_TEST_SUITE_P(
    Flights, ReplayTest,
    ::testing::Values(Recording{"level01_mouse", "Level 1 flown with the mouse, cannon and missiles."},
                      Recording{"level03_keys", "Level 3 flown with arrows, W A S D, Ctrl and space."},
                      Recording{"level07_continued",
                                "Level 7 continued at its first bridge, the cheat typed now and then."}),
    [](const ::testing::TestParamInfo<Recording>& info) { return std::string(info.param.name); });

} // namespace
