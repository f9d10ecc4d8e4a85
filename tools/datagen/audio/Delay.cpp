#include "audio/Delay.h"

#include "audio/AudioBuffer.h"

#include <cmath>

namespace datagen::audio {

float DelayLine::tap(double delay) const
{
    const std::size_t size = m_buffer.size();
    const double position = static_cast<double>(m_write) - delay + static_cast<double>(size) * 2.0;
    const double whole = std::floor(position);
    const auto i0 = static_cast<std::size_t>(whole) % size;
    const std::size_t i1 = (i0 + 1) % size;
    const auto frac = static_cast<float>(position - whole);
    return m_buffer[i0] + (m_buffer[i1] - m_buffer[i0]) * frac;
}

Echo::Echo(double delaySeconds, float feedback, float damping)
    : m_line(samplesFor(delaySeconds) + 4), m_delay(static_cast<double>(samplesFor(delaySeconds))),
      m_feedback(feedback), m_damping(damping)
{
}

float Echo::process(float x)
{
    const float delayed = m_line.tap(m_delay);
    m_lowpass += (1.0f - m_damping) * (delayed - m_lowpass);
    m_line.push(x + m_lowpass * m_feedback);
    return delayed;
}

} // namespace datagen::audio
