#include "GameProcess.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

GameProcess::GameProcess(const std::string& program, const std::string& workingFolder,
                         const std::map<std::string, std::string>& environment, const std::string& stderrFile)
{
    // Everything the child needs is built before the fork.
    std::string name = program;
    char* argv[] = {name.data(), nullptr};
    std::vector<std::string> env;
    for (const auto& [name, value] : environment)
        env.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    m_pid = fork();
    if (m_pid == 0) {
        const int err = open(stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int nothing = open("/dev/null", O_RDWR);
        if (err < 0 || nothing < 0 || chdir(workingFolder.c_str()) != 0)
            _exit(126);
        dup2(nothing, 0);
        dup2(nothing, 1);
        dup2(err, 2);
        execve(program.c_str(), argv, envp.data());
        _exit(127);
    }
}

GameProcess::~GameProcess()
{
    if (running()) {
        kill(m_pid, SIGKILL);
        waitForExit(10);
    }
}

bool GameProcess::waitForExit(double seconds)
{
    if (m_pid <= 0)
        return false;
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!m_exited) {
        int status = 0;
        const pid_t done = waitpid(m_pid, &status, WNOHANG);
        if (done == m_pid) {
            m_exited = true;
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            break;
        }
        if (std::chrono::steady_clock::now() > until)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return m_exited;
}

void GameProcess::terminate()
{
    if (running())
        kill(m_pid, SIGTERM);
}

CommandResult runCommand(const std::string& command)
{
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::vector<std::string> linesOf(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

std::vector<std::string> filesBelow(const std::string& folder)
{
    std::vector<std::string> files;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (!it->is_directory())
            files.push_back(std::filesystem::relative(it->path(), folder).string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string buildFolder()
{
    const char* build = std::getenv("SKYVANE_BUILD_DIR");
    return build ? build : ".";
}

std::unique_ptr<GameProcess> startGame(const std::string& program, const std::string& folder,
                                       const std::string& home, const std::string& stderrFile,
                                       const std::string& videoDriver)
{
    std::filesystem::create_directories(home + "/run");
    std::filesystem::permissions(home + "/run", std::filesystem::perms::owner_all);
    std::map<std::string, std::string> env = {{"HOME", home},
                                              {"XDG_DATA_HOME", home + "/.local/share"},
                                              {"XDG_RUNTIME_DIR", home + "/run"},
                                              {"SDL_AUDIODRIVER", "dummy"},
                                              {"PATH", "/usr/bin:/bin"}};
    if (!videoDriver.empty())
        env["SDL_VIDEODRIVER"] = videoDriver;
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
        if (const char* value = std::getenv(name))
            env[name] = value;
    return std::make_unique<GameProcess>(program, folder, env, stderrFile);
}
