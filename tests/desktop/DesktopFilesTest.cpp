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

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
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
    const int screenshots = count(text, "<screenshot>") + count(text, "<screenshot ");
    EXPECT_GE(screenshots, 2);
    EXPECT_EQ(count(text, "<caption>"), screenshots);
    EXPECT_EQ(count(text, "<content_rating type=\"oars-1.1\">"), 1);
    EXPECT_EQ(count(text, "<launchable type=\"desktop-id\">skyvane.desktop</launchable>"), 1);
    EXPECT_EQ(text.find('@'), std::string::npos) << "a placeholder was left unfilled";
}
