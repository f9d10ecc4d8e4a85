#include "app/DisplayClock.h"

#include <algorithm>
#include <cmath>

namespace NLib {

double DisplayClock::now(double realMs)
{
    if (m_started) {
        // Whole refreshes since the last frame, at least one: a frame is never shown twice.
        const double periods = std::max(1.0, std::round((realMs - m_lastMs) / m_periodMs));
        const double snapped = m_lastMs + periods * m_periodMs;
        // Off by more than a quarter period, the display's real rate has drifted from the one
        // it reports (or a frame came twice in one refresh): the grid starts again from now.
        if (std::abs(snapped - realMs) < m_periodMs * 0.25) {
            m_lastMs = snapped;
            return m_lastMs;
        }
    }
    m_started = true;
    m_lastMs = realMs;
    return m_lastMs;
}

} // namespace NLib
