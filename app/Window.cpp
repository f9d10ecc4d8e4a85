#include "app/Window.h"

#include "app/DisplayClock.h"

#include "platform/KClock.h"
#include "platform/KDrawBlend.h"

#include <memory>

namespace NLib {

namespace {
Window* g_instance = nullptr;
}

Window::Window()
{
    g_instance = this;
}

Window::~Window()
{
    m_window.reset();
    if (g_instance == this)
        g_instance = nullptr;
}

Window* Window::instance()
{
    return g_instance;
}

bool Window::create(std::uint16_t width, std::uint16_t height, std::uint16_t depth, bool windowed,
                    const std::string& title)
{
    m_window = createWindow(0, true);
    m_windowed = windowed;
    // The platform has logged why.
    if (!m_window->openWindow(width, height, depth, windowed, title))
        return false;
    m_window->setFrameRateCap(60);
    if (const int refresh = m_window->pacingRefreshRate(); refresh > 0) {
        // The vertical sync waits; the cap only keeps a driver that ignores it from spinning.
        m_window->setFrameRateCap(refresh);
        auto clock = std::make_shared<DisplayClock>(refresh);
        setDisplayClock([clock] { return clock->now(getRealMilliseconds()); });
    }
    m_window->setEventCallback([this](const KEvent& event) { return handleEvent(event); });
    return true;
}

void Window::setDisplayClock(std::function<double()> clock)
{
    m_displayClock = std::move(clock);
    m_pacer.restart();
    KDrawBlend::set(std::nullopt);
}

void Window::frame()
{
    const double start = getRealMilliseconds();
    KFramePacer::Tick tick;
    if (m_displayClock)
        tick = m_pacer.advance(m_displayClock());
    for (int step = 0; step < tick.steps; ++step)
        update(kFrameStep);
    m_updateMs = getRealMilliseconds() - start;
    KDrawBlend::set(m_displayClock ? std::optional<float>(tick.blend) : std::nullopt);
    if (m_drawing) {
        if (m_window) {
            m_window->setViewTransform(0, 0, 0, 1, true);
            m_window->setClearColor(0, 0, 0, 1);
        }
        draw();
        if (m_window)
            m_window->presentFrame(true, false);
    }
    m_frameMs = getRealMilliseconds() - start;
    beforeInput();
    if (m_window)
        m_window->pumpMessages();

    const float now = static_cast<float>(getRealMilliseconds() * 0.001);
    ++m_frameCount;
    if (now - m_lastMeasure > 1.0f) {
        m_fps = static_cast<float>(m_frameCount) / (now - m_lastMeasure);
        m_lastMeasure = now;
        m_frameCount = 0;
    }
}

void Window::setFullScreen()
{
    if (m_window)
        m_window->switchDisplayMode(true);
    // A switch the system refused leaves the window as it was; the flag says what it really is.
    m_windowed = m_window && !m_window->isFullScreen();
}

void Window::setWindowed()
{
    if (m_window)
        m_window->switchDisplayMode(false);
    m_windowed = !m_window || !m_window->isFullScreen();
}

bool Window::handleEvent(const KEvent& event)
{
    const float x = static_cast<float>(event.mouseX);
    const float y = static_cast<float>(event.mouseY);
    switch (event.type) {
    case K_EVENT_MOUSE_DOWN:
        if (event.button == K_BUTTON_LEFT)
            onLeftButtonDown(x, y);
        else if (event.button == K_BUTTON_RIGHT)
            onRightButtonDown(x, y);
        break;
    case K_EVENT_MOUSE_UP:
        if (event.button == K_BUTTON_LEFT)
            onLeftButtonUp(x, y);
        else if (event.button == K_BUTTON_RIGHT)
            onRightButtonUp(x, y);
        break;
    case K_EVENT_MOUSE_MOVE:
        onMouseMove(x, y);
        break;
    case K_EVENT_KEY_DOWN:
        onKeyDown(event.virtualKey);
        break;
    case K_EVENT_ACTIVATED:
        onActivate();
        break;
    case K_EVENT_DEACTIVATED:
        onDeactivate();
        break;
    default:
        break;
    }
    return true;
}

void Window::update(float)
{
}
void Window::draw()
{
}
void Window::onMouseMove(float, float)
{
}
void Window::onLeftButtonUp(float, float)
{
}
void Window::onLeftButtonDown(float, float)
{
}
void Window::onRightButtonUp(float, float)
{
}
void Window::onRightButtonDown(float, float)
{
}
void Window::onKeyDown(int)
{
}
void Window::onActivate()
{
}
void Window::onDeactivate()
{
}
void Window::beforeInput()
{
    if (m_inputSource)
        m_inputSource();
}

} // namespace NLib
