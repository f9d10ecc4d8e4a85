#include "content/Scramble.h"
#include "platform/Log.h"
#include "score/AtomicFile.h"
#include "score/Profiles.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
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

TEST_F(SaveFileTest, NoFileMeansTheDefaultsAndEveryChangeIsSavedAtOnce)
{
    const auto onDisk = [this] {
        Profiles reader;
        reader.load(path());
        std::string names;
        for (std::size_t i = 0; i < reader.profileCount(); ++i)
            names += reader.profileAt(i)->name() + " ";
        return names + "current " + (reader.currentProfile() ? reader.currentProfile()->name() : "none");
    };
    Profiles profiles;
    EXPECT_FALSE(profiles.load(path()));
    EXPECT_EQ(profiles.profileCount(), 0u);
    EXPECT_FALSE(profiles.takeUnreadableNotice());
    EXPECT_FALSE(exists("save.dat"));

    ASSERT_TRUE(profiles.addProfile("ACE"));
    ASSERT_TRUE(profiles.addProfile("BOB"));
    EXPECT_EQ(onDisk(), "ACE BOB current ACE");
    profiles.selectProfile("BOB");
    EXPECT_EQ(onDisk(), "ACE BOB current BOB");
    profiles.deleteProfile("BOB");
    EXPECT_EQ(onDisk(), "ACE current ACE");

    // A restart keeps the best ten scores but not the flags of the running game (the hand-made
    // file above shows that every other field goes to disk and back).
    profiles.topTenChanged = true;
    for (std::uint32_t s = 100; s <= 1200; s += 100)
        profiles.findProfile("ACE")->addScore(s);
    ASSERT_TRUE(profiles.save());
    Profiles again;
    ASSERT_TRUE(again.load(path()));
    EXPECT_FALSE(again.topTenChanged);
    const Profile& ace = *again.findProfile("ACE");
    EXPECT_EQ(std::vector<std::uint32_t>(ace.scores.begin(), ace.scores.end()),
              (std::vector<std::uint32_t>{1200, 1100, 1000, 900, 800, 700, 600, 500, 400, 300}));
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
    // That what was repaired reads back the same once written: the save-file fuzz target.
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

// Saving again over a file with one profile, whatever goes wrong on the way.
class SaveFileDurability : public SaveFileTest {
protected:
    // A saved file with one profile, and the bytes it holds.
    std::string saveOneProfile(Profiles& profiles)
    {
        profiles.load(path());
        profiles.addProfile("KEEPER");
        profiles.findProfile("KEEPER")->addScore(1234);
        EXPECT_TRUE(profiles.save());
        return m_dir.read("save.dat");
    }
};

TEST_F(SaveFileDurability, ADiskFullHalfWayLeavesTheOldFile)
{
    Profiles profiles;
    saveOneProfile(profiles);
    for (int i = 0; i < 40; ++i)
        profiles.addProfile("P" + std::to_string(i));
    const std::string before = m_dir.read("save.dat");
    profiles.m_soundVolume = 10;

    // The file-size limit makes the disk "full" a few hundred bytes into the new file.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 300;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = profiles.save();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_TRUE(m_dir.read("save.dat") == before);
    EXPECT_FALSE(exists("save.dat.tmp"));
    // The game goes on, and the next save that can be written is.
    EXPECT_TRUE(profiles.save());
    Profiles reader;
    reader.load(path());
    EXPECT_EQ(reader.profileCount(), 41u);
    EXPECT_EQ(reader.m_soundVolume, 10);
}

TEST_F(SaveFileDurability, AFolderThatCannotBeWrittenLeavesTheOldFile)
{
    Profiles profiles;
    const std::string before = saveOneProfile(profiles);
    // The temporary file cannot be made (root ignores permissions, so block the name instead).
    std::filesystem::create_directory(m_dir.file("save.dat.tmp"));
    EXPECT_TRUE(profiles.addProfile("EXTRA"));
    EXPECT_TRUE(m_dir.read("save.dat") == before);
    EXPECT_FALSE(profiles.save());
    EXPECT_TRUE(m_dir.read("save.dat") == before);
    EXPECT_EQ(profiles.profileCount(), 2u); // the change itself stands

    // Nor can a save go into a folder that does not exist.
    EXPECT_FALSE(profiles.save(m_dir.file("missing/save.dat")));
    EXPECT_FALSE(exists("missing"));
}

TEST_F(SaveFileDurability, AKilledWriteIsNeverTakenForTheSave)
{
    Profiles profiles;
    saveOneProfile(profiles);
    // What a write killed half-way leaves behind (that the old file stays whole whatever stops a
    // write: ADiskFullHalfWayLeavesTheOldFile).
    const std::string full = profiles.toText();
    std::vector<std::uint8_t> half(full.begin(), full.begin() + static_cast<long>(full.size() / 2));
    NLib::scrambleBuffer(half.data(), half.size(), Profiles::kSaveKey);
    m_dir.write("save.dat.tmp", half);
    Profiles reader;
    ASSERT_TRUE(reader.load(path()));
    EXPECT_FALSE(reader.takeUnreadableNotice());
    ASSERT_EQ(reader.profileCount(), 1u);
    EXPECT_EQ(reader.profileAt(0)->scores.front(), 1234u);
    // The next save replaces the leftover.
    ASSERT_TRUE(reader.addProfile("NEXT"));
    EXPECT_FALSE(exists("save.dat.tmp"));
}

TEST(AtomicFile, ReadsAreBoundedAndOnlyOfFiles)
{
    TempDir dir;
    std::vector<std::uint8_t> bytes;
    using NVolant::FileReadResult;
    EXPECT_EQ(NVolant::readFileLimited(dir.file("none"), 10, bytes), FileReadResult::Missing);
    EXPECT_EQ(NVolant::readFileLimited(dir.path(), 10, bytes), FileReadResult::NotAFile);
    dir.write("f", std::string(11, 'x'));
    EXPECT_EQ(NVolant::readFileLimited(dir.file("f"), 10, bytes), FileReadResult::TooLarge);
    EXPECT_TRUE(bytes.empty());
    ASSERT_EQ(NVolant::readFileLimited(dir.file("f"), 11, bytes), FileReadResult::Read);
    EXPECT_EQ(bytes.size(), 11u);

    // A save path that is a folder is not readable, changes nothing and is not moved aside.
    setLogEcho(false);
    std::filesystem::create_directory(dir.file("save.dat"));
    Profiles profiles;
    profiles.m_musicVolume = 3;
    EXPECT_FALSE(profiles.load(dir.file("save.dat")));
    EXPECT_EQ(profiles.m_musicVolume, 3);
    EXPECT_FALSE(std::filesystem::exists(dir.file("save.dat.bad")));
    EXPECT_FALSE(profiles.save());
    setLogEcho(true);
}

TEST_F(SaveFileDurability, AFileThatCannotBeOpenedIsMovedAsideNotOverwritten)
{
    // A link to itself stands for any file that is there but cannot be opened, as the reader
    // tells apart from a missing one (root ignores permissions).
    std::filesystem::create_symlink("save.dat", path());
    Profiles profiles;
    EXPECT_FALSE(profiles.load(path()));
    EXPECT_TRUE(profiles.takeUnreadableNotice());
    EXPECT_TRUE(std::filesystem::is_symlink(m_dir.file("save.dat.bad")));
    ASSERT_TRUE(profiles.addProfile("ACE"));
    Profiles reader;
    ASSERT_TRUE(reader.load(path()));
    EXPECT_EQ(reader.profileCount(), 1u);
}

} // namespace
