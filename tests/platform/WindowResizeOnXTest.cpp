// The window resized, maximised and put full screen under a real (virtual) X server with no
// window manager, read back from the X server itself: what the player sees, not what SDL thinks.

#include "VirtualXServer.h"

#include "platform/KInput.h"
#include "platform/KRendererChoice.h"
#include "platform/KWindow.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <thread>

// Last: the X headers' macros (None, Bool, Status) would otherwise rewrite the test library's names.
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xutil.h>

namespace {

struct Geometry {
    int width = 0;
    int height = 0;
};

::Window xWindowOf(const KWindow& window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    auto* sdlWindow = static_cast<SDL_Window*>(window.nativeHandle());
    return SDL_GetWindowWMInfo(sdlWindow, &info) ? info.info.x11.window : 0;
}

Geometry geometryOf(Display* display, ::Window window)
{
    ::Window root = 0;
    int x = 0, y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    XGetGeometry(display, window, &root, &x, &y, &width, &height, &border, &depth);
    return {static_cast<int>(width), static_cast<int>(height)};
}

// A few frames: a blue picture, dark bars (the frame's clear colour), time for X to catch up.
void showFrames(KWindow& window)
{
    for (int frame = 0; frame < 6; ++frame) {
        window.setClearColor(0, 0, 1, 1);
        window.setViewTransform(0, 0, 0, 1, true);
        window.setClearColor(0.1f, 0.1f, 0.1f, 1);
        window.presentFrame(false, false);
        window.pumpMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
}

bool isPicture(XImage* image, int x, int y)
{
    return (XGetPixel(image, x, y) & 0xFFFFFFu) == 0x0000FFu;
}

} // namespace

TEST(WindowOnX, ResizedMaximisedAndFullScreenTheWholePictureShowsAndThePointerHitsExactly)
{
    VirtualXServer server("1920x1200x24");
    if (!server.display())
        GTEST_SKIP() << "no Xvfb here";
    Display* display = server.display();
    setenv("DISPLAY", server.name().c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    KRendererChoice::request("auto");
    std::unique_ptr<KWindow> window = createWindow(0, true);
    ASSERT_TRUE(window->openWindow(800, 600, 32, true, "Skyvane"));
    const ::Window xWindow = xWindowOf(*window);
    ASSERT_NE(xWindow, 0u);

    enum class Change { Keep, Resize, FullScreen, Windowed };
    struct Step {
        Change change;
        int width, height;
    };
    // What the player does, then the size X must show.
    const Step steps[] = {{Change::Keep, 800, 600},      {Change::Resize, 1000, 700},
                          {Change::Resize, 1600, 900},   {Change::FullScreen, 1920, 1200},
                          {Change::Windowed, 1600, 900}, {Change::Resize, 1600, 1200},
                          {Change::Resize, 640, 600}};
    for (const Step& step : steps) {
        SCOPED_TRACE(std::to_string(step.width) + "x" + std::to_string(step.height));
        if (step.change == Change::Resize)
            XMoveResizeWindow(display, xWindow, 0, 0, static_cast<unsigned>(step.width),
                              static_cast<unsigned>(step.height));
        else if (step.change != Change::Keep)
            window->switchDisplayMode(step.change == Change::FullScreen);
        XSync(display, False);
        showFrames(*window);
        XSync(display, False);
        const Geometry real = geometryOf(display, xWindow);
        ASSERT_EQ(real.width, step.width);
        ASSERT_EQ(real.height, step.height);

        // The picture fills the largest 4:3 rectangle, centred; the rest is the dark bars.
        const float scale = std::min(step.width / 800.0f, step.height / 600.0f);
        const int left = static_cast<int>(std::floor((step.width - 800 * scale) / 2));
        const int top = static_cast<int>(std::floor((step.height - 600 * scale) / 2));
        const int right = left + static_cast<int>(std::lround(800 * scale)) - 1;
        const int bottom = top + static_cast<int>(std::lround(600 * scale)) - 1;
        XImage* image = XGetImage(display, xWindow, 0, 0, static_cast<unsigned>(step.width),
                                  static_cast<unsigned>(step.height), AllPlanes, ZPixmap);
        ASSERT_NE(image, nullptr);
        EXPECT_TRUE(isPicture(image, left, top));
        EXPECT_TRUE(isPicture(image, right, bottom));
        EXPECT_TRUE(isPicture(image, step.width / 2, step.height / 2));
        if (left > 0) {
            EXPECT_EQ(XGetPixel(image, left - 1, step.height / 2) & 0xFFFFFFu, 0x191919u);
        }
        if (top > 0) {
            EXPECT_EQ(XGetPixel(image, step.width / 2, top - 1) & 0xFFFFFFu, 0x191919u);
        }
        XDestroyImage(image);

        // The X pointer at the first window pixel of a logical pixel is that logical pixel.
        for (const auto& [x, y] : {std::pair{0, 0}, {400, 300}, {799, 599}, {123, 457}}) {
            const int wx = static_cast<int>(std::ceil(left + x * scale));
            const int wy = static_cast<int>(std::ceil(top + y * scale));
            // Shrunk below its size, not every logical pixel starts a window pixel.
            if (wx >= step.width || wy >= step.height)
                continue;
            XWarpPointer(display, 0, xWindow, 0, 0, 0, 0, wx, wy);
            XSync(display, False);
            for (int pump = 0; pump < 5 && (getMouseX() != x || getMouseY() != y); ++pump) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                window->pumpMessages();
            }
            EXPECT_EQ(getMouseX(), x) << "window " << wx;
            EXPECT_EQ(getMouseY(), y) << "window " << wy;
        }
    }
}
