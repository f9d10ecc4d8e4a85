#include "app/GameApp.h"
#include "app/LevelFlight.h"

#include "pilots/Autopilot.h"
#include "pilots/PilotHand.h"
#include "pilots/ReplayFile.h"
#include "world/MemoryProfile.h"
#include "world/ProfileLink.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using NVolant::FlightReport;
using NVolant::LevelFlight;

// The whole application on the dummy drivers with the real game, as "--autopilot --headless"
// runs it, in a save folder of its own.
class LevelFlightTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("XDG_DATA_HOME"))
            m_oldDataHome = old;
        setenv("XDG_DATA_HOME", m_home.path().c_str(), 1);
        NVolant::ProfileLink::install(std::make_unique<NVolant::MemoryProfile>());
    }
    void TearDown() override
    {
        NVolant::ProfileLink::install(nullptr);
        if (m_oldDataHome.empty())
            unsetenv("XDG_DATA_HOME");
        else
            setenv("XDG_DATA_HOME", m_oldDataHome.c_str(), 1);
    }

    static NVolant::AppOptions computerRun()
    {
        NVolant::AppOptions options;
        options.windowed = 1;
        options.writeSaveFile = false;
        options.frameCap = false;
        return options;
    }

    bool saveFileWritten() const
    {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_home.path()))
            if (entry.path().filename() == "save.dat")
                return true;
        return false;
    }

    TempDir m_home;
    std::string m_oldDataHome;
};

TEST_F(LevelFlightTest, ARecordedFlightPlaysBackToTheSameWorldInANewApplication)
{
    constexpr int kFrames = 900;
    NVolant::ReplayFile recording;
    recording.level = 5;
    recording.seed = 21;
    FlightReport flown;
    {
        NVolant::GameApp app(NVolant::makeDefaultScreenKit(), computerRun());
        ASSERT_TRUE(app.started());
        LevelFlight flight(app);
        NVolant::Autopilot pilot(recording.seed);
        NVolant::PilotHand hand;
        flown = flight.fly(
            {5, 21, -1, 3},
            [&](const NVolant::GameField& field) -> std::optional<NVolant::PlayerControls> {
                if (recording.frameCount >= kFrames)
                    return std::nullopt;
                const NVolant::PlayerControls controls = hand.controls(pilot.next(field));
                recording.append(controls);
                return controls;
            },
            kFrames + 1);
    }
    EXPECT_EQ(flown.result, "ended");
    EXPECT_EQ(flown.frames, kFrames);
    EXPECT_GT(flown.shotsFired, 0);

    // Through the text form, as --record and --replay pass it on.
    const std::optional<NVolant::ReplayFile> replay = NVolant::ReplayFile::parse(recording.text());
    ASSERT_TRUE(replay.has_value());
    NVolant::GameApp app(NVolant::makeDefaultScreenKit(), computerRun());
    ASSERT_TRUE(app.started());
    LevelFlight flight(app);
    NVolant::ReplayCursor cursor(*replay);
    const FlightReport replayed = flight.fly(
        {replay->level, replay->seed, -1, 3},
        [&](const NVolant::GameField&) -> std::optional<NVolant::PlayerControls> {
            if (cursor.atEnd())
                return std::nullopt;
            return cursor.next();
        },
        replay->frameCount + 1);
    EXPECT_EQ(replayed.checksum, flown.checksum);
    EXPECT_EQ(replayed.score, flown.score);
    EXPECT_EQ(replayed.shotsFired, flown.shotsFired);
    EXPECT_EQ(replayed.lives, flown.lives);
}

TEST_F(LevelFlightTest, TheReplayTestsFlightsEndAsRecordedInTheDrawnApplication)
{
    // Those flights were recorded on the game screen alone, never drawn; the application draws
    // every frame. That may not change the world.
    const char* source = std::getenv("SKYVANE_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    for (const char* name : {"level01_mouse", "level07_continued"}) {
        std::string error;
        const auto replay = NVolant::ReplayFile::load(
            std::string(source) + "/tests/screens/replays/" + name + ".replay", &error);
        ASSERT_TRUE(replay && replay->expected) << name << ": " << error;
        NVolant::GameApp app(NVolant::makeDefaultScreenKit(), computerRun());
        ASSERT_TRUE(app.started());
        LevelFlight flight(app);
        NVolant::ReplayCursor cursor(*replay);
        const FlightReport report = flight.fly(
            {replay->level, replay->seed, replay->continueAtBridge, replay->continueLives},
            [&](const NVolant::GameField&) -> std::optional<NVolant::PlayerControls> {
                if (cursor.atEnd())
                    return std::nullopt;
                return cursor.next();
            },
            replay->frameCount + 1);
        EXPECT_EQ(report.score, replay->expected->score) << name;
        EXPECT_EQ(report.lives, replay->expected->lives) << name;
        EXPECT_EQ(report.checksum, replay->expected->checksum) << name;
    }
}

TEST_F(LevelFlightTest, ComputerRunsLeaveTheSaveFileAlone)
{
    {
        NVolant::GameApp app(NVolant::makeDefaultScreenKit(), computerRun());
        ASSERT_TRUE(app.started());
        LevelFlight flight(app);
        NVolant::Autopilot pilot;
        int frames = 0;
        const FlightReport report = flight.fly(
            {2, 0, -1, 3},
            [&](const NVolant::GameField& field) -> std::optional<NVolant::PlayerControls> {
                if (++frames > 120)
                    return std::nullopt;
                return pilot.next(field);
            },
            200);
        EXPECT_EQ(report.result, "ended");
        // One line of JSON with every field the soak reads.
        const std::string json = report.json();
        for (const char* key :
             {"\"level\":2", "\"result\":\"ended\"",
              "\"score\":", "\"kills\":", "\"bridges\":", "\"bonuses\":", "\"extra_lives\":",
              "\"shots_fired\":", "\"shots_hit\":", "\"lives_lost\":", "\"frames\":120",
              "\"update_us_p50\":", "\"update_us_p99\":", "\"frame_ms_p99\":", "\"rss_mb\":"})
            EXPECT_NE(json.find(key), std::string::npos) << key << " in " << json;
        EXPECT_EQ(json.find('\n'), std::string::npos);
    }
    EXPECT_FALSE(saveFileWritten());
}

} // namespace
