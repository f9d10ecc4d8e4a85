#include "AppFixture.h"

#include "app/LevelFlight.h"
#include "pilots/Autopilot.h"
#include "pilots/PilotHand.h"
#include "pilots/PilotSkill.h"
#include "pilots/ReplayFile.h"
#include "world/MemoryProfile.h"

#include <filesystem>

namespace {

using NVolant::FlightReport;
using NVolant::ReplayFile;

// The whole application on the dummy drivers with the real game, as "--autopilot --headless"
// runs it: a profile of the flights' own in memory.
class LevelFlightTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        NVolant::ProfileLink::install(std::make_unique<NVolant::MemoryProfile>());
    }
    // A recorded flight played back in a new application.
    FlightReport replay(const ReplayFile& recording)
    {
        start(NVolant::makeDefaultScreenKit(), computerRun());
        EXPECT_TRUE(app->started());
        NVolant::ReplayCursor cursor(recording);
        return NVolant::LevelFlight(*app).fly(
            {recording.level, recording.seed, recording.continueAtBridge, recording.continueLives},
            [&](const NVolant::GameField&) -> std::optional<NVolant::PlayerControls> {
                if (cursor.atEnd())
                    return std::nullopt;
                return cursor.next();
            },
            recording.frameCount + 1);
    }
};

} // namespace

TEST_F(LevelFlightTest, AComputerFlightReportsInOneLineAndLeavesTheSaveFileAlone)
{
    constexpr int kFrames = 900;
    start(NVolant::makeDefaultScreenKit(), computerRun());
    ASSERT_TRUE(app->started());
    NVolant::Autopilot pilot(21);
    NVolant::PilotHand hand;
    int frames = 0;
    const FlightReport flown = NVolant::LevelFlight(*app).fly(
        {5, 21, -1, 3},
        [&](const NVolant::GameField& field) -> std::optional<NVolant::PlayerControls> {
            if (frames++ >= kFrames)
                return std::nullopt;
            return hand.controls(pilot.next(field));
        },
        kFrames + 1);
    EXPECT_EQ(flown.result, "ended");
    EXPECT_EQ(flown.frames, kFrames);
    EXPECT_GT(flown.shotsFired, 0);
    // One line of JSON with every field the soak reads.
    const std::string json = flown.json();
    for (const char* key :
         {"\"level\":5", "\"result\":\"ended\"", "\"score\":", "\"kills\":", "\"bridges\":", "\"bonuses\":",
          "\"extra_lives\":", "\"shots_fired\":", "\"shots_hit\":", "\"lives_lost\":", "\"frames\":900",
          "\"update_us_p50\":", "\"update_us_p99\":", "\"frame_ms_p99\":", "\"rss_mb\":", "\"deaths\":["})
        EXPECT_NE(json.find(key), std::string::npos) << key << " in " << json;
    EXPECT_EQ(json.find('\n'), std::string::npos);
    app.reset();
    EXPECT_FALSE(std::filesystem::exists(saveFile()));
}

TEST_F(LevelFlightTest, TheReplayTestsFlightsEndAsRecordedInTheDrawnApplication)
{
    // Those flights were recorded on the game screen alone, never drawn; the application draws
    // every frame. That may not change the world.
    const char* source = std::getenv("SKYVANE_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    for (const char* name : {"level01_mouse", "level07_continued"}) {
        std::string error;
        const auto recording =
            ReplayFile::load(std::string(source) + "/tests/screens/replays/" + name + ".replay", &error);
        ASSERT_TRUE(recording && recording->expected) << name << ": " << error;
        const FlightReport report = replay(*recording);
        EXPECT_EQ(report.score, recording->expected->score) << name;
        EXPECT_EQ(report.lives, recording->expected->lives) << name;
        EXPECT_EQ(report.checksum, recording->expected->checksum) << name;
    }
}

TEST_F(LevelFlightTest, TheLastLifeLostIsPlacedLikeTheOthers)
{
    // The balance report clusters deaths by height: the one that ends the game counts too.
    NVolant::AppOptions options = computerRun();
    options.draw = false;
    start(NVolant::makeDefaultScreenKit(), options);
    ASSERT_TRUE(app->started());
    NVolant::Autopilot pilot(3, *NVolant::PilotSkill::named("novice"));
    NVolant::PilotHand hand;
    const FlightReport flown = NVolant::LevelFlight(*app).fly(
        {25, 3, 0, 1},
        [&](const NVolant::GameField& field) -> std::optional<NVolant::PlayerControls> {
            return hand.controls(pilot.next(field));
        },
        30000);
    ASSERT_EQ(flown.result, "game_over");
    ASSERT_EQ(flown.deaths.size(), 1u);
    EXPECT_GT(flown.deaths[0].second, 1000.0f);
}
