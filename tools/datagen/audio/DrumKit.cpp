#include "audio/DrumKit.h"

#include "audio/Distortion.h"
#include "audio/Envelope.h"
#include "audio/Filters.h"
#include "audio/Mixer.h"
#include "audio/Noise.h"
#include "audio/SynthTools.h"

#include <cmath>

namespace datagen::audio {

namespace {

Signal kick(const DrumKitDesign& d)
{
    Signal out = thump(d.kickFrom, d.kickTo, 0.05, d.kickDecay, d.kickDecay + 0.05);
    mixInto(out, noiseBurst(d.seed + 1, 1500.0, 9000.0, 0.0002, 0.012, 0.02), 0, d.kickClick);
    for (float& x : out)
        x = softClip(x, d.kickDrive) / softClip(1.0f, d.kickDrive);
    fadeOut(out, samplesFor(0.03));
    return out;
}

Signal snare(const DrumKitDesign& d, std::uint64_t seed, double bright, double decay)
{
    const double seconds = decay + 0.05;
    Signal out = noiseBurst(seed, 250.0, bright, 0.0005, decay, seconds);
    Signal body = thump(d.snareTone * 1.6, d.snareTone, 0.015, 0.12, seconds);
    mixInto(body, thump(d.snareTone * 2.4, d.snareTone * 1.5, 0.01, 0.08, seconds), 0, 0.5f);
    mixInto(out, body, 0, d.snareBody);
    for (float& x : out)
        x = softClip(x, 1.4f);
    fadeOut(out, samplesFor(0.02));
    return out;
}

Signal clap(const DrumKitDesign& d)
{
    // A few quick bursts, as several hands never meet at quite the same moment.
    Signal out(samplesFor(0.3), 0.0f);
    const double offsets[] = {0.0, 0.011, 0.023, 0.031};
    for (std::size_t k = 0; k < 4; ++k) {
        const double decay = k == 3 ? 0.2 : 0.025;
        mixInto(out, noiseBurst(d.seed + 20 + k, 900.0, 5000.0, 0.0003, decay, decay + 0.02),
                samplesFor(offsets[k]), k == 3 ? 0.9f : 0.6f);
    }
    out.resize(samplesFor(0.3));
    fadeOut(out, samplesFor(0.03));
    return out;
}

// Metallic noise: six square waves at inharmonic ratios, high-passed.
Signal metal(const DrumKitDesign& d, double decay, double seconds, std::uint64_t seed)
{
    static const double kRatios[] = {2.0, 3.0, 4.16, 5.43, 6.79, 8.21};
    Signal out(samplesFor(seconds));
    Biquad high;
    high.highpass(d.hatBright * 0.8, 0.7);
    Biquad high2;
    high2.highpass(d.hatBright * 0.6, 0.7);
    Noise noise(seed);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double sum = 0.0;
        for (double r : kRatios)
            sum += std::sin(6.283185307 * 40.0 * r * t * 4.0) > 0.0 ? 1.0 : -1.0;
        const double x = sum / 6.0 * 0.6 + noise.white() * 0.5;
        out[i] = high2.process(high.process(static_cast<float>(x))) * decayEnvelope(t, 0.0005, decay);
    }
    return out;
}

Signal crash(const DrumKitDesign& d)
{
    Signal out = metal(d, d.crashDecay, d.crashDecay, d.seed + 40);
    Signal wash = noiseBurst(d.seed + 41, 3000.0, 12000.0, 0.002, d.crashDecay * 0.8, d.crashDecay);
    mixInto(out, wash, 0, 0.6f);
    fadeOut(out, samplesFor(0.2));
    return out;
}

Signal tom(const DrumKitDesign& d, double pitch)
{
    Signal out = thump(pitch * 1.5, pitch, 0.08, 0.4, 0.45);
    mixInto(out, noiseBurst(d.seed + 50, 200.0, 3000.0, 0.0005, 0.08, 0.1), 0, 0.25f);
    fadeOut(out, samplesFor(0.03));
    return out;
}

Signal shaker(const DrumKitDesign& d)
{
    Signal out = noiseBurst(d.seed + 60, 5000.0, 14000.0, 0.008, 0.06, 0.09);
    fadeOut(out, samplesFor(0.02));
    return out;
}

} // namespace

DrumKit::DrumKit(const DrumKitDesign& d)
{
    auto set = [this](Drum drum, Signal signal) {
        m_sounds[static_cast<std::size_t>(drum)] = std::move(signal);
    };
    set(Drum::Kick, kick(d));
    set(Drum::Snare, snare(d, d.seed + 10, d.snareBright, d.snareDecay));
    set(Drum::Clap, clap(d));
    Signal closed = metal(d, d.hatDecay, d.hatDecay + 0.03, d.seed + 30);
    fadeOut(closed, samplesFor(0.01));
    set(Drum::ClosedHat, std::move(closed));
    Signal open = metal(d, d.openHatDecay, d.openHatDecay + 0.05, d.seed + 31);
    fadeOut(open, samplesFor(0.03));
    set(Drum::OpenHat, std::move(open));
    set(Drum::Crash, crash(d));
    set(Drum::TomLow, tom(d, d.tomPitch));
    set(Drum::TomHigh, tom(d, d.tomPitch * 1.5));
    set(Drum::Shaker, shaker(d));
}

} // namespace datagen::audio
