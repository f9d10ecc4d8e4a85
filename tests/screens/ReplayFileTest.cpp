#include "screens/ReplayFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using NVolant::FrameInput;
using NVolant::ReplayFile;

std::string parseError(const std::string& text)
{
    std::string error;
    EXPECT_FALSE(ReplayFile::parse(text, &error).has_value()) << text;
    return error;
}

const char* kHeader = "skyvane-replay 1\nlevel 4\nseed 77\nframes 10\n";

TEST(ReplayFile, WrittenTextReadsBackToTheSameFramesAndOutcome)
{
    std::vector<FrameInput> frames(6);
    frames[2].x = 123;
    frames[3].x = 123;
    frames[3].left = true;
    frames[3].keys = {17, 32};
    frames[5].right = true;
    frames[5].y = 0;
    ReplayFile replay;
    replay.level = 30;
    replay.seed = 0xFFFFFFFFu;
    replay.continueAtBridge = 2;
    replay.continueLives = 1;
    replay.setFrames(frames);
    replay.expected = ReplayFile::Outcome{-5, 0, 6, 0x0000abcdu};
    // Only changes are kept: frames 0, 2, 3, 4 and 5.
    EXPECT_EQ(replay.changes.size(), 5u);

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

TEST(ReplayFile, AnotherVersionOrNoHeaderIsRefusedWithAClearMessage)
{
    EXPECT_EQ(parseError("skyvane-replay 2\nframes 1\n0 1 1 0 0 -\n"),
              "replay format version 2; this Skyvane reads version 1");
    EXPECT_NE(parseError("level 3\nframes 1\n0 1 1 0 0 -\n").find("not a Skyvane replay"), std::string::npos);
    EXPECT_NE(parseError("").find("not a Skyvane replay"), std::string::npos);
    EXPECT_NE(parseError("# only a comment\n").find("not a Skyvane replay"), std::string::npos);
    // CR LF line ends (a file mended on another system) still read.
    EXPECT_TRUE(ReplayFile::parse("skyvane-replay 1\r\nframes 2\r\n0 5 6 1 0 27\r\n").has_value());
}

TEST(ReplayFile, EveryNumberIsCheckedAgainstItsRange)
{
    const std::string h = kHeader;
    for (const char* bad :
         {"0 800 1 0 0 -", "0 -1 1 0 0 -", "0 1 600 0 0 -", "0 1 1 2 0 -", "0 1 1 0 0 0", "0 1 1 0 0 256",
          "0 1 1 0 0 5,5", "0 1 1 0 0 9,5", "0 1 1 0 0 5,", "0 1 1 0 0 ,5", "10 1 1 0 0 -", "0 1 1 0 0",
          "0 1 1 0 0 - extra", "0 99999999999999999999 1 0 0 -", "0 1x 1 0 0 -",
          "0 1 1 0 0 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17"})
        EXPECT_NE(parseError(h + bad + "\n").find("line 5"), std::string::npos) << bad;
    EXPECT_FALSE(ReplayFile::parse("skyvane-replay 1\nlevel 31\nframes 1\n0 1 1 0 0 -\n"));
    EXPECT_FALSE(ReplayFile::parse("skyvane-replay 1\nlevel 0\nframes 1\n0 1 1 0 0 -\n"));
    EXPECT_FALSE(ReplayFile::parse("skyvane-replay 1\nframes 0\n"));
    EXPECT_FALSE(ReplayFile::parse("skyvane-replay 1\nframes 216001\n0 1 1 0 0 -\n"));
    EXPECT_FALSE(ReplayFile::parse("skyvane-replay 1\nseed 4294967296\nframes 1\n0 1 1 0 0 -\n"));
    EXPECT_FALSE(ReplayFile::parse("skyvane-replay 1\ncontinue 100 2\nframes 1\n0 1 1 0 0 -\n"));
    EXPECT_FALSE(ReplayFile::parse(h + "0 1 1 0 0 -\nexpect 1 2 9 ff\n"));
    EXPECT_FALSE(ReplayFile::parse(h + "0 1 1 0 0 -\nexpect 1 2 3 fffffffff\n"));
    EXPECT_FALSE(ReplayFile::parse(h + "0 1 1 0 0 -\nexpect 1 2 3 xyz\n"));
    EXPECT_FALSE(ReplayFile::parse(h + "0 1 1 0 0 -\nwhatever 1\n"));
}

TEST(ReplayFile, FramesMustStartAtZeroRiseAndFollowTheirCount)
{
    const std::string h = kHeader;
    EXPECT_NE(parseError(h + "1 1 1 0 0 -\n").find("rise"), std::string::npos);
    EXPECT_NE(parseError(h + "0 1 1 0 0 -\n3 1 1 0 0 -\n3 2 1 0 0 -\n").find("rise"), std::string::npos);
    EXPECT_NE(parseError(h + "0 1 1 0 0 -\n3 1 1 0 0 -\n2 2 1 0 0 -\n").find("rise"), std::string::npos);
    EXPECT_NE(parseError("skyvane-replay 1\n0 1 1 0 0 -\nframes 3\n").find("before the frame count"),
              std::string::npos);
    EXPECT_NE(parseError("skyvane-replay 1\nframes 3\nframes 4\n0 1 1 0 0 -\n").find("once"),
              std::string::npos);
    EXPECT_EQ(parseError(h), "no frames");
}

TEST(ReplayFile, TheCursorHoldsEachChangeUntilTheNext)
{
    const std::optional<ReplayFile> replay =
        ReplayFile::parse(std::string(kHeader) + "0 10 20 0 0 -\n4 30 40 1 0 38\n9 50 60 0 1 -\n");
    ASSERT_TRUE(replay.has_value());
    const std::vector<FrameInput> frames = replay->frames();
    ASSERT_EQ(frames.size(), 10u);
    EXPECT_EQ(frames[3].x, 10);
    EXPECT_EQ(frames[4].x, 30);
    EXPECT_EQ(frames[8].keys, std::vector<int>{38});
    EXPECT_TRUE(frames[9].right);
    EXPECT_TRUE(frames[9].keys.empty());
}

TEST(ReplayFile, AMissingFileSaysSo)
{
    std::string error;
    EXPECT_FALSE(ReplayFile::load("/nonexistent/flight.replay", &error));
    EXPECT_NE(error.find("cannot read"), std::string::npos);
}

} // namespace
