#include "VirtualXServer.h"

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>

VirtualXServer::VirtualXServer(const std::string& screen)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return;
    m_pid = fork();
    if (m_pid == 0) {
        close(pipeFds[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 1);
        dup2(quiet, 2);
        const std::string fd = std::to_string(pipeFds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string number;
    char c = 0;
    while (m_pid > 0 && read(pipeFds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(pipeFds[0]);
    if (number.empty())
        return;
    m_name = ":" + number;
    m_display = XOpenDisplay(m_name.c_str());
}

VirtualXServer::~VirtualXServer()
{
    if (m_display)
        XCloseDisplay(m_display);
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}
