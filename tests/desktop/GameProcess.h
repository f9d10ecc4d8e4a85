#pragma once

#include <map>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

// A program started as a child process in a folder of its choosing, with an environment of
// exactly the given variables and its standard error caught in a file.
class GameProcess final {
public:
    GameProcess(const std::string& program, const std::string& workingFolder,
                const std::map<std::string, std::string>& environment, const std::string& stderrFile);
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool started() const { return m_pid > 0; }
    // Waits up to seconds for the program to end; true when it has.
    bool waitForExit(double seconds);
    void terminate();
    // The exit status, or -1 when it was ended by a signal (or is still running).
    int exitStatus() const { return m_status; }
    bool running() const { return m_pid > 0 && !m_exited; }

private:
    pid_t m_pid = -1;
    bool m_exited = false;
    int m_status = -1;
};

// What a command prints (standard output and error together) and its exit status.
struct CommandResult {
    int status = -1;
    std::string output;
};
CommandResult runCommand(const std::string& command);

// The lines of a text file (a caught standard error), without empty ones.
std::vector<std::string> linesOf(const std::string& path);
// Every file below folder, as paths relative to it, sorted.
std::vector<std::string> filesBelow(const std::string& folder);

// The build folder the tests run in (SKYVANE_BUILD_DIR, else the working directory).
std::string buildFolder();
// The game started from folder in a desktop session without a display server, home at home, the
// sound off, the video driver given (none when empty); sanitizer settings pass through.
std::unique_ptr<GameProcess> startGame(const std::string& program, const std::string& folder,
                                       const std::string& home, const std::string& stderrFile,
                                       const std::string& videoDriver);
