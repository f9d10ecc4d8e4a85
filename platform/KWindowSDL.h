#pragma once

#include "platform/KGamepad.h"
#include "platform/KLetterbox.h"
#include "platform/KWindow.h"
#include "platform/KWindowFrame.h"

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <vector>

class KWindowSDL final : public KWindow {
public:
    KWindowSDL();
    ~KWindowSDL() override;

    static KWindowSDL* currentSDL();

    void resetView() override;
    void setViewTransform(float x, float y, float angle, float zoom, bool clear) override;
    void setClearColor(float r, float g, float b, float a) override;
    bool openWindow(int width, int height, int depth, bool windowed, const std::string& title) override;
    void requestQuit() override { m_quit = true; }
    bool switchDisplayMode(bool fullScreen) override;
    bool isFullScreen() const override { return m_fullScreen; }
    bool isForeground() const override { return m_focused && !m_minimised; }
    void setCaption(const std::string& text) override;
    bool setIcon(const std::vector<std::uint8_t>& rgba, int width, int height) override;
    void presentFrame(bool pauseWhenInactive, bool resetViewAfter) override;
    void pumpMessages() override;
    bool isQuitRequested() const override { return m_quit; }
    bool setQuitRequested(bool flag) override { return m_quit = flag; }
    void* nativeHandle() const override { return m_window; }
    void setFrameRateCap(int fps) override;
    int getFrameTimeLimit() const override { return m_frameLimit; }
    int pacingRefreshRate() const override;
    bool isAccelerated() const override;
    void setFadeAmount(float level) override { m_fade = level < 0 ? 0 : level; }
    int getWidth() const override { return m_width; }
    int getHeight() const override { return m_height; }
    void showNormal() override;
    void showMinimized() override;
    bool saveScreenshot(const std::string& path) override;
    void setEventCallback(KEventCallback callback) override { m_callback = std::move(callback); }
    void enumerateDisplayModes(const std::function<bool(int, int, int, int)>& fn) override;

    // Where the picture sits in the window right now.
    KLetterbox letterbox() const;
    void warpPointer(int x, int y);
    // The logical picture as RGBA rows (what the last frame drew).
    bool readPicture(std::vector<std::uint8_t>& rgba, int& width, int& height);
    // The whole window output, bars included.
    bool readOutput(std::vector<std::uint8_t>& rgba, int& width, int& height);
    // Throws the renderer away and makes a new one, rebuilding every image (what a lost device
    // forces).
    bool recreateRenderer();
    SDL_Window* sdlWindow() const { return m_window; }
    int screenshotCount() const { return m_screenshots; }
    // The game controllers, or null when SDL has no gamepad support here.
    KGamepad* gamepad() const { return m_gamepad.get(); }

private:
    bool createRenderer();
    bool isSoftwareRenderer() const;
    void processEvent(const SDL_Event& event);
    void pressButton(int button, bool down);
    void pressKey(int virtualKey, bool down, bool repeat, int scancode);
    // Gamepad input enters as the pointer, buttons and keys it stands for.
    void applyPadActions();
    void deliver(const KEvent& event);
    KEvent pointerEvent(std::int32_t type, int button) const;
    // Handles events, blocking briefly, until the window is in front again or closed.
    void waitWhileInactive();
    void takeScreenshot();
    void present();

    SDL_Window* m_window = nullptr;
    KWindowFrame m_frame;
    bool m_ownsVideo = false;
    int m_width = kScreenWidth;
    int m_height = kScreenHeight;
    int m_depth = 32;
    std::string m_title;
    bool m_fullScreen = false;
    bool m_quit = false;
    bool m_focused = true;
    bool m_minimised = false;
    bool m_deviceLost = false;
    SDL_Color m_clear{0, 0, 0, 255};
    int m_frameLimit = 0;
    double m_lastFrameEnd = 0.0;
    float m_fade = 1.0f;
    int m_screenshots = 0;
    bool m_screenshotPending = false;
    KEventCallback m_callback;
    std::unique_ptr<KGamepad> m_gamepad;
    std::vector<KPadAction> m_padActions;
};
