#pragma once

#include <cstdint>

// Game time in milliseconds: a running total that only grows by the time passed between calls,
// so resetClock() after a pause makes the pause vanish from it.
double getMilliseconds();
// The next getMilliseconds() counts from now, without a jump.
void resetClock();
// Busy-waits ms milliseconds of game time; with dispatch, window messages are handled meanwhile.
void waitMilliseconds(double ms, bool dispatch);

// Real time in milliseconds since the clock started (for rate figures and the frame cap).
double getRealMilliseconds();
// Sleeps for the bulk of ms, then spins the last millisecond.
void sleepPrecise(double ms);
void sleepMilliseconds(std::uint32_t ms);

// Tests and replays run on a manual clock: time then moves only when advanced (sleeps advance it
// at once), so frames are deterministic and never wait for the wall clock.
void setManualClock(bool manual);
bool isManualClock();
void advanceManualClock(double ms);
