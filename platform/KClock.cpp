#include "platform/KClock.h"

#include "platform/KWindow.h"

#include <SDL.h>

#include <chrono>
#include <thread>

namespace {

struct ClockState {
    bool manual = false;
    double manualNow = 0.0;
    double gameTotal = 0.0;
    double lastSample = -1.0;
};

ClockState& clockState()
{
    static ClockState s;
    return s;
}

double countsToMs(std::uint64_t counts)
{
    static const double frequency = static_cast<double>(SDL_GetPerformanceFrequency());
    return static_cast<double>(counts) * 1000.0 / frequency;
}

} // namespace

double getRealMilliseconds()
{
    if (clockState().manual)
        return clockState().manualNow;
    static const std::uint64_t start = SDL_GetPerformanceCounter();
    return countsToMs(SDL_GetPerformanceCounter() - start);
}

double getMilliseconds()
{
    ClockState& c = clockState();
    const double now = getRealMilliseconds();
    if (c.lastSample >= 0.0 && now > c.lastSample)
        c.gameTotal += now - c.lastSample;
    c.lastSample = now;
    return c.gameTotal;
}

void resetClock()
{
    clockState().lastSample = getRealMilliseconds();
}

void waitMilliseconds(double ms, bool dispatch)
{
    const double end = getMilliseconds() + ms;
    while (getMilliseconds() < end) {
        if (dispatch)
            if (KWindow* window = KWindow::current())
                window->pumpMessages();
        if (clockState().manual)
            advanceManualClock(1.0);
    }
}

void sleepMilliseconds(std::uint32_t ms)
{
    if (clockState().manual)
        advanceManualClock(ms);
    else
        SDL_Delay(ms);
}

void sleepPrecise(double ms)
{
    if (ms <= 0.0)
        return;
    if (clockState().manual) {
        advanceManualClock(ms);
        return;
    }
    // The kernel's high-resolution timers wake well within a millisecond of the deadline, so
    // there is no need to spin on the clock for the last part (which only burns a core).
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
}

void setManualClock(bool manual)
{
    ClockState& c = clockState();
    if (c.manual == manual)
        return;
    c.manual = manual;
    c.manualNow = 0.0;
    c.lastSample = -1.0;
    getMilliseconds();
}

bool isManualClock()
{
    return clockState().manual;
}

void advanceManualClock(double ms)
{
    if (ms > 0.0)
        clockState().manualNow += ms;
}
