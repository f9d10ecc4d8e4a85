#include "audio/ExplosionSounds.h"

#include "audio/Distortion.h"
#include "audio/Envelope.h"
#include "audio/Filters.h"
#include "audio/Mixer.h"
#include "audio/Noise.h"
#include "audio/SynthTools.h"

#include <cmath>

namespace datagen::audio {

namespace {

// Noise body: brown and pink noise, low-passed with a cutoff that falls from bright to dark.
Signal blastBody(const ExplosionDesign& d, std::uint64_t seed, double seconds, double scale)
{
    Signal out(samplesFor(seconds));
    Noise noise(seed);
    StateVariableFilter filter;
    Biquad presence;
    presence.peak(900.0, 0.8, 4.0);
    const double decay = d.bodyDecay * scale;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        if (i % 16 == 0) {
            const double k = std::min(1.0, t / decay);
            filter.set(d.bodyBright * std::pow(d.bodyDark / d.bodyBright, std::sqrt(k)), 0.8);
        }
        const float source = 0.6f * noise.pink() + 0.5f * noise.brown();
        out[i] = presence.process(filter.lowpass(source)) * decayEnvelope(t, 0.004, decay) * 2.0f;
    }
    return out;
}

Signal rumble(const ExplosionDesign& d, std::uint64_t seed)
{
    Signal out(samplesFor(d.seconds));
    Noise noise(seed);
    Biquad low;
    low.lowpass(120.0, 0.9);
    Biquad low2;
    low2.lowpass(180.0, 0.7);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // Slower attack than the body: the rumble builds as the blast rolls out.
        const double envelope = decayEnvelope(t, 0.06, d.rumbleDecay);
        out[i] = low2.process(low.process(noise.brown())) * static_cast<float>(envelope) * 3.0f;
    }
    return out;
}

void addDebris(Signal& out, const ExplosionDesign& d, Random& random)
{
    for (int k = 0; k < d.debrisCount; ++k) {
        // Denser early on, thinning out.
        const double when = 0.02 + d.debrisSpan * std::pow(random.unit(), 1.8);
        const double level = d.debrisLevel * (0.3 + 0.7 * random.unit()) * std::exp(-when * 1.5);
        const double centre = random.range(1200.0, 6000.0);
        Signal tick =
            noiseBurst(random.next(), centre * 0.5, centre, 0.0003, random.range(0.008, 0.04), 0.05);
        for (float& x : tick)
            x = crush(x, 12.0f);
        mixInto(out, tick, samplesFor(when), static_cast<float>(level));
    }
}

void addMetal(Signal& out, const ExplosionDesign& d, Random& random)
{
    for (int k = 0; k < d.metalHits; ++k) {
        const double when = 0.25 + random.range(0.0, d.seconds * 0.55);
        const double base = random.range(380.0, 1400.0);
        // Inharmonic partials of a struck plate.
        std::vector<Mode> modes{{base, random.range(0.12, 0.35), 1.0f},
                                {base * 1.593, random.range(0.1, 0.25), 0.6f},
                                {base * 2.135, random.range(0.08, 0.2), 0.45f},
                                {base * 2.653, random.range(0.05, 0.15), 0.3f}};
        Signal clank = ringModes(modes, 0.45);
        mixInto(clank, noiseBurst(random.next(), 800.0, 5000.0, 0.0002, 0.02, 0.03), 0, 0.8f);
        const double level = d.metalLevel * (0.5 + 0.5 * random.unit()) * std::exp(-(when - 0.25) * 1.2);
        mixInto(out, clank, samplesFor(when), static_cast<float>(level));
    }
}

void addSplash(Signal& out, const ExplosionDesign& d, Random& random)
{
    // The column of water: bright hiss that swells after the blast and falls back.
    Signal hiss(samplesFor(d.seconds));
    Noise noise(random.next());
    Biquad high;
    high.highpass(1200.0, 0.7);
    Biquad low;
    low.lowpass(9000.0, 0.7);
    for (std::size_t i = 0; i < hiss.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate - 0.05;
        const double envelope = t < 0.0 ? 0.0 : decayEnvelope(t, 0.12, d.splashDecay);
        // Falling water is lumpy: slow random amplitude flutter.
        const double flutter = 0.7 + 0.3 * std::sin(t * 37.0 + std::sin(t * 13.0) * 2.0);
        hiss[i] = low.process(high.process(noise.white())) * static_cast<float>(envelope * flutter);
    }
    mixInto(out, hiss, 0, d.splashLevel);
    // Bubbles and drops: short rising chirps.
    const int drops = 14;
    for (int k = 0; k < drops; ++k) {
        const double when = 0.15 + random.range(0.0, d.splashDecay * 0.8);
        const double base = random.range(350.0, 900.0);
        Signal drop(samplesFor(0.06));
        double phase = 0.0;
        for (std::size_t i = 0; i < drop.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            phase += base * (1.0 + 6.0 * t) / kSampleRate;
            drop[i] = static_cast<float>(std::sin(6.283185307 * phase)) * decayEnvelope(t, 0.002, 0.05);
        }
        mixInto(out, drop, samplesFor(when),
                d.splashLevel * 0.25f * static_cast<float>(random.range(0.3, 1.0)));
    }
}

} // namespace

Signal renderExplosion(const ExplosionDesign& d)
{
    Random random(d.seed);
    Signal out(samplesFor(d.seconds), 0.0f);

    mixInto(out, noiseBurst(random.next(), 600.0, 12000.0, 0.0002, 0.06, 0.1), 0, d.crackLevel);
    mixInto(out, blastBody(d, random.next(), d.seconds, 1.0), 0, d.bodyLevel);
    mixInto(out, thump(d.thumpFrom, d.thumpTo, d.thumpDecay * 0.5, d.thumpDecay, d.seconds), 0, d.thumpLevel);
    mixInto(out, rumble(d, random.next()), 0, d.rumbleLevel);
    addDebris(out, d, random);
    if (d.metalHits > 0)
        addMetal(out, d, random);
    if (d.splashLevel > 0.0f)
        addSplash(out, d, random);
    for (double when : d.secondaries) {
        const double scale = 0.45;
        Signal blast = blastBody(d, random.next(), d.seconds * 0.6, scale);
        mixInto(blast, thump(d.thumpFrom * 1.2, d.thumpTo * 1.3, 0.08, d.thumpDecay * 0.5, d.seconds * 0.4),
                0, d.thumpLevel * 0.7f);
        mixInto(blast, noiseBurst(random.next(), 800.0, 10000.0, 0.0002, 0.04, 0.06), 0, d.crackLevel * 0.6f);
        mixInto(out, blast, samplesFor(when), 0.6f);
    }
    out.resize(samplesFor(d.seconds));
    for (float& x : out)
        x = softClip(x, d.drive) / softClip(1.0f, d.drive);
    removeDc(out);
    fadeIn(out, samplesFor(0.001));
    fadeOut(out, samplesFor(0.25));
    return out;
}

} // namespace datagen::audio
