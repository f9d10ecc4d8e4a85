#include "BalancePlot.h"
#include "BalanceTable.h"
#include "FlightLine.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using balance::BalanceTable;
using balance::FlightLine;
using balance::parseFlightLine;

FlightLine flight(int level, const char* pilot, bool completed, int livesLost, int kills, int frames,
                  std::vector<std::pair<float, float>> deaths = {})
{
    FlightLine f;
    f.level = level;
    f.pilot = pilot;
    f.result = completed ? "complete" : "game_over";
    f.livesLost = livesLost;
    f.kills = kills;
    f.frames = frames;
    f.deaths = std::move(deaths);
    return f;
}

TEST(FlightLine, ReadsTheGamesLineAndRefusesWhatIsNotOne)
{
    const auto f = parseFlightLine(
        "{\"level\":12,\"result\":\"game_over\",\"score\":100,\"kills\":7,\"lives_lost\":3,\"frames\":3600,"
        "\"pilot\":\"novice\",\"seed\":4,\"deaths\":[[120,3000],[400.5,3100],[80,9000]]}");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->level, 12);
    EXPECT_EQ(f->pilot, "novice");
    EXPECT_EQ(f->seed, 4u);
    EXPECT_FALSE(f->completed());
    EXPECT_EQ(f->livesLost, 3);
    EXPECT_EQ(f->kills, 7);
    ASSERT_EQ(f->deaths.size(), 3u);
    EXPECT_FLOAT_EQ(f->deaths[1].first, 400.5f);
    EXPECT_FLOAT_EQ(f->deaths[2].second, 9000.0f);

    EXPECT_TRUE(parseFlightLine("{\"level\":1,\"result\":\"complete\",\"pilot\":\"ace\",\"deaths\":[]}"));
    for (const char* bad : {"", "skyvane: drawing with the software renderer", "{\"level\":1,\"result\":\"complete\"}",
                            "{\"level\":x,\"result\":\"complete\",\"pilot\":\"ace\"}",
                            "{\"level\":1,\"result\":\"complete\",\"pilot\":\"ace"})
        EXPECT_FALSE(parseFlightLine(bad)) << bad;
    // A damaged list of deaths keeps the pairs that read whole.
    const auto cut = parseFlightLine(
        "{\"level\":2,\"result\":\"complete\",\"pilot\":\"ace\",\"deaths\":[[1,2],[3,]]}");
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->deaths.size(), 1u);
}

TEST(BalanceTable, SumsEachPilotsRunsOfALevel)
{
    const BalanceTable table({
        flight(1, "novice", true, 0, 30, 7200),
        flight(1, "novice", false, 3, 10, 3600, {{100, 2000}, {300, 2300}, {500, 9000}}),
        flight(1, "expert", true, 1, 50, 7200, {{400, 100}}),
        flight(2, "novice", true, 0, 20, 7200),
        flight(2, "ace", true, 0, 60, 7200),
    });
    const auto* novice1 = table.find(1, "novice");
    ASSERT_NE(novice1, nullptr);
    EXPECT_EQ(novice1->runs, 2);
    EXPECT_EQ(novice1->completed, 1);
    EXPECT_DOUBLE_EQ(novice1->completionRate(), 0.5);
    EXPECT_EQ(novice1->livesLost, 3);
    EXPECT_DOUBLE_EQ(novice1->killsPerMin, 40.0 * 3600.0 / 10800.0); // frames are 60 a second
    // Two of the three deaths lie within one screen of each other.
    EXPECT_NEAR(novice1->clusterShare, 2.0 / 3.0, 1e-9);
    EXPECT_FLOAT_EQ(novice1->clusterY, 2150.0f);

    // People's pilots, not the ace, say which level is hardest; the table goes in pilot order.
    EXPECT_EQ(table.hardestLevel(), 1);
    EXPECT_EQ(table.pilots(), (std::vector<std::string>{"novice", "expert", "ace"}));
    const std::string lines = table.jsonLines();
    EXPECT_NE(lines.find("{\"level\":1,\"pilot\":\"novice\",\"runs\":2,\"completed\":1,\"lives_lost\":3,"
                         "\"kills_per_min\":13.33"),
              std::string::npos)
        << lines;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 4);

    const auto plot = balance::plotBalance(table, {flight(1, "novice", false, 1, 0, 60, {{400, 500}})}, nullptr);
    EXPECT_GT(plot.width, 0);
}

} // namespace
