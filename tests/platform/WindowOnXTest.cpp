// The window as a desktop sees it: a private virtual X server (Xvfb) watched by a client of its
// own, so that every window the game maps or takes down is seen, however briefly.

#include "VirtualXServer.h"

#include "platform/KRendererChoice.h"
#include "platform/KWindow.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <memory>
#include <thread>

// Last: Xlib's macros (None, Bool, Status) would otherwise rewrite the test library's names.
#include <X11/Xlib.h>

namespace {

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
