#include "audio/WeaponSounds.h"

#include "audio/Distortion.h"
#include "audio/Envelope.h"
#include "audio/Filters.h"
#include "audio/Mixer.h"
#include "audio/Noise.h"
#include "audio/SynthTools.h"

#include <cmath>
#include <numbers>

namespace datagen::audio {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

void finish(Signal& out, double fadeSeconds)
{
    removeDc(out);
    fadeIn(out, samplesFor(0.0008));
    fadeOut(out, samplesFor(fadeSeconds));
}

// Rocket exhaust: noise through a resonant band that wanders, plus hiss.
Signal exhaust(std::uint64_t seed, double seconds, double centre, double spread, double resonance,
               float rattle)
{
    Signal out(samplesFor(seconds));
    Noise noise(seed);
    StateVariableFilter band;
    Biquad body;
    body.lowpass(centre * 2.5, 0.7);
    Biquad hiss;
    hiss.highpass(4500.0, 0.7);
    OnePole jitter;
    jitter.setCutoff(12.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const float wander = jitter.lowpass(noise.white());
        if (i % 16 == 0)
            band.set(centre * (1.0 + spread * wander * 8.0), resonance);
        const float n = noise.white();
        // Burning propellant is uneven: a fast random flutter on the roar.
        const double flutter = 1.0 + rattle * std::sin(kTwoPi * 31.0 * t + 3.0 * wander);
        out[i] = static_cast<float>(
            (band.bandpass(n) * 0.9 + body.process(noise.pink()) * 0.8 + hiss.process(n) * 0.12) * flutter);
    }
    return out;
}

} // namespace

Signal renderCannon()
{
    const double seconds = 0.16;
    Signal out(samplesFor(seconds), 0.0f);
    mixInto(out, thump(210.0, 62.0, 0.03, 0.09, seconds), 0, 1.0f);
    mixInto(out, noiseBurst(101, 900.0, 6000.0, 0.0003, 0.045, seconds), 0, 0.9f);
    mixInto(out, noiseBurst(102, 3000.0, 14000.0, 0.0001, 0.012, 0.02), 0, 0.6f); // breech click
    // A short metallic ring of the barrel.
    mixInto(out, ringModes({{1730.0, 0.05, 0.12f}, {2610.0, 0.04, 0.08f}}, seconds), 0, 1.0f);
    for (float& x : out)
        x = softClip(x, 2.2f);
    finish(out, 0.05);
    return out;
}

Signal renderPlayerMissile()
{
    const double seconds = 2.6;
    Signal out = exhaust(201, seconds, 1500.0, 0.04, 1.4, 0.08f);
    // Smooth launch swell after the ignition pop, then a steady roar; a whistle rises slightly
    // as the missile speeds up.
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double swell = t < 0.12 ? t / 0.12 : 1.0;
        phase += (2100.0 + 260.0 * std::min(t, 1.5)) / kSampleRate;
        const double whistle = 0.05 * std::sin(kTwoPi * phase) * swell;
        out[i] = static_cast<float>(out[i] * (0.55 + 0.45 * swell) + whistle);
    }
    Signal ignition = noiseBurst(202, 200.0, 5000.0, 0.001, 0.15, 0.2);
    mixInto(ignition, thump(160.0, 70.0, 0.05, 0.12, 0.2), 0, 0.7f);
    mixInto(out, ignition, 0, 0.9f);
    for (float& x : out)
        x = softClip(x, 1.3f);
    finish(out, 0.5);
    return out;
}

Signal renderEnemyRocket()
{
    const double seconds = 2.2;
    Signal out = exhaust(301, seconds, 650.0, 0.07, 2.2, 0.35f);
    // Rougher and lower than the player's missile: crackling solid fuel.
    Noise noise(302);
    Biquad crackle;
    crackle.bandpass(3200.0, 1.5);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double swell = t < 0.08 ? t / 0.08 : 1.0;
        const float spark = noise.white();
        const float pop = std::fabs(spark) > 0.995f ? spark * 6.0f : 0.0f;
        out[i] = static_cast<float>((out[i] + crackle.process(pop) * 0.6) * swell);
    }
    mixInto(out, noiseBurst(303, 150.0, 3000.0, 0.001, 0.12, 0.15), 0, 0.8f);
    for (float& x : out)
        x = softClip(x, 1.6f);
    finish(out, 0.45);
    return out;
}

Signal renderBoatHit()
{
    const double seconds = 0.4;
    Signal out(samplesFor(seconds), 0.0f);
    // Bullets on a steel hull: a clang with a dull thud under it.
    mixInto(out,
            ringModes({{640.0, 0.22, 0.6f},
                       {1012.0, 0.18, 0.5f},
                       {1577.0, 0.12, 0.35f},
                       {2296.0, 0.09, 0.25f},
                       {3350.0, 0.05, 0.2f}},
                      seconds),
            0, 1.0f);
    mixInto(out, thump(180.0, 90.0, 0.02, 0.08, seconds), 0, 0.7f);
    mixInto(out, noiseBurst(401, 1500.0, 9000.0, 0.0002, 0.03, 0.05), 0, 0.8f);
    for (float& x : out)
        x = softClip(x, 1.8f);
    finish(out, 0.1);
    return out;
}

Signal renderPlayerHitSmall()
{
    const double seconds = 0.35;
    Signal out(samplesFor(seconds), 0.0f);
    Signal crunch = noiseBurst(501, 700.0, 5000.0, 0.0003, 0.09, seconds);
    for (float& x : crunch)
        x = crush(x * 2.0f, 6.0f);
    mixInto(out, crunch, 0, 0.6f);
    mixInto(out, thump(150.0, 75.0, 0.03, 0.12, seconds), 0, 0.9f);
    mixInto(out, ringModes({{1320.0, 0.12, 0.25f}, {2013.0, 0.08, 0.18f}}, seconds), 0, 1.0f);
    for (float& x : out)
        x = softClip(x, 2.0f);
    finish(out, 0.08);
    return out;
}

Signal renderPlayerHitBig()
{
    const double seconds = 0.95;
    Signal out(samplesFor(seconds), 0.0f);
    Signal crunch = noiseBurst(601, 300.0, 4000.0, 0.0005, 0.3, seconds);
    for (float& x : crunch)
        x = crush(x * 2.0f, 5.0f);
    mixInto(out, crunch, 0, 0.7f);
    mixInto(out, thump(120.0, 45.0, 0.08, 0.5, seconds), 0, 1.1f);
    // The airframe groans: low inharmonic modes beating against each other.
    mixInto(out,
            ringModes({{173.0, 0.7, 0.35f},
                       {178.5, 0.6, 0.3f},
                       {262.0, 0.5, 0.25f},
                       {411.0, 0.35, 0.2f},
                       {697.0, 0.25, 0.15f}},
                      seconds),
            0, 1.0f);
    mixInto(out, noiseBurst(602, 1000.0, 8000.0, 0.0002, 0.05, 0.08), 0, 0.7f);
    Signal second = noiseBurst(603, 500.0, 6000.0, 0.0005, 0.12, 0.2);
    mixInto(out, second, samplesFor(0.07), 0.4f);
    for (float& x : out)
        x = softClip(x, 2.0f);
    finish(out, 0.2);
    return out;
}

} // namespace datagen::audio
