#include "audio/Mixer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace datagen::audio {

void mixInto(Signal& dst, const Signal& src, std::size_t offset, float gain)
{
    if (dst.size() < offset + src.size())
        dst.resize(offset + src.size(), 0.0f);
    for (std::size_t i = 0; i < src.size(); ++i)
        dst[offset + i] += src[i] * gain;
}

void mixInto(StereoBuffer& dst, const Signal& src, std::size_t offset, float gain, float pan)
{
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * std::numbers::pi / 4.0;
    const auto left = static_cast<float>(std::cos(angle) * std::numbers::sqrt2) * gain;
    const auto right = static_cast<float>(std::sin(angle) * std::numbers::sqrt2) * gain;
    if (dst.frames() < offset + src.size())
        dst.resize(offset + src.size());
    for (std::size_t i = 0; i < src.size(); ++i) {
        dst.left[offset + i] += src[i] * left;
        dst.right[offset + i] += src[i] * right;
    }
}

void applyGain(Signal& signal, float gain)
{
    for (float& x : signal)
        x *= gain;
}

void applyGain(StereoBuffer& buffer, float gain)
{
    applyGain(buffer.left, gain);
    applyGain(buffer.right, gain);
}

void fadeIn(Signal& signal, std::size_t length)
{
    length = std::min(length, signal.size());
    for (std::size_t i = 0; i < length; ++i)
        signal[i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / length));
}

void fadeOut(Signal& signal, std::size_t length)
{
    length = std::min(length, signal.size());
    const std::size_t start = signal.size() - length;
    for (std::size_t i = 0; i < length; ++i)
        signal[start + i] *= static_cast<float>(0.5 + 0.5 * std::cos(std::numbers::pi * (i + 1) / length));
}

void removeDc(Signal& signal)
{
    if (signal.empty())
        return;
    const double mean =
        std::accumulate(signal.begin(), signal.end(), 0.0) / static_cast<double>(signal.size());
    for (float& x : signal)
        x -= static_cast<float>(mean);
}

void wrapTail(StereoBuffer& buffer, std::size_t loopLength)
{
    if (buffer.frames() < loopLength) {
        buffer.resize(loopLength);
        return;
    }
    for (std::size_t i = loopLength; i < buffer.frames(); ++i) {
        buffer.left[(i - loopLength) % loopLength] += buffer.left[i];
        buffer.right[(i - loopLength) % loopLength] += buffer.right[i];
    }
    buffer.resize(loopLength);
}

} // namespace datagen::audio
