#include "audio/SynthTools.h"

#include "audio/Envelope.h"
#include "audio/Filters.h"
#include "audio/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace datagen::audio {

LoopNoise::LoopNoise(std::size_t period, std::uint64_t seed)
{
    period = std::max<std::size_t>(period, 2);
    const std::size_t fade = std::min<std::size_t>(period / 4, samplesFor(0.05));
    Random random(seed);
    Signal raw(period + fade);
    for (float& x : raw)
        x = random.bipolar() * 1.7320508f; // unit variance
    m_table.assign(raw.begin(), raw.begin() + static_cast<std::ptrdiff_t>(period));
    for (std::size_t i = 0; i < fade; ++i) {
        const double angle = std::numbers::pi / 2.0 * (i + 0.5) / fade;
        m_table[i] = static_cast<float>(raw[i] * std::sin(angle) + raw[period + i] * std::cos(angle));
    }
}

Signal renderPeriodic(std::size_t frames, const std::function<float(std::size_t i)>& generator)
{
    Signal out(frames);
    for (std::size_t i = 0; i < frames; ++i)
        generator(i);
    for (std::size_t i = 0; i < frames; ++i)
        out[i] = generator(frames + i);
    return out;
}

double loopFrequency(double frequency, double seconds)
{
    return std::max(1.0, std::round(frequency * seconds)) / seconds;
}

Signal ringModes(const std::vector<Mode>& modes, double seconds, double attack)
{
    Signal out(samplesFor(seconds), 0.0f);
    for (const Mode& mode : modes) {
        const double step = 2.0 * std::numbers::pi * mode.frequency / kSampleRate;
        // A recursive sine (rotation) is exact enough here and much cheaper than std::sin.
        const double c = 2.0 * std::cos(step);
        double s1 = 0.0;
        double s2 = -std::sin(step);
        const double fall = std::exp(-6.907755 / (mode.decay60 * kSampleRate));
        double amplitude = mode.level;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double s0 = c * s1 - s2;
            s2 = s1;
            s1 = s0;
            const double t = static_cast<double>(i) / kSampleRate;
            const double rise = t < attack ? t / attack : 1.0;
            out[i] += static_cast<float>(s2 * amplitude * rise);
            amplitude *= fall;
        }
    }
    return out;
}

Signal thump(double from, double to, double glide, double decay60, double seconds)
{
    Signal out(samplesFor(seconds));
    double phase = 0.0;
    const double ratio = to / from;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double frequency = t < glide ? from * std::pow(ratio, t / glide) : to;
        phase += frequency / kSampleRate;
        out[i] =
            static_cast<float>(std::sin(2.0 * std::numbers::pi * phase)) * decayEnvelope(t, 0.001, decay60);
    }
    return out;
}

Signal noiseBurst(std::uint64_t seed, double lowCut, double highCut, double attack, double decay60,
                  double seconds)
{
    Signal out(samplesFor(seconds));
    Random random(seed);
    Biquad high;
    Biquad low;
    high.highpass(lowCut, 0.707);
    low.lowpass(highCut, 0.707);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        out[i] = low.process(high.process(random.bipolar())) * decayEnvelope(t, attack, decay60);
    }
    return out;
}

} // namespace datagen::audio
