#pragma once

#include "platform/KEvent.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The one game window and its frame cycle. Drawing goes to an 800 x 600 logical picture that is
// shown 1:1 in a window or scaled with letterboxing in desktop full screen.
class KWindow {
public:
    virtual ~KWindow() = default;
    KWindow(const KWindow&) = delete;
    KWindow& operator=(const KWindow&) = delete;

    // The open window, or null.
    static KWindow* current();

    virtual void resetView() = 0;
    // View for all following drawing: shift, turn (degrees) and zoom; clear fills the picture
    // with the clear colour.
    virtual void setViewTransform(float x, float y, float angle, float zoom, bool clear) = 0;
    virtual void setClearColor(float r, float g, float b, float a) = 0;
    virtual bool openWindow(int width, int height, int depth, bool windowed, const std::string& title) = 0;
    virtual void requestQuit() = 0;
    // Returns the full-screen flag unchanged when already in that mode, else true.
    virtual bool switchDisplayMode(bool fullScreen) = 0;
    virtual bool isFullScreen() const = 0;
    virtual bool isForeground() const = 0;
    virtual void setCaption(const std::string& text) = 0;
    // The picture the desktop shows for the window: RGBA rows of width x height.
    virtual bool setIcon(const std::vector<std::uint8_t>& rgba, int width, int height) = 0;
    // Shows the frame, handles input, holds to the frame-rate cap and, when asked, blocks while
    // the window is not in front (events 101 and 100 around the pause).
    virtual void presentFrame(bool pauseWhenInactive, bool resetViewAfter) = 0;
    virtual void pumpMessages() = 0;
    virtual bool isQuitRequested() const = 0;
    virtual bool setQuitRequested(bool flag) = 0;
    virtual void* nativeHandle() const = 0;
    // fps > 0 limits frames to one per 1000 / fps ms; 0 no limit; below 0 no limit and no vsync.
    virtual void setFrameRateCap(int fps) = 0;
    virtual int getFrameTimeLimit() const = 0;
    // The display's refresh rate (Hz) when it paces the frames: a graphics card presenting in
    // step with the vertical sync. 0 when drawing in software or headless.
    virtual int pacingRefreshRate() const = 0;
    // Whether a graphics card draws (not SDL's software renderer): large soft overlays that a
    // card blends for nothing cost a software renderer whole milliseconds.
    virtual bool isAccelerated() const = 0;
    // Below 1 every frame is darkened with black of opacity 1 - level.
    virtual void setFadeAmount(float level) = 0;
    virtual int getWidth() const = 0;
    virtual int getHeight() const = 0;
    virtual void showNormal() = 0;
    virtual void showMinimized() = 0;
    // Writes the current picture as a PNG file.
    virtual bool saveScreenshot(const std::string& path) = 0;
    virtual void setEventCallback(KEventCallback callback) = 0;
    // Calls fn(width, height, depth, refresh) per display mode until it returns false.
    virtual void enumerateDisplayModes(const std::function<bool(int, int, int, int)>& fn) = 0;

protected:
    KWindow() = default;
};

// The window factory. The first argument is unused; extraClears is accepted for the game's call
// and changes nothing (one clear of the picture serves).
std::unique_ptr<KWindow> createWindow(int renderer, bool extraClears);
