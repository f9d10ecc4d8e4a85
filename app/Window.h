#pragma once

#include "gameplay/PlayConstants.h"
#include "platform/KEvent.h"
#include "platform/KFramePacer.h"
#include "platform/KWindow.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace NLib {

// The application's window: owns the platform window, runs one frame at a time with a fixed
// world step and turns the platform's input events into the handlers below. One per process.
// Where a graphics card shows the frames in step with the display, the world keeps its 60 steps
// a second by the display's clock and each frame is drawn between the last two steps.
class Window {
public:
    static constexpr float kFrameStep = NVolant::kFrameStepMs;

    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    static Window* instance();

    // Opens the platform window, caps it at 60 frames per second (or paces it by the display)
    // and hooks up the events.
    bool create(std::uint16_t width, std::uint16_t height, std::uint16_t depth, bool windowed,
                const std::string& title);
    // Update (the steps due), draw, present (pausing while in the background), input, rate
    // measurement.
    void frame();
    // Paces the world by this clock (ms, the time the frame is shown): each frame runs the world
    // steps due by then and draws between the last two. Null: one step a frame.
    void setDisplayClock(std::function<double()> clock);
    bool isPacedByDisplay() const { return static_cast<bool>(m_displayClock); }
    // Off: frames step the world and take input but draw and show nothing (computer flights that
    // only want the outcome; drawing never changes the world).
    void setDrawing(bool on) { m_drawing = on; }

    bool isFullScreen() const { return !m_windowed; }
    void setFullScreen();
    void setWindowed();
    // Frames per second over the last whole second; 0 during the first.
    float fps() const { return m_fps; }
    // Called in every frame after the picture is shown and before the input is taken: where a
    // computer player puts its input, exactly where a player's would arrive. Null: none.
    void setInputSource(std::function<void()> source) { m_inputSource = std::move(source); }
    // Real time the last frame's update took, and its update, draw and present together (ms).
    // The renderer batches its drawing until the present, so the picture's cost shows there.
    double lastUpdateMs() const { return m_updateMs; }
    double lastFrameMs() const { return m_frameMs; }
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
    // Where the input source runs in each frame (see setInputSource).
    virtual void beforeInput();

protected:
    // Drops the platform window early (the application's shutdown order wants it last, but a
    // failed start-up may need it gone).
    void destroyPlatformWindow() { m_window.reset(); }

private:
    bool handleEvent(const KEvent& event);

    std::unique_ptr<KWindow> m_window;
    bool m_windowed = false;
    bool m_drawing = true;
    float m_fps = 0.0f;
    std::uint32_t m_frameCount = 0;
    float m_lastMeasure = 0.0f;
    double m_updateMs = 0.0;
    double m_frameMs = 0.0;
    std::function<void()> m_inputSource;
    std::function<double()> m_displayClock;
    KFramePacer m_pacer;
};

} // namespace NLib
