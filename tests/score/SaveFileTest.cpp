#include "content/Scramble.h"
#include "platform/Log.h"
#include "score/Profiles.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using NVolant::Profile;
using NVolant::Profiles;

namespace {

std::vector<std::uint8_t> scrambled(const std::string& text)
{
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    NLib::scrambleBuffer(bytes.data(), bytes.size(), Profiles::kSaveKey);
    return bytes;
}

std::string unscrambled(const std::string& bytes)
{
    std::string text = bytes;
    NLib::scrambleBuffer(reinterpret_cast<std::uint8_t*>(text.data()), text.size(), Profiles::kSaveKey);
    return text;
}

std::string scoreLines(std::vector<std::uint32_t> scores)
{
    scores.resize(10, 0);
    std::string out;
    for (std::uint32_t s : scores)
        out += "\t\t\t\t<score m_scoresMax=\"" + std::to_string(s) + "\">\n\t\t\t\t</score>\n";
    return out;
}

// A file as any writer of the format produces it.
const std::string kKnownText =
    "<save_data m_invertStereo=\"1\" m_isWindowed=\"1\" m_musicVolume=\"35\" m_profileCurrent=\"1\" "
    "m_soundVolume=\"80\" profilesCount=\"2\">\n"
    "\t<profiles>\n"
    "\t\t<profile m_customLevelNum=\"3\" m_isShowHints=\"0\" m_levelMax=\"12\" m_name=\"ACE\" "
    "m_save=\"3C736176652F3E0A\">\n"
    "\t\t\t<scores>\n" +
    scoreLines({48200, 9100, 9100, 15}) +
    "\t\t\t</scores>\n"
    "\t\t</profile>\n"
    "\t\t<profile m_customLevelNum=\"1\" m_isShowHints=\"1\" m_levelMax=\"1\" m_name=\"B52\" m_save=\"\">\n"
    "\t\t\t<scores>\n" +
    scoreLines({}) +
    "\t\t\t</scores>\n"
    "\t\t</profile>\n"
    "\t</profiles>\n"
    "</save_data>\n";

class SaveFileTest : public ::testing::Test {
protected:
    void SetUp() override { setLogEcho(false); }
    void TearDown() override { setLogEcho(true); }

    std::string path() const { return m_dir.file("save.dat"); }
    bool exists(const std::string& name) const { return std::filesystem::exists(m_dir.file(name)); }

