#include "audio/EngineSounds.h"

#include "audio/Distortion.h"
#include "audio/Filters.h"
#include "audio/Oscillator.h"
#include "audio/Random.h"
#include "audio/SynthTools.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace datagen::audio {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double fraction(double x)
{
    return x - std::floor(x);
}

// Attack-then-decay shape of one pulse at pulse phase 0..1.
double pulseShape(double phase, double sharpness)
{
    const double attack = phase < 0.03 ? phase / 0.03 : 1.0;
    return attack * std::exp(-sharpness * phase);
}

} // namespace

Signal renderRotor(const RotorDesign& d)
{
    const std::size_t frames = samplesFor(d.seconds);
    const double loop = static_cast<double>(frames) / kSampleRate;
    const double blade = loopFrequency(d.bladeRate, loop);
    const double second = d.secondRotorRate > 0.0 ? loopFrequency(d.secondRotorRate, loop) : 0.0;
    const double whine = loopFrequency(d.whine, loop);
    const double tail = d.tailRate > 0.0 ? loopFrequency(d.tailRate, loop) : 0.0;
    const double sway = loopFrequency(0.5, loop);

    const LoopNoise chopNoise(frames, d.seed);
    const LoopNoise rumbleNoise(frames, d.seed + 1);
    Biquad chopHigh;
    Biquad chopLow;
    chopHigh.highpass(d.chopLow, 0.7);
    chopLow.lowpass(d.chopHigh, 0.7);
    Biquad crackFilter;
    crackFilter.highpass(2500.0, 0.7);
    Biquad rumbleFilter;
    rumbleFilter.lowpass(110.0, 0.8);
    Biquad tailFilter;
    tailFilter.lowpass(700.0, 1.2);

    auto rotor = [&](double t, double rate, float noise, float crackNoise) {
        const double phase = fraction(rate * t);
        const double pulse = pulseShape(phase, d.sharpness);
        const double sinceSlap = phase / rate;
        const double body = std::sin(kTwoPi * d.thumpFrequency * sinceSlap) * pulse * pulse * d.thumpLevel;
        const double chop = noise * pulse * d.chopLevel;
        const double crack = crackNoise * std::pow(pulse, 8.0) * d.crackLevel;
        return body + chop + crack;
    };

    return renderPeriodic(frames, [&](std::size_t i) {
        const double t = static_cast<double>(i % frames) / kSampleRate;
        const float noise = chopLow.process(chopHigh.process(chopNoise.at(i)));
        const float crackNoise = crackFilter.process(chopNoise.at(i + frames / 2));
        double x = rotor(t, blade, noise, crackNoise);
        if (second > 0.0)
            x += 0.8 * rotor(t + 0.013, second, noise, crackNoise);
        const double wobble = 1.0 + 0.0015 * std::sin(kTwoPi * sway * t);
        x += d.whineLevel *
             (std::sin(kTwoPi * whine * t * wobble) + 0.35 * std::sin(kTwoPi * 2.0 * whine * t * wobble));
        if (tail > 0.0) {
            const double saw = 2.0 * fraction(tail * t) - 1.0;
            x += d.tailLevel * tailFilter.process(static_cast<float>(saw));
        }
        x += d.rumbleLevel * 4.0 * rumbleFilter.process(rumbleNoise.at(i));
        x *= 1.0 + 0.08 * std::sin(kTwoPi * sway * t);
        return softClip(static_cast<float>(x) * 0.7f, 1.2f);
    });
}

