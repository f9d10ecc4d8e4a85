// The window as a desktop sees it: a private virtual X server (Xvfb) watched by a client of its
// own, so that every window the game maps or takes down is seen, however briefly.

#include "platform/KRendererChoice.h"
#include "platform/KWindow.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Last: Xlib's macros (None, Bool, Status) would otherwise rewrite the test library's names.
#include <X11/Xlib.h>

namespace {

// Xvfb on a display number it picks itself (so parallel tests never share one), for as long as
// the object lives; display() is null when there is no Xvfb on this machine.
class VirtualXServer final {
public:
    VirtualXServer()
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
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x800x24", "-nolisten",
                   "tcp", static_cast<char*>(nullptr));
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
    ~VirtualXServer()
    {
        if (m_display)
            XCloseDisplay(m_display);
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    VirtualXServer(const VirtualXServer&) = delete;
    VirtualXServer& operator=(const VirtualXServer&) = delete;

    Display* display() const { return m_display; }
    const std::string& name() const { return m_name; }

private:
    pid_t m_pid = -1;
    std::string m_name;
    Display* m_display = nullptr;
};

// What became of the top-level windows since watching began.
struct TopLevelHistory {
    int maps = 0;
    int unmaps = 0;
    int mappedThenDestroyed = 0;
};

TopLevelHistory readHistory(Display* display)
{
    XSync(display, False);
    TopLevelHistory history;
    std::map<Window, bool> everMapped;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            ++history.maps;
            everMapped[event.xmap.window] = true;
        } else if (event.type == UnmapNotify) {
            ++history.unmaps;
        } else if (event.type == DestroyNotify && everMapped[event.xdestroywindow.window]) {
            ++history.mappedThenDestroyed;
        }
    }
    return history;
}

} // namespace

// Choosing the renderer may build the window anew (trying OpenGL, falling back to software):
// the player still sees one window appear, once, and stay.
TEST(WindowOnX, TheRendererChoiceShowsOneWindowOnce)
{
    VirtualXServer server;
    if (!server.display())
        GTEST_SKIP() << "no Xvfb here";
    XSelectInput(server.display(), DefaultRootWindow(server.display()), SubstructureNotifyMask);
    XSync(server.display(), False);
    setenv("DISPLAY", server.name().c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    KRendererChoice::request("auto");

    for (const bool windowed : {true, false}) {
        SCOPED_TRACE(windowed ? "windowed" : "full screen");
        std::unique_ptr<KWindow> window = createWindow(0, true);
        ASSERT_TRUE(window->openWindow(800, 600, 32, windowed, "Skyvane"));
        for (int frame = 0; frame < 5; ++frame) {
            window->setViewTransform(0, 0, 0, 1, true);
            window->presentFrame(false, false);
            window->pumpMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        const TopLevelHistory history = readHistory(server.display());
        EXPECT_EQ(history.maps, 1);
        EXPECT_EQ(history.unmaps, 0);
        EXPECT_EQ(history.mappedThenDestroyed, 0);
        window.reset();
        readHistory(server.display());
    }
}
