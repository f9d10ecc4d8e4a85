#pragma once

#include "audio/AudioBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace audiotest {

using datagen::audio::Signal;

// A sine at the generator's sample rate.
inline Signal sine(double frequency, double amplitude, double seconds)
{
    Signal s(datagen::audio::samplesFor(seconds));
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<float>(
            amplitude * std::sin(2.0 * std::numbers::pi * frequency * i / datagen::audio::kSampleRate));
    return s;
}

// The root mean square of the samples in [from, to); 0 when there are none.
inline double rms(const Signal& s, std::size_t from = 0, std::size_t to = SIZE_MAX)
{
    to = std::min(to, s.size());
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(s[i]) * s[i];
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

// How often the samples in [from, to) change sign: twice the frequency for a plain tone.
inline int crossings(const Signal& s, std::size_t from = 0, std::size_t to = SIZE_MAX)
{
    to = std::min(to, s.size());
    int count = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        count += (s[i - 1] < 0.0f) != (s[i] < 0.0f);
    return count;
}

} // namespace audiotest
