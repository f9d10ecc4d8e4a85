#include "audio/Instrument.h"

#include "audio/Distortion.h"
#include "audio/Filters.h"
#include "audio/Random.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace datagen::audio {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

void renderFm(const Patch& p, double frequency, double hold, float velocity, Signal& out)
{
    constexpr std::size_t kBlock = 16;
    out.resize(samplesFor(p.amp.length(hold)));
    const double carrierStep = frequency / kSampleRate;
    const double modulatorStep = frequency * p.fmRatio / kSampleRate;
    double carrier = 0.0;
    double modulator = 0.0;
    for (std::size_t start = 0; start < out.size(); start += kBlock) {
        const double t = static_cast<double>(start) / kSampleRate;
        const std::size_t end = std::min(out.size(), start + kBlock);
        // The modulation index falls off: a bright strike mellowing into a pure tone.
        const double index =
            p.fmIndex * (0.4 + 0.6 * velocity) * std::exp(-t / p.fmDecay) / (2.0 * std::numbers::pi);
        const float level = p.amp.at(t, hold) * velocity;
        const float nextLevel = p.amp.at(static_cast<double>(end) / kSampleRate, hold) * velocity;
        const float step = (nextLevel - level) / static_cast<float>(end - start);
        float gain = level;
        for (std::size_t i = start; i < end; ++i) {
            out[i] = sineOf(carrier + index * sineOf(modulator)) * gain;
            carrier += carrierStep;
            modulator += modulatorStep;
            gain += step;
        }
        carrier -= std::floor(carrier);
        modulator -= std::floor(modulator);
    }
}

} // namespace

double midiFrequency(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

Signal renderNote(const Patch& patch, int midi, double hold, float velocity, std::uint64_t seed)
{
    Signal out;
    renderNote(patch, midi, hold, velocity, seed, out);
    return out;
}

void renderNote(const Patch& p, int midi, double hold, float velocity, std::uint64_t seed, Signal& out)
{
    const double frequency = midiFrequency(midi);
    if (p.fm) {
        renderFm(p, frequency, hold, velocity, out);
        return;
    }

    Random random(seed);
    Oscillator osc1(p.shape1, random.unit());
    Oscillator osc2(p.shape2, random.unit());
    Oscillator sub(Oscillator::Shape::Square, 0.0);
    osc1.setPulseWidth(p.pulseWidth);
    osc2.setPulseWidth(p.pulseWidth);
    const double ratio2 = std::pow(2.0, (p.interval2 + p.detune) / 12.0);
    const double baseCutoff = p.cutoff * std::pow(frequency / 261.6, p.keyTrack);
    const double envAmount = p.filterEnv * (0.5 + 0.5 * velocity);
    StateVariableFilter filter;
    const float driveNorm = p.drive > 1.0f ? 1.0f / softClip(1.0f, p.drive) : 1.0f;

    // Pitch, filter and amplitude move at a control rate of one value per block; the amplitude
    // is interpolated inside the block so that it never steps.
    constexpr std::size_t kBlock = 16;
    out.resize(samplesFor(p.amp.length(hold)));
    float level = p.amp.at(0.0, hold);
    for (std::size_t start = 0; start < out.size(); start += kBlock) {
        const double t = static_cast<double>(start) / kSampleRate;
        double semitones = 0.0;
        if (p.vibratoDepth > 0.0 && t > p.vibratoDelay) {
            const double fadeIn = std::min(1.0, (t - p.vibratoDelay) * 4.0);
            semitones += p.vibratoDepth * fadeIn * std::sin(kTwoPi * p.vibratoRate * t);
        }
        if (p.glide > 0.0 && t < p.glide)
            semitones -= 1.0 - t / p.glide;
        const double f = frequency * std::pow(2.0, semitones / 12.0);
        const double f2 = f * ratio2;
        filter.set(baseCutoff + envAmount * std::exp(-t / p.filterDecay), p.resonance);
        const std::size_t end = std::min(out.size(), start + kBlock);
        const float nextLevel = p.amp.at(static_cast<double>(end) / kSampleRate, hold);
        const float step = (nextLevel - level) / static_cast<float>(end - start);
        const float noiseLevel = p.noise * static_cast<float>(std::exp(-t * 40.0));
        for (std::size_t i = start; i < end; ++i) {
            float x = osc1.next(f) + p.mix2 * osc2.next(f2);
            if (p.sub > 0.0f)
                x += p.sub * sub.next(f * 0.5);
            if (noiseLevel > 1e-4f)
                x += noiseLevel * random.bipolar();
            float y = filter.lowpass(x);
            if (p.drive > 1.0f)
                y = softClip(y, p.drive) * driveNorm;
            out[i] = y * level * velocity;
            level += step;
        }
        level = nextLevel;
    }
}

} // namespace datagen::audio
