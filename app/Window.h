#pragma once

#include "platform/KEvent.h"
#include "platform/KWindow.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NLib {

// The application's window: owns the platform window, runs one frame at a time with a fixed
// world step and turns the platform's input events into the handlers below. One per process.
class Window {
public:
    // The world advances by exactly this much per frame, however long the frame took.
    static constexpr float kFrameStep = 16.666666f;

    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    static Window* instance();

    // Opens the platform window, caps it at 60 frames per second and hooks up the events.
    bool create(std::uint16_t width, std::uint16_t height, std::uint16_t depth, bool windowed,
                const std::string& title);
    // Update, draw, present (pausing while in the background), input, rate measurement.
    void frame();

    bool isFullScreen() const { return !m_windowed; }
    void setFullScreen();
    void setWindowed();
    // Frames per second over the last whole second; 0 during the first.
    float fps() const { return m_fps; }
    KWindow* platformWindow() const { return m_window.get(); }

    virtual void update(float dt);
    virtual void draw();
    virtual void onMouseMove(float x, float y);
    virtual void onLeftButtonUp(float x, float y);
    virtual void onLeftButtonDown(float x, float y);
    virtual void onRightButtonUp(float x, float y);
    virtual void onRightButtonDown(float x, float y);
    virtual void onKeyDown(int key);
    virtual void onActivate();
    virtual void onDeactivate();

protected:
    // Drops the platform window early (the application's shutdown order wants it last, but a
    // failed start-up may need it gone).
    void destroyPlatformWindow() { m_window.reset(); }

private:
    bool handleEvent(const KEvent& event);

    std::unique_ptr<KWindow> m_window;
    bool m_windowed = false;
    float m_fps = 0.0f;
    std::uint32_t m_frameCount = 0;
    float m_lastMeasure = 0.0f;
};

} // namespace NLib
