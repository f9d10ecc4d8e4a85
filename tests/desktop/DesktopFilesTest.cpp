#include "GameProcess.h"

#include "platform/FileBytes.h"

#include <gtest/gtest.h>

#include <string>

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

    const std::vector<std::uint8_t> bytes = readFileBytes(SKYVANE_METAINFO);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("<release version=\"" SKYVANE_VERSION "\""), std::string::npos)
        << "the newest release must be the project's version";
    EXPECT_EQ(text.find('@'), std::string::npos) << "a placeholder was left unfilled";
}
