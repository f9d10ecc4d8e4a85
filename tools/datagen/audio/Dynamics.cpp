#include "audio/Dynamics.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace datagen::audio {

namespace {

// Gain curve for the given per-sample peak levels (one value per frame).
std::vector<float> limiterGain(const std::vector<float>& levels, const LimiterSettings& settings)
{
    const std::size_t n = levels.size();
    const std::size_t window = std::max<std::size_t>(1, samplesFor(settings.lookahead));
    if (n == 0)
        return {};
    // In a circular run indices past either end wrap around; otherwise the outside is silence.
    auto need = [&](std::ptrdiff_t i) {
        if (!settings.circular && (i < 0 || i >= static_cast<std::ptrdiff_t>(n)))
            return 1.0f;
        const auto m = static_cast<std::ptrdiff_t>(n);
        const float level = levels[static_cast<std::size_t>(((i % m) + m) % m)];
        return level > settings.ceiling ? settings.ceiling / level : 1.0f;
    };
    // Running minimum over the look-ahead window, computed over a span with margins on both sides
    // so that the release and the smoothing start settled.
    const auto margin = static_cast<std::ptrdiff_t>(
        settings.circular ? std::min(n, samplesFor(settings.release * 8.0) + window) : 0);
    const std::ptrdiff_t first = -margin - static_cast<std::ptrdiff_t>(window);
    const std::ptrdiff_t last = static_cast<std::ptrdiff_t>(n) + margin;
    std::vector<float> minimum;
    minimum.reserve(static_cast<std::size_t>(last - first));
    std::deque<std::pair<std::ptrdiff_t, float>> queue;
    std::ptrdiff_t ahead = first;
    for (std::ptrdiff_t i = first; i < last; ++i) {
        const std::ptrdiff_t end = i + static_cast<std::ptrdiff_t>(window);
        for (; ahead < end; ++ahead) {
            const float value = need(ahead);
            while (!queue.empty() && queue.back().second >= value)
                queue.pop_back();
            queue.emplace_back(ahead, value);
        }
        while (queue.front().first < i)
            queue.pop_front();
        minimum.push_back(queue.front().second);
    }
    // Instant attack (the look-ahead already starts early), exponential release.
    const float releaseCoefficient =
        1.0f - std::exp(-1.0f / static_cast<float>(std::max(1.0, settings.release * kSampleRate)));
    float state = 1.0f;
    for (float& g : minimum) {
        state = std::min(g, state + (1.0f - state) * releaseCoefficient);
        g = state;
    }
    // A moving average over the look-ahead window rounds the corners; each peak still sees a
    // gain no higher than it needs because all averaged values were already limited for it.
    std::vector<float> gain(n);
    double sum = 0.0;
    for (std::size_t k = 0; k < minimum.size(); ++k) {
        sum += minimum[k];
        if (k >= window)
            sum -= minimum[k - window];
        const std::ptrdiff_t index = first + static_cast<std::ptrdiff_t>(k);
        if (index >= 0 && index < static_cast<std::ptrdiff_t>(n))
            gain[static_cast<std::size_t>(index)] = static_cast<float>(sum / static_cast<double>(window));
    }
    return gain;
}

} // namespace

void limit(StereoBuffer& buffer, const LimiterSettings& settings)
{
    std::vector<float> levels(buffer.frames());
    for (std::size_t i = 0; i < levels.size(); ++i)
        levels[i] = std::max(std::fabs(buffer.left[i]), std::fabs(buffer.right[i]));
    const std::vector<float> gain = limiterGain(levels, settings);
    for (std::size_t i = 0; i < gain.size(); ++i) {
        buffer.left[i] *= gain[i];
        buffer.right[i] *= gain[i];
    }
}

void limit(Signal& signal, const LimiterSettings& settings)
{
    std::vector<float> levels(signal.size());
    for (std::size_t i = 0; i < levels.size(); ++i)
        levels[i] = std::fabs(signal[i]);
    const std::vector<float> gain = limiterGain(levels, settings);
    for (std::size_t i = 0; i < gain.size(); ++i)
        signal[i] *= gain[i];
}

} // namespace datagen::audio
