#pragma once

#include <string>

// The game's small logger. Messages carry a level, the source file and line; errors and fatal
// messages are echoed to stderr, and every enabled level is appended to its own file in the log
// folder once one is set. Debug messages are compiled out of release builds.

enum class LogLevel { Info = 1, Error = 2, Fatal = 3, Debug = 4 };

// Appends text and a newline to the file of its level ("infos.log", "errors.log", "fatals.log",
// "debug.log") in the log folder; other levels, disabled levels and an unset folder write nothing.
void writeLog(int level, const char* text);

// Where the log files go (the save folder); empty keeps the log on stderr only.
void setLogFolder(const std::string& folder);
const std::string& getLogFolder();
void setLogLevelEnabled(LogLevel level, bool enabled);
// Silences the stderr echo (tests that provoke errors on purpose, and the start-up, whose
// failures the entry function sums up in one line).
void setLogEcho(bool echo);
// The text of the latest error or fatal message, without level, file and line.
const std::string& lastLoggedError();
// Removes the four log files from the log folder.
void deleteLogFiles();

void logMessage(LogLevel level, const char* file, int line, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

#define LOG_INFO(...) logMessage(LogLevel::Info, __FILE__, __LINE__, __VA_ARGS__)
#define LOG_ERROR(...) logMessage(LogLevel::Error, __FILE__, __LINE__, __VA_ARGS__)
#define LOG_FATAL(...) logMessage(LogLevel::Fatal, __FILE__, __LINE__, __VA_ARGS__)
#ifdef NDEBUG
#define LOG_DEBUG(...) ((void)0)
#else
#define LOG_DEBUG(...) logMessage(LogLevel::Debug, __FILE__, __LINE__, __VA_ARGS__)
#endif
