#include "audio/Dynamics.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace datagen::audio {

namespace {

// Runs the limiter over n frames whose peak level is level(i) and hands each frame's gain to
// apply(i, gain) in order. Works in one pass without buffers the size of the signal: pieces of
// music are minutes long, and touching fresh memory is what costs here.
template <typename Level, typename Apply>
void runLimiter(std::size_t n, const LimiterSettings& settings, Level level, Apply apply)
{
    if (n == 0)
        return;
    const std::size_t window = std::max<std::size_t>(1, samplesFor(settings.lookahead));
    const auto signedN = static_cast<std::ptrdiff_t>(n);
    // A circular run starts and ends with margins taken from the other end of the loop, so that
    // the release and the smoothing arrive settled; the margin at the end reads the start as it
    // was before the limiter changed it.
    const std::ptrdiff_t margin =
        settings.circular
            ? static_cast<std::ptrdiff_t>(std::min(n, samplesFor(settings.release * 8.0) + window))
            : 0;
    std::vector<float> head;
    if (settings.circular)
        for (std::ptrdiff_t i = 0; i < std::min(signedN, margin + static_cast<std::ptrdiff_t>(window)); ++i)
            head.push_back(level(static_cast<std::size_t>(i)));
    auto need = [&](std::ptrdiff_t i) {
        float value = 0.0f;
        if (i >= 0 && i < signedN)
            value = level(static_cast<std::size_t>(i));
        else if (settings.circular && i < 0)
            value = level(static_cast<std::size_t>(((i % signedN) + signedN) % signedN));
        else if (settings.circular)
            value = head[static_cast<std::size_t>((i - signedN) % static_cast<std::ptrdiff_t>(head.size()))];
        return value > settings.ceiling ? settings.ceiling / value : 1.0f;
    };

    const float releaseCoefficient =
        1.0f - std::exp(-1.0f / static_cast<float>(std::max(1.0, settings.release * kSampleRate)));
    std::deque<std::pair<std::ptrdiff_t, float>> minimum; // running minimum over the look-ahead
    std::vector<float> recent(window, 1.0f);              // last `window` released gains
    double sum = static_cast<double>(window);
    std::ptrdiff_t ahead = -margin - static_cast<std::ptrdiff_t>(window);
    float state = 1.0f;
    for (std::ptrdiff_t i = ahead; i < signedN; ++i) {
        for (; ahead < i + static_cast<std::ptrdiff_t>(window); ++ahead) {
            const float value = need(ahead);
            while (!minimum.empty() && minimum.back().second >= value)
                minimum.pop_back();
            minimum.emplace_back(ahead, value);
        }
        while (minimum.front().first < i)
            minimum.pop_front();
        // Instant attack (the look-ahead already starts early), exponential release.
        state = std::min(minimum.front().second, state + (1.0f - state) * releaseCoefficient);
        // A moving average over the look-ahead window rounds the corners; each peak still gets
        // a gain no higher than it needs, because every averaged value was limited for it.
        float& slot = recent[static_cast<std::size_t>(
            ((i % static_cast<std::ptrdiff_t>(window)) + static_cast<std::ptrdiff_t>(window)) %
            static_cast<std::ptrdiff_t>(window))];
        sum += state - slot;
        slot = state;
        if (i >= 0)
            apply(static_cast<std::size_t>(i), static_cast<float>(sum / static_cast<double>(window)));
    }
}

} // namespace

void limit(StereoBuffer& buffer, const LimiterSettings& settings)
{
    runLimiter(
        buffer.frames(), settings,
        [&](std::size_t i) { return std::max(std::fabs(buffer.left[i]), std::fabs(buffer.right[i])); },
        [&](std::size_t i, float gain) {
            buffer.left[i] *= gain;
            buffer.right[i] *= gain;
        });
}

void limit(Signal& signal, const LimiterSettings& settings)
{
    runLimiter(
        signal.size(), settings, [&](std::size_t i) { return std::fabs(signal[i]); },
        [&](std::size_t i, float gain) { signal[i] *= gain; });
}

} // namespace datagen::audio
