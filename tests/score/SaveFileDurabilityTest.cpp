#include "content/Scramble.h"
#include "platform/Log.h"
#include "score/AtomicFile.h"
#include "score/Profiles.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using NVolant::Profiles;

namespace {

class SaveFileDurability : public ::testing::Test {
protected:
    void SetUp() override { setLogEcho(false); }
    void TearDown() override { setLogEcho(true); }

    std::string path() const { return m_dir.file("save.dat"); }
    bool exists(const std::string& name) const { return std::filesystem::exists(m_dir.file(name)); }

    // A saved file with one profile, and the bytes it holds.
    std::string saveOneProfile(Profiles& profiles)
    {
        profiles.load(path());
        profiles.addProfile("KEEPER");
        profiles.findProfile("KEEPER")->addScore(1234);
        EXPECT_TRUE(profiles.save());
        return m_dir.read("save.dat");
    }

    TempDir m_dir;
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
    // What a write killed half-way leaves behind.
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

TEST_F(SaveFileDurability, KillingTheProcessAtAnyMomentLeavesAWholeFile)
{
    Profiles profiles;
    saveOneProfile(profiles);
    std::mt19937 random(2026);
    for (int round = 0; round < 25; ++round) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const std::string name = "R" + std::to_string(round) + "N";
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Save as fast as possible, the file growing by a profile each time; say when the
            // first save is done, so every round is sure to interrupt a stream of writes.
            close(ready[0]);
            Profiles writer;
            writer.load(path());
            writer.addProfile(name + "0");
            const char done = 1;
            if (write(ready[1], &done, 1) != 1)
                _exit(1);
            for (int i = 1;; ++i)
                writer.addProfile(name + std::to_string(i));
        }
        close(ready[1]);
        char done = 0;
        ASSERT_EQ(read(ready[0], &done, 1), 1);
        close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 5000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        Profiles reader;
        ASSERT_TRUE(reader.load(path())) << round;
        ASSERT_FALSE(reader.takeUnreadableNotice()) << "round " << round;
        ASSERT_NE(reader.findProfile("KEEPER"), nullptr);
        EXPECT_EQ(reader.findProfile("KEEPER")->scores.front(), 1234u);
        EXPECT_NE(reader.findProfile(name + "0"), nullptr) << round;
    }
    EXPECT_FALSE(exists("save.dat.bad"));
}

TEST(AtomicFile, ReadsAreBoundedAndOnlyOfFiles)
{
    TempDir dir;
    std::vector<std::uint8_t> bytes;
    using NVolant::FileReadResult;
    EXPECT_EQ(NVolant::readFileLimited(dir.file("none"), 10, bytes), FileReadResult::Missing);
    std::filesystem::create_symlink("loop", dir.file("loop"));
    EXPECT_EQ(NVolant::readFileLimited(dir.file("loop"), 10, bytes), FileReadResult::Unreadable);
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
    // A link to itself stands for any file that is there but cannot be opened (root ignores
    // permissions).
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
