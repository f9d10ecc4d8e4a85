#include "pilots/ReplayFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using NVolant::PlayerControls;
using NVolant::ReplayFile;
using NVolant::SteeringPoint;

std::string parseError(const std::string& text)
{
    std::string error;
    EXPECT_FALSE(ReplayFile::parse(text, &error).has_value()) << text;
    return error;
}

const char* kHeader = "skyvane-replay 2\nlevel 4\nseed 77\nframes 10\n";

TEST(ReplayFile, WrittenTextReadsBackToTheSameFramesAndOutcome)
{
    std::vector<PlayerControls> frames(7);
    frames[0].steer = SteeringPoint{400, 500};
    frames[2].steer = SteeringPoint{123, 0};
    frames[2].cannon = true;
    frames[3].cannon = true; // held on: no line
    frames[4].steerUp = frames[4].steerRight = frames[4].missiles = true;
    frames[4].typed = {81, 90, 81};
    frames[5].steerUp = frames[5].steerRight = frames[5].missiles = true;
    frames[6].click = true;
    ReplayFile replay;
    replay.level = 30;
    replay.seed = 0xFFFFFFFFu;
    replay.continueAtBridge = 2;
    replay.continueLives = 1;
    for (const PlayerControls& c : frames)
        replay.append(c);
    replay.expected = ReplayFile::Outcome{-5, 0, 6, 0x0000abcdu};
    // Only frames with something new are kept: 0, 2, 4 and 6.
    EXPECT_EQ(replay.changes.size(), 4u);

    const std::optional<ReplayFile> back = ReplayFile::parse(replay.text("a comment\nwith a break"));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->level, 30);
    EXPECT_EQ(back->seed, 0xFFFFFFFFu);
    EXPECT_EQ(back->continueAtBridge, 2);
    EXPECT_EQ(back->continueLives, 1);
    EXPECT_EQ(back->frames(), frames);
    ASSERT_TRUE(back->expected.has_value());
    EXPECT_EQ(*back->expected, *replay.expected);
}

TEST(ReplayFile, ABadFileIsRefusedWithAMessageThatSaysWhy)
{
    const std::string h = kHeader;
    const std::string one = "frames 1\n0 1 1 - -\n";
    struct Case {
        std::string text;
        std::string says; // a part of the message; empty: any refusal
    };
    const Case cases[] = {
        // Version 1 held the mouse and keys, not the controls: refused rather than guessed at.
        {"skyvane-replay 1\nframes 1\n0 1 1 0 0 -\n", "replay format version 1; this Skyvane reads version 2"},
        {"level 3\nframes 1\n0 1 1 - -\n", "not a Skyvane replay"},
        {"", "not a Skyvane replay"},
        {"# only a comment\n", "not a Skyvane replay"},
        // Frames start at zero, rise and follow their count.
        {h + "1 1 1 - -\n", "rise"},
        {h + "0 1 1 - -\n3 1 1 - -\n3 2 1 - -\n", "rise"},
        {h + "0 1 1 - -\n3 1 1 - -\n2 2 1 - -\n", "rise"},
        {"skyvane-replay 2\n0 1 1 - -\nframes 3\n", "before the frame count"},
        {"skyvane-replay 2\nframes 3\nframes 4\n0 1 1 - -\n", "once"},
        {h, "no frames"},
        // Every number and letter of the header and the outcome against its range.
        {"skyvane-replay 2\nlevel 31\n" + one, ""},
        {"skyvane-replay 2\nlevel 0\n" + one, ""},
        {"skyvane-replay 2\nframes 0\n", ""},
        {"skyvane-replay 2\nframes 216001\n0 1 1 - -\n", ""},
        {"skyvane-replay 2\nseed 4294967296\n" + one, ""},
        {"skyvane-replay 2\ncontinue 100 2\n" + one, ""},
        {h + "0 1 1 - -\nexpect 1 2 9 ff\n", ""},
        {h + "0 1 1 - -\nexpect 1 2 3 fffffffff\n", ""},
        {h + "0 1 1 - -\nexpect 1 2 3 xyz\n", ""},
        {h + "0 1 1 - -\nwhatever 1\n", ""},
    };
    for (const Case& c : cases)
        EXPECT_NE(parseError(c.text).find(c.says), std::string::npos) << c.text;
    // And of a frame's line.
    for (const char* bad :
         {"0 800 1 - -", "0 -1 1 - -", "0 1 600 - -", "0 1 - - -", "0 - 1 - -", "0 1 1 X -", "0 1 1 CU -",
          "0 1 1 CC -", "0 1 1 - 0", "0 1 1 - 256", "0 1 1 - 5,", "0 1 1 - ,5", "10 1 1 - -", "0 1 1 -",
          "0 1 1 - - extra", "0 99999999999999999999 1 - -", "0 1x 1 - -",
          "0 1 1 - 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17"})
        EXPECT_NE(parseError(h + bad + "\n").find("line 5"), std::string::npos) << bad;

    // CR LF line ends (a file mended on another system) still read.
    EXPECT_TRUE(ReplayFile::parse("skyvane-replay 2\r\nframes 2\r\n0 5 6 C 27\r\n").has_value());
    std::string error;
    EXPECT_FALSE(ReplayFile::load("/nonexistent/flight.replay", &error));
    EXPECT_NE(error.find("cannot read"), std::string::npos);
}

TEST(ReplayFile, TheFramesBetweenLinesHoldOnlyWhatIsHeld)
{
    const std::optional<ReplayFile> replay =
        ReplayFile::parse(std::string(kHeader) + "0 10 20 - -\n4 30 40 UCK 81\n9 - - M -\n");
    ASSERT_TRUE(replay.has_value());
    const std::vector<PlayerControls> frames = replay->frames();
    ASSERT_EQ(frames.size(), 10u);
    EXPECT_EQ(frames[0].steer, (SteeringPoint{10, 20}));
    EXPECT_FALSE(frames[3].steer.has_value()) << "a steering point moves once";
    EXPECT_EQ(frames[4].steer, (SteeringPoint{30, 40}));
    EXPECT_TRUE(frames[4].steerUp && frames[4].cannon && frames[4].click);
    EXPECT_EQ(frames[4].typed, std::vector<int>{81});
    EXPECT_TRUE(frames[8].steerUp && frames[8].cannon);
    EXPECT_FALSE(frames[8].click) << "a click happens once";
    EXPECT_TRUE(frames[8].typed.empty()) << "a key is typed once";
    EXPECT_TRUE(frames[9].missiles);
    EXPECT_FALSE(frames[9].cannon || frames[9].steer.has_value());
}

} // namespace
