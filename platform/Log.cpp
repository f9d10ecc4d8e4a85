#include "platform/Log.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

struct LogState {
    std::string folder;
    bool enabled[5] = {false, false, true, true, true}; // indexed by level; info starts off
    bool echo = true;
    std::string lastError;
};

LogState& state()
{
    static LogState s;
    return s;
}

const char* fileOfLevel(int level)
{
    switch (level) {
    case 1:
        return "infos.log";
    case 2:
        return "errors.log";
    case 3:
        return "fatals.log";
    case 4:
        return "debug.log";
    default:
        return nullptr;
    }
}

const char* nameOfLevel(LogLevel level)
{
    switch (level) {
    case LogLevel::Info:
        return "info";
    case LogLevel::Error:
        return "error";
    case LogLevel::Fatal:
        return "fatal";
    case LogLevel::Debug:
        return "debug";
    }
    return "?";
}

} // namespace

void writeLog(int level, const char* text)
{
    const char* name = fileOfLevel(level);
    LogState& s = state();
    if (!name || !s.enabled[level] || s.folder.empty() || !text)
        return;
    // Opened per message so that a crash never loses what was already written.
    const std::string path = s.folder + "/" + name;
    if (std::FILE* f = std::fopen(path.c_str(), "a+")) {
        std::fprintf(f, "%s\n", text);
        std::fclose(f);
    }
}

void setLogFolder(const std::string& folder)
{
    state().folder = folder;
    while (state().folder.size() > 1 && state().folder.back() == '/')
        state().folder.pop_back();
}

const std::string& getLogFolder()
{
    return state().folder;
}

void setLogLevelEnabled(LogLevel level, bool enabled)
{
    state().enabled[static_cast<int>(level)] = enabled;
}

const std::string& lastLoggedError()
{
    return state().lastError;
}

void setLogEcho(bool echo)
{
    state().echo = echo;
}

void deleteLogFiles()
{
    if (state().folder.empty())
        return;
    for (int level = 1; level <= 4; ++level)
        std::remove((state().folder + "/" + fileOfLevel(level)).c_str());
}

void logMessage(LogLevel level, const char* file, int line, const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);

    const char* base = std::strrchr(file, '/');
    base = base ? base + 1 : file;
    char full[1200];
    std::snprintf(full, sizeof full, "%s: %s:%d: %s", nameOfLevel(level), base, line, text);

    if (level == LogLevel::Error || level == LogLevel::Fatal)
        state().lastError = text;
    if (state().echo && (level == LogLevel::Error || level == LogLevel::Fatal || level == LogLevel::Debug))
        std::fprintf(stderr, "skyvane: %s\n", full);
    writeLog(static_cast<int>(level), full);
}