Signal renderPiston(const PistonDesign& d)
{
    const std::size_t frames = samplesFor(d.seconds);
    const double loop = static_cast<double>(frames) / kSampleRate;
    const double firing = loopFrequency(d.firingRate, loop);
    const double second = d.secondEngine > 0.0 ? loopFrequency(d.secondEngine, loop) : 0.0;
    const double prop = loopFrequency(d.propRate, loop);

    // Cylinders never fire quite alike; the pattern repeats with the loop.
    Random random(d.seed);
    auto pulseLevels = [&](double rate) {
        std::vector<float> levels(static_cast<std::size_t>(std::lround(rate * loop)));
        for (float& level : levels)
            level = 1.0f - d.roughness * static_cast<float>(random.unit());
        return levels;
    };
    const std::vector<float> firstLevels = pulseLevels(firing);
    const std::vector<float> secondLevels = second > 0.0 ? pulseLevels(second) : std::vector<float>{1.0f};

    const LoopNoise noise(frames, d.seed + 7);
    StateVariableFilter exhaust;
    exhaust.set(d.brightness, 1.6);
    StateVariableFilter exhaust2;
    exhaust2.set(d.brightness * 0.9, 1.6);
    Biquad propFilter;
    propFilter.lowpass(d.propRate * 3.5, 0.9);
    Biquad windHigh;
    Biquad windLow;
    windHigh.highpass(300.0, 0.7);
    windLow.lowpass(2200.0, 0.7);

    auto engine = [&](double t, double rate, const std::vector<float>& levels, float n) {
        const double cycles = rate * t;
        const auto index = static_cast<std::size_t>(cycles) % levels.size();
        const double pulse = pulseShape(fraction(cycles), 5.0) * levels[index];
        return pulse * (0.8 + 0.6 * n) - 0.2;
    };

    return renderPeriodic(frames, [&](std::size_t i) {
        const double t = static_cast<double>(i % frames) / kSampleRate;
        const float n = noise.at(i);
        double x = exhaust.lowpass(static_cast<float>(engine(t, firing, firstLevels, n)));
        if (second > 0.0)
            x += 0.9 *
                 exhaust2.lowpass(static_cast<float>(engine(t, second, secondLevels, noise.at(i + 999))));
        const double propSaw = 2.0 * fraction(prop * t) - 1.0;
        x += d.propLevel * propFilter.process(static_cast<float>(propSaw));
        x += d.windLevel * windLow.process(windHigh.process(noise.at(i + frames / 3)));
        return softClip(static_cast<float>(x) * 0.8f, 1.5f);
    });
}

Signal renderJet(const JetDesign& d)
{
    const std::size_t frames = samplesFor(d.seconds);
    const double loop = static_cast<double>(frames) / kSampleRate;
    const double whine = loopFrequency(d.whine, loop);
    const double whineFifth = loopFrequency(1.5 * d.whine, loop);
    const double beat = d.whineBeat != 0.0 ? loopFrequency(d.whine + d.whineBeat, loop) : 0.0;
    const double howl = loopFrequency(d.howlRate, loop);

    const LoopNoise noise(frames, d.seed);
    const LoopNoise rumbleNoise(frames, d.seed + 3);
    Biquad roarHigh;
    Biquad roarLow;
    Biquad roarLow2;
    roarHigh.highpass(d.roarLow, 0.6);
    roarLow.lowpass(d.roarHigh, 0.6);
    roarLow2.lowpass(d.roarHigh * 1.4, 0.6);
    Biquad hiss;
    hiss.highpass(5000.0, 0.7);
    Biquad rumbleFilter;
    rumbleFilter.lowpass(90.0, 0.8);

    return renderPeriodic(frames, [&](std::size_t i) {
        const double t = static_cast<double>(i % frames) / kSampleRate;
        const double swell = 1.0 + d.howlDepth * std::sin(kTwoPi * howl * t);
        const float n = noise.at(i);
        double x = d.roarLevel * roarLow2.process(roarLow.process(roarHigh.process(n))) * swell;
        x += 0.04 * d.roarLevel * hiss.process(n);
        double tone = std::sin(kTwoPi * whine * t) + 0.3 * std::sin(kTwoPi * whineFifth * t);
        if (beat > 0.0)
            tone += std::sin(kTwoPi * beat * t);
        x += d.whineLevel * tone * (2.0 - swell);
        x += d.rumbleLevel * 4.0 * rumbleFilter.process(rumbleNoise.at(i));
        return softClip(static_cast<float>(x) * 0.8f, 1.2f);
    });
}

} // namespace datagen::audio
