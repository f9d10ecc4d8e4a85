#include "platform/Log.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(Log, LevelsGoToTheirOwnFilesAndInfoStartsOff)
{
    TempDir dir;
    setLogFolder(dir.path());
    setLogEcho(false);
    writeLog(1, "an info");
    writeLog(2, "an error");
    writeLog(9, "ignored");
    LOG_FATAL("value %d", 42);
    EXPECT_EQ(dir.read("infos.log"), "");
    EXPECT_EQ(dir.read("errors.log"), "an error\n");
    EXPECT_NE(dir.read("fatals.log").find("LogTest.cpp"), std::string::npos);
    EXPECT_NE(dir.read("fatals.log").find("value 42"), std::string::npos);

    setLogLevelEnabled(LogLevel::Info, true);
    writeLog(1, "now on");
    writeLog(1, "appended");
    EXPECT_EQ(dir.read("infos.log"), "now on\nappended\n");

    deleteLogFiles();
    EXPECT_EQ(dir.read("errors.log"), "");
    setLogLevelEnabled(LogLevel::Info, false);
    setLogFolder("");
    setLogEcho(true);
}

} // namespace