    TempDir m_dir;
};

TEST_F(SaveFileTest, NoFileMeansTheDefaults)
{
    Profiles profiles;
    EXPECT_FALSE(profiles.load(path()));
    EXPECT_EQ(profiles.profileCount(), 0u);
    EXPECT_EQ(profiles.m_soundVolume, 100);
    EXPECT_EQ(profiles.m_musicVolume, 50);
    EXPECT_EQ(profiles.m_invertStereo, 0);
    EXPECT_EQ(profiles.m_isWindowed, 0);
    EXPECT_FALSE(profiles.takeUnreadableNotice());
    EXPECT_FALSE(exists("save.dat"));
}

TEST_F(SaveFileTest, AHandMadeFileLoadsEveryValueAndIsWrittenBackByteForByte)
{
    m_dir.write("save.dat", scrambled(kKnownText));
    Profiles profiles;
    ASSERT_TRUE(profiles.load(path()));
    EXPECT_FALSE(profiles.takeUnreadableNotice());
    EXPECT_EQ(profiles.m_soundVolume, 80);
    EXPECT_EQ(profiles.m_musicVolume, 35);
    EXPECT_EQ(profiles.m_invertStereo, 1);
    EXPECT_EQ(profiles.m_isWindowed, 1);
    ASSERT_EQ(profiles.profileCount(), 2u);
    ASSERT_NE(profiles.currentProfile(), nullptr);
    EXPECT_EQ(profiles.currentProfile()->name(), "B52");

    const Profile& ace = *profiles.profileAt(0);
    EXPECT_EQ(ace.name(), "ACE");
    EXPECT_EQ(ace.m_save, "3C736176652F3E0A");
    EXPECT_EQ(ace.m_levelMax, 12u);
    EXPECT_EQ(ace.m_customLevelNum, 3);
    EXPECT_FALSE(ace.m_isShowHints);
    EXPECT_EQ(std::vector<std::uint32_t>(ace.scores.begin(), ace.scores.end()),
              (std::vector<std::uint32_t>{48200, 9100, 9100, 15, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(profiles.profileAt(1)->m_isShowHints);

    EXPECT_EQ(profiles.toText(), kKnownText);
    std::filesystem::remove(path());
    ASSERT_TRUE(profiles.save());
    EXPECT_EQ(unscrambled(m_dir.read("save.dat")), kKnownText);
    EXPECT_FALSE(exists("save.dat.tmp"));
}

TEST_F(SaveFileTest, EveryFieldSurvivesARestart)
{
    {
        Profiles profiles;
        profiles.load(path());
        profiles.m_soundVolume = 0;
        profiles.m_musicVolume = 100;
        profiles.m_invertStereo = 1;
        profiles.m_isWindowed = 1;
        profiles.topTenChanged = true;
        for (const char* name : {"ZED", "A1", "PILOT"})
            ASSERT_TRUE(profiles.addProfile(name));
        Profile& a1 = *profiles.findProfile("A1");
        a1.m_save = "0123456789ABCDEF";
        a1.m_levelMax = 30;
        a1.m_customLevelNum = 29;
        a1.m_isShowHints = false;
        for (std::uint32_t s = 100; s <= 1200; s += 100)
            a1.addScore(s); // twelve: only the best ten are kept
        profiles.selectProfile("PILOT");
        ASSERT_TRUE(profiles.save());
    }
    Profiles profiles;
    ASSERT_TRUE(profiles.load(path()));
    EXPECT_EQ(profiles.m_soundVolume, 0);
    EXPECT_EQ(profiles.m_musicVolume, 100);
    EXPECT_EQ(profiles.m_invertStereo, 1);
    EXPECT_EQ(profiles.m_isWindowed, 1);
    EXPECT_FALSE(profiles.topTenChanged); // a run-time flag only
    ASSERT_EQ(profiles.profileCount(), 3u);
    EXPECT_EQ(profiles.profileAt(0)->name(), "ZED");
    EXPECT_EQ(profiles.currentProfile()->name(), "PILOT");
    const Profile& a1 = *profiles.profileAt(1);
    EXPECT_EQ(a1.m_save, "0123456789ABCDEF");
    EXPECT_EQ(a1.m_levelMax, 30u);
    EXPECT_EQ(a1.m_customLevelNum, 29);
    EXPECT_FALSE(a1.m_isShowHints);
    EXPECT_EQ(std::vector<std::uint32_t>(a1.scores.begin(), a1.scores.end()),
              (std::vector<std::uint32_t>{1200, 1100, 1000, 900, 800, 700, 600, 500, 400, 300}));
}

TEST_F(SaveFileTest, ProfileChangesAreSavedAtOnce)
{
    Profiles profiles;
    profiles.load(path());
    ASSERT_TRUE(profiles.addProfile("ACE"));
    ASSERT_TRUE(profiles.addProfile("BOB"));
    {
        Profiles reader;
        reader.load(path());
        EXPECT_EQ(reader.profileCount(), 2u);
        EXPECT_EQ(reader.currentProfile()->name(), "ACE");
    }
    profiles.selectProfile("BOB");
    {
        Profiles reader;
        reader.load(path());
        EXPECT_EQ(reader.currentProfile()->name(), "BOB");
    }
    profiles.deleteProfile("BOB");
    Profiles reader;
    reader.load(path());
    ASSERT_EQ(reader.profileCount(), 1u);
    EXPECT_EQ(reader.currentProfile()->name(), "ACE");
}

TEST_F(SaveFileTest, AnUnreadableFileIsKeptAsideAndTheDefaultsTakeOver)
{
    m_dir.write("save.dat.bad", std::string("an older bad copy"));
    // Well-formed text that is not scrambled is as unreadable as random bytes.
    for (const std::string& content :
         {std::string("<save_data m_soundVolume=\"3\">"), std::string(), unscrambled("<other/>"),
          unscrambled("<save_data m_soundVolume=\"3\"><profiles><profile m_name=\"X\">")}) {
        m_dir.write("save.dat", content);
        Profiles profiles;
        profiles.m_soundVolume = 7;
        EXPECT_TRUE(profiles.load(path()));
        EXPECT_EQ(profiles.m_soundVolume, 100);
        EXPECT_EQ(profiles.profileCount(), 0u);
        EXPECT_TRUE(profiles.takeUnreadableNotice());
        EXPECT_FALSE(profiles.takeUnreadableNotice()); // told once
        EXPECT_FALSE(exists("save.dat"));
        EXPECT_TRUE(m_dir.read("save.dat.bad") == content);

        // The next save starts afresh and leaves the bad copy alone.
        ASSERT_TRUE(profiles.addProfile("NEW"));
        Profiles again;
        EXPECT_TRUE(again.load(path()));
        EXPECT_FALSE(again.takeUnreadableNotice());
        EXPECT_EQ(again.profileCount(), 1u);
        EXPECT_TRUE(m_dir.read("save.dat.bad") == content);
    }
}

TEST_F(SaveFileTest, AbsurdValuesAreBroughtBackIntoRange)
{
    const std::string hugeSave(2 * 1024 * 1024, 'A');
    const std::string text =
        "<save_data m_soundVolume=\"-40\" m_musicVolume=\"99999999999\" m_invertStereo=\"2\" "
        "m_isWindowed=\"yes\" m_profileCurrent=\"4\">"
        "<profiles>"
        // 0: empty name, left out
        "<profile m_name=\"\"/>"
        // 1: lower case and a blank: repaired to "MAVERICK", best scores sorted and padded
        "<profile m_name=\"mave rick\" m_levelMax=\"-3\" m_customLevelNum=\"9\" m_save=\"00ff\">"
        "<scores><score m_scoresMax=\"10\"/><score m_scoresMax=\"-5\"/><score m_scoresMax=\"70\"/>"
        "<score m_scoresMax=\"99999999999\"/></scores></profile>"
        // 2: too long, cut to fourteen characters
        "<profile m_name=\"ABCDEFGHIJKLMNOPQRST\" m_levelMax=\"400\" m_customLevelNum=\"-2\""
        " m_save=\"3C3E3\" m_isShowHints=\"7\"/>"
        // 3: not hex, no saved game; no scores element at all
        "<profile m_name=\"SAVER\" m_save=\"3C&quot;3E\" m_levelMax=\"5\" m_customLevelNum=\"8\"/>"
        // 4: the current one, a second MAVERICK: the first one is kept and stays current
        "<profile m_name=\"MAVERICK\" m_levelMax=\"30\"/>"
        // 5: megabytes of saved game
        "<profile m_name=\"BIG\" m_save=\"" +
        hugeSave +
        "\"/>"
        "</profiles></save_data>";
    m_dir.write("save.dat", scrambled(text));

    Profiles profiles;
    ASSERT_TRUE(profiles.load(path()));
    EXPECT_FALSE(profiles.takeUnreadableNotice());
    EXPECT_EQ(profiles.m_soundVolume, 0);
    EXPECT_EQ(profiles.m_musicVolume, 100);
    EXPECT_EQ(profiles.m_invertStereo, 0);
    EXPECT_EQ(profiles.m_isWindowed, 0);
    ASSERT_EQ(profiles.profileCount(), 4u);

    const Profile& maverick = *profiles.profileAt(0);
    EXPECT_EQ(maverick.name(), "MAVERICK");
    EXPECT_EQ(profiles.currentProfile(), &maverick);
    EXPECT_EQ(maverick.m_levelMax, 1u);
    EXPECT_EQ(maverick.m_customLevelNum, 1);
    EXPECT_EQ(maverick.m_save, "00FF");
    EXPECT_EQ(std::vector<std::uint32_t>(maverick.scores.begin(), maverick.scores.end()),
              (std::vector<std::uint32_t>{4294967295u, 70, 10, 0, 0, 0, 0, 0, 0, 0}));

    const Profile& cut = *profiles.profileAt(1);
    EXPECT_EQ(cut.name(), "ABCDEFGHIJKLMN");
    EXPECT_EQ(cut.m_levelMax, 30u);
    EXPECT_EQ(cut.m_customLevelNum, 1);
    EXPECT_TRUE(cut.m_save.empty()); // odd length
    EXPECT_TRUE(cut.m_isShowHints);

    const Profile& saver = *profiles.profileAt(2);
    EXPECT_TRUE(saver.m_save.empty());
    EXPECT_EQ(saver.m_customLevelNum, 5); // never past the highest level reached
    EXPECT_EQ(saver.scores.size(), 10u);  // and it can still record scores
    EXPECT_EQ(profiles.profileAt(3)->name(), "BIG");
    EXPECT_TRUE(profiles.profileAt(3)->m_save.empty());

    // What was repaired is what is written, and it reads back the same.
    ASSERT_TRUE(profiles.save());
    Profiles again;
    ASSERT_TRUE(again.load(path()));
    EXPECT_EQ(again.toText(), profiles.toText());
}

TEST_F(SaveFileTest, ACurrentIndexOutsideTheListMeansNoCurrentProfile)
{
    for (const char* index : {"2", "-1", "4294967295", "x"}) {
        m_dir.write("save.dat", scrambled(std::string("<save_data m_profileCurrent=\"") + index +
                                          "\"><profiles><profile m_name=\"A\"/><profile m_name=\"B\"/>"
                                          "</profiles></save_data>"));
        Profiles profiles;
        ASSERT_TRUE(profiles.load(path()));
        if (std::string(index) == "x") // not a number: the default, 0
            EXPECT_EQ(profiles.currentProfile()->name(), "A");
        else
            EXPECT_EQ(profiles.currentProfile(), nullptr) << index;
    }
    // With no profiles the first one made becomes current, whatever the index said.
    m_dir.write("save.dat", scrambled("<save_data m_profileCurrent=\"4294967295\"/>"));
    Profiles profiles;
    ASSERT_TRUE(profiles.load(path()));
    profiles.addProfile("FIRST");
    ASSERT_NE(profiles.currentProfile(), nullptr);
}

TEST_F(SaveFileTest, ThousandsOfProfilesLoad)
{
    std::string text = "<save_data m_profileCurrent=\"4999\"><profiles>";
    for (int i = 0; i < 5000; ++i)
        text += "<profile m_name=\"P" + std::to_string(i) + "\"/>";
    text += "</profiles></save_data>";
    m_dir.write("save.dat", scrambled(text));
    Profiles profiles;
    ASSERT_TRUE(profiles.load(path()));
    EXPECT_EQ(profiles.profileCount(), 5000u);
    EXPECT_EQ(profiles.currentProfile()->name(), "P4999");
    std::vector<NVolant::TopTenEntry> top;
    profiles.collectTopTen(top);
    EXPECT_EQ(top.size(), 10u);
}

} // namespace
