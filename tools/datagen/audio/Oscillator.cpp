#include "audio/Oscillator.h"

#include "audio/AudioBuffer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace datagen::audio {

namespace {

// Residual that turns a naive step at phase 0 into a band-limited one.
double polyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double wrap(double phase)
{
    return phase - std::floor(phase);
}

} // namespace

namespace {

// One cycle of a sine in a table with a guard point; linear interpolation between entries is
// accurate to about -100 dB, plenty for synthesis, and far cheaper than std::sin.
constexpr int kSineSize = 4096;

const std::array<float, kSineSize + 1>& sineTable()
{
    static const std::array<float, kSineSize + 1> table = [] {
        std::array<float, kSineSize + 1> t{};
        for (int i = 0; i <= kSineSize; ++i)
            t[static_cast<std::size_t>(i)] =
                static_cast<float>(std::sin(2.0 * std::numbers::pi * i / kSineSize));
        return t;
    }();
    return table;
}

} // namespace

float sineOf(double phase)
{
    const double position = (phase - std::floor(phase)) * kSineSize;
    const auto index = std::min<std::size_t>(static_cast<std::size_t>(position), kSineSize - 1);
    const auto frac = static_cast<float>(position - static_cast<double>(index));
    const auto& table = sineTable();
    return table[index] + (table[index + 1] - table[index]) * frac;
}

float triangleOf(double phase)
{
    const double p = wrap(phase);
    return static_cast<float>(p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p);
}

float Oscillator::next(double frequency)
{
    const double dt = std::fabs(frequency) / kSampleRate;
    const double p = m_phase;
    double value = 0.0;
    switch (m_shape) {
    case Shape::Sine:
        value = sineOf(p);
        break;
    case Shape::Saw:
        value = 2.0 * p - 1.0 - polyBlep(p, dt);
        break;
    case Shape::Square:
    case Shape::Pulse: {
        const double width = m_shape == Shape::Square ? 0.5 : m_width;
        value = (p < width ? 1.0 : -1.0) + polyBlep(p, dt) - polyBlep(wrap(p - width + 1.0), dt);
        if (m_shape == Shape::Pulse)
            value += 2.0 * width - 1.0; // keep the average at zero whatever the width
        break;
    }
    case Shape::Triangle:
        // Its harmonics fall off fast enough that the naive shape does not audibly alias.
        value = triangleOf(p);
        break;
    }
    m_phase = wrap(p + frequency / kSampleRate);
    return static_cast<float>(value);
}

} // namespace datagen::audio
