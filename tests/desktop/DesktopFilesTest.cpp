#include "GameProcess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string readText(const std::string& path)
{
    std::ifstream in(path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace

TEST(DesktopFiles, TheDesktopEntryPassesItsValidatorWithoutAHint)
{
    const CommandResult result = runCommand("desktop-file-validate '" SKYVANE_DESKTOP_ENTRY "'");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(result.output, "");
}

TEST(DesktopFiles, TheMetainfoPassesItsValidatorAndDescribesThisRelease)
{
    const CommandResult result = runCommand("appstreamcli validate --strict --no-net '" SKYVANE_METAINFO "'");
    EXPECT_EQ(result.status, 0) << result.output;

    const std::string text = readText(SKYVANE_METAINFO);
    EXPECT_NE(text.find("<release version=\"" SKYVANE_VERSION "\""), std::string::npos)
        << "the newest release must be the project's version";
    EXPECT_EQ(text.find('@'), std::string::npos) << "a placeholder was left unfilled";
}
