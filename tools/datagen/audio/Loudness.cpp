#include "audio/Loudness.h"

#include "audio/Filters.h"
#include "audio/Mixer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace datagen::audio {

namespace {

// The two K-weighting stages (a high shelf for the head, a high-pass for the ear) at our rate.
void kWeighting(Biquad& shelf, Biquad& highpass)
{
    const double fs = kSampleRate;
    double k = std::tan(std::numbers::pi * 1681.974450955533 / fs);
    const double vh = std::pow(10.0, 3.999843853973347 / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    double q = 0.7071752369554196;
    double a0 = 1.0 + k / q + k * k;
    shelf.set((vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
              2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0);
    k = std::tan(std::numbers::pi * 38.13547087602444 / fs);
    q = 0.5003270373238773;
    a0 = 1.0 + k / q + k * k;
    highpass.set(1.0, -2.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0);
}

// Integrated loudness of one or two channels, K-weighted and gated. The channels' powers add.
double gatedLoudness(const Signal* left, const Signal* right)
{
    const std::size_t n = left->size();
    if (n == 0)
        return -200.0;
    Biquad shelf[2];
    Biquad highpass[2];
    kWeighting(shelf[0], highpass[0]);
    kWeighting(shelf[1], highpass[1]);
    // Blocks of 400 ms overlap by 75 %: each is the sum of four consecutive 100 ms segments.
    const std::size_t hop = std::max<std::size_t>(1, std::min(n, samplesFor(0.4)) / 4);
    std::vector<double> segments;
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double l = highpass[0].process(shelf[0].process((*left)[i]));
        sum += l * l;
        if (right != nullptr) {
            const double r = highpass[1].process(shelf[1].process((*right)[i]));
            sum += r * r;
        }
        if ((i + 1) % hop == 0) {
            segments.push_back(sum);
            sum = 0.0;
        }
    }
    std::vector<double> blocks;
    for (std::size_t b = 0; b + 4 <= segments.size(); ++b)
        blocks.push_back((segments[b] + segments[b + 1] + segments[b + 2] + segments[b + 3]) /
                         (4.0 * static_cast<double>(hop)));
    auto toLufs = [](double meanSquare) { return -0.691 + 10.0 * std::log10(std::max(meanSquare, 1e-20)); };
    auto gatedMean = [&](double threshold) {
        double total = 0.0;
        int count = 0;
        for (double block : blocks)
            if (toLufs(block) > threshold) {
                total += block;
                ++count;
            }
        return count == 0 ? 0.0 : total / count;
    };
    const double ungated = gatedMean(-70.0);
    if (ungated <= 0.0)
        return -200.0;
    const double gated = gatedMean(toLufs(ungated) - 10.0);
    return gated <= 0.0 ? -200.0 : toLufs(gated);
}

} // namespace

float peakOf(const Signal& signal)
{
    float peak = 0.0f;
    for (float x : signal)
        peak = std::max(peak, std::fabs(x));
    return peak;
}

float peakOf(const StereoBuffer& buffer)
{
    return std::max(peakOf(buffer.left), peakOf(buffer.right));
}

double loudnessOf(const Signal& signal)
{
    return gatedLoudness(&signal, nullptr);
}

double loudnessOf(const StereoBuffer& buffer)
{
    return gatedLoudness(&buffer.left, &buffer.right);
}

double toDecibels(double linear)
{
    return 20.0 * std::log10(std::max(linear, 1e-10));
}

double fromDecibels(double decibels)
{
    return std::pow(10.0, decibels / 20.0);
}

void normaliseToPeak(Signal& signal, double peakDb)
{
    const float peak = peakOf(signal);
    if (peak > 0.0f)
        applyGain(signal, static_cast<float>(fromDecibels(peakDb) / peak));
}

void normaliseToPeak(StereoBuffer& buffer, double peakDb)
{
    const float peak = peakOf(buffer);
    if (peak > 0.0f)
        applyGain(buffer, static_cast<float>(fromDecibels(peakDb) / peak));
}

} // namespace datagen::audio
