#pragma once

#include <cstddef>
#include <vector>

namespace datagen::audio {

// A circular delay line with linear interpolation for fractional, modulated taps.
class DelayLine final {
public:
    explicit DelayLine(std::size_t maxSamples) : m_buffer(maxSamples + 2, 0.0f) {}

    void push(float x)
    {
        m_buffer[m_write] = x;
        m_write = (m_write + 1) % m_buffer.size();
    }
    // The sample pushed `delay` samples before the latest one (delay >= 1).
    float tap(double delay) const;

private:
    std::vector<float> m_buffer;
    std::size_t m_write = 0;
};

// Feedback echo, tempo-synced by its caller.
class Echo final {
public:
    Echo(double delaySeconds, float feedback, float damping);
    float process(float x);

private:
    DelayLine m_line;
    double m_delay;
    float m_feedback;
    float m_damping;
    float m_lowpass = 0.0f;
};

} // namespace datagen::audio
