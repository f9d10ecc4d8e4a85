#include "GameProcess.h"

#include "support/TempDir.h"

#include "platform/FileBytes.h"
#include "platform/ImageDecoder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::vector<int> iconSizes()
{
    std::vector<int> sizes;
    std::istringstream in(SKYVANE_ICON_SIZES);
    std::string size;
    while (std::getline(in, size, ','))
        sizes.push_back(std::stoi(size));
    return sizes;
}

// One staging of "cmake --install" (DESTDIR, the configured prefix) shared by the tests below.
class StagedInstall : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_stage = std::make_unique<TempDir>();
        s_installed = runCommand("DESTDIR='" + s_stage->path() + "' '" SKYVANE_CMAKE_COMMAND "' --install '" +
                                 buildFolder() + "'");
    }
    static void TearDownTestSuite() { s_stage.reset(); }

    void SetUp() override { ASSERT_EQ(s_installed.status, 0) << s_installed.output; }

    static std::string root() { return s_stage->path() + SKYVANE_INSTALL_PREFIX; }
    static std::string binary() { return root() + "/" SKYVANE_INSTALL_BINDIR "/skyvane"; }
    static std::string share() { return root() + "/" SKYVANE_INSTALL_DATADIR; }

    static std::unique_ptr<TempDir> s_stage;
    static CommandResult s_installed;
};

std::unique_ptr<TempDir> StagedInstall::s_stage;
CommandResult StagedInstall::s_installed;

} // namespace

TEST_F(StagedInstall, EverythingLandsInTheUsualPlaces)
{
    EXPECT_TRUE(fs::is_regular_file(binary()));
    EXPECT_TRUE(fs::is_regular_file(share() + "/skyvane/data.pk"));
    EXPECT_TRUE(fs::is_regular_file(share() + "/applications/skyvane.desktop"));
    EXPECT_TRUE(fs::is_regular_file(share() + "/metainfo/com.corvidane.Skyvane.metainfo.xml"));
    for (int size : iconSizes()) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::vector<std::uint8_t> png =
            readFileBytes(share() + "/icons/hicolor/" + name + "/apps/skyvane.png");
        const DecodedImage icon = decodePng(png.data(), png.size());
        EXPECT_EQ(icon.width, size) << name;
        EXPECT_EQ(icon.height, size) << name;
    }
    // Nothing outside the prefix.
    for (const std::string& file : filesBelow(s_stage->path()))
        EXPECT_EQ(("/" + file).rfind(SKYVANE_INSTALL_PREFIX "/", 0), 0u) << file;
}

// The staged binary stands outside the configured prefix: it finds its data from where it is.
TEST_F(StagedInstall, TheGameRunsFromAnyFolderAndWritesOnlyInTheUsersFolder)
{
    TempDir elsewhere, home, logs;
    const std::vector<std::string> before = filesBelow(s_stage->path());
    auto game = startGame(binary(), elsewhere.path(), home.path(), logs.file("stderr"), "dummy");
    ASSERT_TRUE(game->started());
    // Without its data it would have left at once.
    EXPECT_FALSE(game->waitForExit(4.0)) << "stderr: " << logs.read("stderr");
    game->terminate();
    ASSERT_TRUE(game->waitForExit(20.0));
    EXPECT_EQ(game->exitStatus(), 0);
    EXPECT_EQ(logs.read("stderr"), "");

    EXPECT_EQ(filesBelow(s_stage->path()), before);
    EXPECT_TRUE(filesBelow(elsewhere.path()).empty());
    const std::string saves = home.path() + "/.local/share/Corvidane/Skyvane";
    EXPECT_TRUE(fs::is_directory(saves));
    EXPECT_FALSE(fs::exists(saves + "/errors.log"));
}

// Without a display (the X11 driver with nowhere to connect to, or no driver asked for at all: SDL
// would settle for drawing off screen) or without its data pack, the game says so in one line and
// fails, never running unseen.
TEST_F(StagedInstall, WithoutADisplayOrItsDataTheGameSaysSoInOneLineAndFails)
{
    TempDir bare; // the binary alone, in a fresh prefix
    fs::create_directories(bare.file("bin"));
    fs::copy_file(binary(), bare.file("bin/skyvane"));
    const struct {
        std::string program, driver, says;
        int status;
    } cases[] = {{binary(), "x11", "", 1},
                 {binary(), "", "no display", 1},
                 {bare.file("bin/skyvane"), "dummy", "data.pk", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program + " " + c.driver);
        if (c.driver.empty() && fs::exists("/dev/dri"))
            continue; // this machine may show the game on its console
        if (c.status == 2 && fs::exists(SKYVANE_INSTALLED_DATA "/data.pk"))
            continue; // a game installed on this machine would be found instead
        TempDir home, logs;
        auto game = startGame(c.program, home.path(), home.path(), logs.file("stderr"), c.driver);
        ASSERT_TRUE(game->waitForExit(30.0));
        EXPECT_EQ(game->exitStatus(), c.status);
        const std::vector<std::string> lines = linesOf(logs.file("stderr"));
        ASSERT_EQ(lines.size(), 1u) << logs.read("stderr");
        EXPECT_EQ(lines[0].rfind("skyvane: ", 0), 0u) << lines[0];
        EXPECT_NE(lines[0].find(c.says), std::string::npos) << lines[0];
    }
}
