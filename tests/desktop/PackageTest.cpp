// The Debian package as a distribution would take it: built by CPack from this build, unpacked
// into a scratch root with dpkg, and the game started from there.

#include "GameProcess.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

// The help's option names ("--windowed", "-h, --help") as the manual must list them.
std::vector<std::string> helpOptions(const std::string& help)
{
    std::vector<std::string> options;
    std::istringstream in(help);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("  -", 0) == 0)
            options.push_back(line.substr(2, line.find("  ", 2) - 2));
    return options;
}

} // namespace

TEST(DebianPackage, InstallsTheGameWithEverythingItNeedsAndTheGameFindsItsData)
{
    if (runCommand("command -v dpkg-deb && command -v dpkg-shlibdeps").status != 0)
        GTEST_SKIP() << "no dpkg-deb or dpkg-shlibdeps here";
    TempDir out, root;
    const CommandResult packed = runCommand(
        "cd '" + buildFolder() + "' && '" SKYVANE_CPACK_COMMAND "' -G DEB -B '" + out.path() + "'");
    ASSERT_EQ(packed.status, 0) << packed.output;
    const std::string arch = trimmed(runCommand("dpkg --print-architecture").output);
    const std::string deb = out.file("skyvane_" SKYVANE_VERSION "_" + arch + ".deb");
    ASSERT_TRUE(fs::is_regular_file(deb)) << packed.output;

    const CommandResult control =
        runCommand("dpkg-deb --field '" + deb + "' Package Version Section Depends");
    EXPECT_NE(control.output.find("Package: skyvane\nVersion: " SKYVANE_VERSION "\nSection: games\n"),
              std::string::npos)
        << control.output;
    EXPECT_NE(control.output.find("libsdl2-2.0-0"), std::string::npos) << control.output;

    ASSERT_EQ(runCommand("dpkg -x '" + deb + "' '" + root.path() + "'").status, 0);
    const std::string usr = root.file("usr");
    const std::string game = usr + "/" SKYVANE_INSTALL_BINDIR "/skyvane";
    for (const std::string& file :
         {game, usr + "/share/skyvane/data.pk", usr + "/share/applications/skyvane.desktop",
          usr + "/share/metainfo/com.corvidane.Skyvane.metainfo.xml",
          usr + "/share/icons/hicolor/256x256/apps/skyvane.png", usr + "/share/man/man6/skyvane.6.gz",
          usr + "/share/doc/skyvane/copyright", usr + "/share/doc/skyvane/changelog.gz"})
        EXPECT_TRUE(fs::is_regular_file(file)) << file;
    // Nothing lands outside /usr.
    for (const auto& entry : fs::directory_iterator(root.path()))
        EXPECT_EQ(entry.path().filename(), "usr");

    const CommandResult version = runCommand("'" + game + "' --version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, "Skyvane " SKYVANE_VERSION "\n");
    // The manual is the help: every option the game lists, the manual lists.
    const std::string help = runCommand("'" + game + "' --help").output;
    std::string manual = runCommand("gzip -dc '" + usr + "/share/man/man6/skyvane.6.gz'").output;
    for (std::size_t at = 0; (at = manual.find("\\-", at)) != std::string::npos;)
        manual.replace(at, 2, "-");
    for (const std::string remove : {"\\fB", "\\fR", "\\fI"})
        for (std::size_t at = 0; (at = manual.find(remove, at)) != std::string::npos;)
            manual.erase(at, remove.size());
    const std::vector<std::string> options = helpOptions(help);
    EXPECT_GE(options.size(), 10u) << help;
    for (const std::string& option : options)
        EXPECT_NE(manual.find("\n" + option + "\n"), std::string::npos) << option;

    // Started from elsewhere the game finds its data pack in the unpacked tree: without it, it
    // would leave at once with status 2.
    TempDir home, logs;
    const auto running = startGame(game, home.path(), home.path(), logs.file("stderr"), "dummy");
    ASSERT_TRUE(running->started());
    EXPECT_FALSE(running->waitForExit(3.0)) << logs.read("stderr");
    running->terminate();
    ASSERT_TRUE(running->waitForExit(20.0));
    EXPECT_EQ(running->exitStatus(), 0);
    EXPECT_EQ(logs.read("stderr"), "");
}
