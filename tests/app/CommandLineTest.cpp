#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using NVolant::CommandLine;

CommandLine parse(std::vector<std::string> args)
{
    return CommandLine::parse(args);
}

TEST(CommandLine, AutopilotTakesLevelsSeedHeadlessAndRecord)
{
    const CommandLine line =
        parse({"--autopilot", "--levels", "3-17", "--headless", "--seed=4294967295", "--windowed"});
    EXPECT_TRUE(line.error.empty()) << line.error;
    EXPECT_TRUE(line.autopilot);
    EXPECT_TRUE(line.headless);
    EXPECT_EQ(line.firstLevel, 3);
    EXPECT_EQ(line.lastLevel, 17);
    EXPECT_EQ(line.seed, 4294967295u);
    EXPECT_EQ(line.windowed, 1);

    const CommandLine one = parse({"--autopilot", "--levels=30", "--record", "f.replay"});
    EXPECT_TRUE(one.error.empty()) << one.error;
    EXPECT_EQ(one.firstLevel, 30);
    EXPECT_EQ(one.lastLevel, 30);
    EXPECT_EQ(one.recordPath, "f.replay");

    const CommandLine person = parse({"--autopilot", "--pilot", "novice", "--undrawn"});
    EXPECT_TRUE(person.error.empty()) << person.error;
    EXPECT_EQ(person.pilot, "novice");
    EXPECT_TRUE(person.undrawn);

    const CommandLine plain = parse({"--autopilot"});
    EXPECT_EQ(plain.pilot, "ace");
    EXPECT_FALSE(plain.undrawn);
    EXPECT_EQ(plain.firstLevel, 1);
    EXPECT_EQ(plain.lastLevel, 1);
    EXPECT_EQ(plain.seed, 0u);
    EXPECT_EQ(plain.windowed, -1);
}

TEST(CommandLine, BadRangesAndLonelyOptionsAreRefused)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--autopilot", "--levels", "0-3"},
             {"--autopilot", "--levels", "5-4"},
             {"--autopilot", "--levels", "1-31"},
             {"--autopilot", "--levels", "1-"},
             {"--autopilot", "--levels", "-3"},
             {"--autopilot", "--levels", "a-b"},
             {"--autopilot", "--levels"},
             {"--autopilot", "--levels="},
             {"--autopilot", "--seed", "-1"},
             {"--autopilot", "--seed", "4294967296"},
             {"--autopilot", "--seed", "12x"},
             {"--autopilot", "--levels", "1-2", "--record", "x"},
             {"--autopilot", "--replay", "x"},
             {"--autopilot", "--pilot", "beginner"},
             {"--autopilot", "--pilot"},
             {"--pilot", "expert"},
             {"--undrawn"},
             {"--levels", "1-2"},
             {"--seed", "3"},
             {"--record", "x"},
             {"--headless"},
             {"--replay"},
             {"--windowed", "--fullscreen"},
             {"--autopilotx"},
         }) {
        const CommandLine line = parse(args);
        EXPECT_FALSE(line.error.empty()) << args[0] << " " << (args.size() > 1 ? args[1] : "");
    }
}

TEST(CommandLine, ReplayWindowModesAndHelp)
{
    const CommandLine replay = parse({"--replay=flight.replay", "--headless"});
    EXPECT_TRUE(replay.error.empty()) << replay.error;
    EXPECT_EQ(replay.replayPath, "flight.replay");
    EXPECT_TRUE(replay.headless);

    EXPECT_EQ(parse({"--fullscreen"}).windowed, 0);
    EXPECT_EQ(parse({"--windowed", "--windowed"}).windowed, 1);
    // Help wins over whatever else is on the line, so a confused player always gets it.
    EXPECT_TRUE(parse({"--levels", "1-2", "--help"}).help);
    const std::string usage = CommandLine::usage();
    for (const char* option : {"--autopilot", "--levels", "--seed", "--pilot", "--undrawn", "--record", "--replay", "--headless",
                               "--windowed", "--fullscreen", "--version", "--renderer"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

} // namespace
