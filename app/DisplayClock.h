#pragma once

namespace NLib {

// The display's own clock, read after each present: the real time snapped to the refresh
// period, so frames shown one refresh apart are exactly one period apart (the timer's jitter
// would otherwise come back as uneven movement). A missed refresh counts whole periods; a time
// far off the grid starts it again.
class DisplayClock final {
public:
    explicit DisplayClock(int refreshHz) : m_periodMs(1000.0 / (refreshHz > 0 ? refreshHz : 60)) {}

    double now(double realMs);
    double periodMs() const { return m_periodMs; }

private:
    double m_periodMs;
    bool m_started = false;
    double m_lastMs = 0.0;
};

} // namespace NLib
