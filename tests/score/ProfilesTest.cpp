#include "score/Profiles.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

using NVolant::Profile;
using NVolant::Profiles;
using NVolant::TopTenEntry;

namespace {

std::deque<std::uint32_t> tenFrom(std::vector<std::uint32_t> first)
{
    first.resize(10, 0);
    return {first.begin(), first.end()};
}

TEST(Profile, ScoresStaySortedAndOnlyRealImprovementsCount)
{
    Profile p("ACE");
    EXPECT_EQ(p.scores, tenFrom({}));
    p.scores = tenFrom({500, 300, 300});

    p.addScore(300);
    EXPECT_EQ(p.scores.size(), 11u);
    EXPECT_EQ(std::vector<std::uint32_t>(p.scores.begin(), p.scores.begin() + 5),
              (std::vector<std::uint32_t>{500, 300, 300, 300, 0}));
    p.addScore(0); // no entry is smaller than 0
    EXPECT_EQ(p.scores.size(), 11u);
    p.addScore(4000000000u); // unsigned: above every signed score
    EXPECT_EQ(p.scores.front(), 4000000000u);
    EXPECT_EQ(p.scores.size(), 12u);

    // A list with nothing below the new score keeps it out.
    Profile full("B");
    full.scores = {7, 7};
    full.addScore(7);
    full.addScore(3);
    EXPECT_EQ(full.scores, (std::deque<std::uint32_t>{7, 7}));
}

TEST(Profile, NamesAreWhatTheNameKeyboardCanType)
{
    for (const char* name : {"A", "PILOT2026", "ABCDEFGHIJ1234"})
        EXPECT_TRUE(Profile::isValidName(name)) << name;
    for (const char* name : {"", "ABCDEFGHIJ12345", "ace", "A B", "A\"B"})
        EXPECT_FALSE(Profile::isValidName(name)) << name;
}

TEST(Profiles, AddingSelectingAndFindingGoByExactName)
{
    Profiles profiles;
    EXPECT_EQ(profiles.currentProfile(), nullptr);
    ASSERT_TRUE(profiles.addProfile("ACE"));
    // Index 0 was waiting for a profile: the first one made is current.
    ASSERT_NE(profiles.currentProfile(), nullptr);
    EXPECT_EQ(profiles.currentProfile()->name(), "ACE");

    EXPECT_FALSE(profiles.addProfile("ACE"));
    EXPECT_FALSE(profiles.addProfile("bob"));
    EXPECT_FALSE(profiles.addProfile(""));
    ASSERT_TRUE(profiles.addProfile("BOB"));
    EXPECT_EQ(profiles.profileCount(), 2u);
    EXPECT_EQ(profiles.currentProfile()->name(), "ACE"); // adding does not select

    EXPECT_FALSE(profiles.selectProfile("Bob"));
    EXPECT_EQ(profiles.findProfile("Bob"), nullptr);
    EXPECT_TRUE(profiles.selectProfile("BOB"));
    EXPECT_EQ(profiles.currentProfile(), profiles.profileAt(1));
    EXPECT_EQ(profiles.currentProfile(), profiles.findProfile("BOB"));
    EXPECT_EQ(profiles.profileAt(0)->name(), "ACE");
    EXPECT_EQ(profiles.profileAt(2), nullptr);
    // Without a save path nothing is written, and nothing fails.
    EXPECT_FALSE(profiles.save());
}

TEST(Profiles, DeletingKeepsTheCurrentPlayerUnlessItIsTheOneDeleted)
{
    Profiles profiles;
    for (const char* name : {"A", "B", "C", "D"})
        ASSERT_TRUE(profiles.addProfile(name));
    profiles.selectProfile("B");

    // Someone listed before the current player goes: the current player is still B.
    profiles.deleteProfile("A");
    EXPECT_EQ(profiles.currentProfile(), profiles.profileAt(0));
    EXPECT_EQ(profiles.currentProfile()->name(), "B");

    // A name that is not there changes nothing.
    profiles.deleteProfile("a");
    EXPECT_EQ(profiles.profileCount(), 3u);
    EXPECT_EQ(profiles.currentProfile()->name(), "B");

    // The current player goes: the next one in the list takes over.
    profiles.deleteProfile("B");
    EXPECT_EQ(profiles.currentProfile()->name(), "C");

    // The current and last profile goes: the index moves back onto the new last one.
    profiles.selectProfile("D");
    profiles.deleteProfile("D");
    EXPECT_EQ(profiles.currentProfile()->name(), "C");

    profiles.deleteProfile("C");
    EXPECT_EQ(profiles.profileCount(), 0u);
    EXPECT_EQ(profiles.currentProfile(), nullptr);

    // After the last one is gone, a new profile is not current until it is selected.
    ASSERT_TRUE(profiles.addProfile("E"));
    EXPECT_EQ(profiles.currentProfile(), nullptr);
    // Deleting anything then moves the index onto the last profile.
    profiles.deleteProfile("NOBODY");
    EXPECT_EQ(profiles.currentProfile()->name(), "E");
}

std::vector<std::uint32_t> scoresOf(const std::vector<TopTenEntry>& list)
{
    std::vector<std::uint32_t> out;
    for (const TopTenEntry& e : list)
        out.push_back(e.score);
    return out;
}

TEST(Profiles, TheTopTenMergesEveryProfilesScores)
{
    Profiles profiles;
    std::vector<TopTenEntry> list{{"STALE", 1}};
    profiles.collectTopTen(list);
    EXPECT_TRUE(list.empty());

    profiles.addProfile("ACE");
    profiles.addProfile("BOB");
    profiles.findProfile("ACE")->addScore(900);
    profiles.findProfile("BOB")->addScore(800);
    profiles.findProfile("BOB")->addScore(700);
    profiles.collectTopTen(list);
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(scoresOf(list), (std::vector<std::uint32_t>{900, 800, 700, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list[0].name, "ACE");
    EXPECT_EQ(list[1].name, "BOB");
    EXPECT_EQ(list[2].name, "BOB");

    // Scores past a profile's tenth still compete while the game runs.
    Profile* bob = profiles.findProfile("BOB");
    for (std::uint32_t s = 1000; s <= 12000; s += 1000)
        bob->addScore(s);
    profiles.collectTopTen(list);
    EXPECT_EQ(scoresOf(list),
              (std::vector<std::uint32_t>{12000, 11000, 10000, 9000, 8000, 7000, 6000, 5000, 4000, 3000}));
    for (const TopTenEntry& e : list)
        EXPECT_EQ(e.name, "BOB");
}

} // namespace
