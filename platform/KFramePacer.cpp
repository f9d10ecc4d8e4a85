#include "platform/KFramePacer.h"

#include <algorithm>

KFramePacer::Tick KFramePacer::advance(double displayMs)
{
    Tick tick;
    if (!m_started || displayMs - m_worldMs > kMostStepsAtOnce * kStepMs || displayMs < m_worldMs - kStepMs) {
        m_started = true;
        m_worldMs = displayMs;
        return tick;
    }
    // A frame a hair before a step's time counts as on it: a 60 Hz display's clock never drifts
    // into skipping or doubling a step.
    constexpr double kTolerance = kStepMs * 1e-3;
    tick.steps = 0;
    while (m_worldMs < displayMs - kTolerance) {
        m_worldMs += kStepMs;
        ++tick.steps;
    }
    const double ahead = m_worldMs - displayMs;
    tick.blend = ahead < kTolerance ? 1.0f : static_cast<float>(std::clamp(1.0 - ahead / kStepMs, 0.0, 1.0));
    return tick;
}
