#include "audio/SignalSounds.h"

#include "audio/Delay.h"
#include "audio/Distortion.h"
#include "audio/Envelope.h"
#include "audio/Filters.h"
#include "audio/Mixer.h"
#include "audio/Noise.h"
#include "audio/Oscillator.h"
#include "audio/SynthTools.h"

#include <cmath>
#include <numbers>

namespace datagen::audio {

namespace {

double noteFrequency(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// A bell: a sine carrier with a decaying frequency-modulation index, plus a glassy partial.
Signal bell(int midi, double seconds, double decay)
{
    const double f = noteFrequency(midi);
    Signal out(samplesFor(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double index = 2.2 * std::exp(-t * 14.0);
        const double modulator = std::sin(2.0 * std::numbers::pi * f * 3.5 * t) * index;
        const double carrier = std::sin(2.0 * std::numbers::pi * f * t + modulator);
        const double glass = 0.25 * std::sin(2.0 * std::numbers::pi * f * 2.76 * t) * std::exp(-t * 9.0);
        out[i] = static_cast<float>((carrier + glass) * decayEnvelope(t, 0.002, decay));
    }
    return out;
}

// A brassy synthesiser note: two detuned saws through a low-pass that opens with the attack.
Signal brass(int midi, double hold, double release, float vibrato)
{
    const double f = noteFrequency(midi);
    const Adsr envelope{0.015, 0.12, 0.75, release};
    Signal out(samplesFor(envelope.length(hold)));
    Oscillator a(Oscillator::Shape::Saw);
    Oscillator b(Oscillator::Shape::Saw, 0.37);
    Oscillator c(Oscillator::Shape::Square, 0.11);
    StateVariableFilter filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double level = envelope.at(t, hold);
        const double wobble =
            1.0 + vibrato * std::min(1.0, t * 3.0) * std::sin(2.0 * std::numbers::pi * 5.5 * t);
        if (i % 16 == 0)
            filter.set(f * (1.5 + 7.0 * level), 1.1);
        const float x = 0.5f * a.next(f * wobble * 1.003) + 0.5f * b.next(f * wobble * 0.997) +
                        0.25f * c.next(f * wobble * 0.5);
        out[i] = filter.lowpass(x) * static_cast<float>(level);
    }
    return out;
}

} // namespace

Signal renderBonusChime()
{
    const double seconds = 0.9;
    Signal out(samplesFor(seconds), 0.0f);
    // A major arpeggio climbing two octaves: E6 G#6 B6 E7.
    const int notes[] = {88, 92, 95, 100};
    for (int k = 0; k < 4; ++k)
        mixInto(out, bell(notes[k], seconds - 0.055 * k, 0.5), samplesFor(0.055 * k), 0.5f - 0.05f * k);
    // A quiet echo gives it sparkle without length.
    Echo echo(0.09, 0.3f, 0.3f);
    for (float& x : out)
        x += 0.3f * echo.process(x);
    out.resize(samplesFor(seconds));
    fadeOut(out, samplesFor(0.2));
    return out;
}

Signal renderExtraLifeJingle()
{
    const double seconds = 1.7;
    Signal out(samplesFor(seconds), 0.0f);
    // Fanfare in C: a quick triplet pickup G4 C5 E5, then G5, then a held C6 over a C major chord.
    struct Note {
        int midi;
        double start;
        double hold;
    };
    const Note lead[] = {
        {67, 0.0, 0.07}, {72, 0.09, 0.07}, {76, 0.18, 0.07}, {79, 0.27, 0.16}, {84, 0.45, 0.8}};
    for (const Note& note : lead)
        mixInto(out, brass(note.midi, note.hold, 0.25, note.hold > 0.5 ? 0.006f : 0.0f),
                samplesFor(note.start), 0.45f);
    for (int midi : {60, 64, 67})
        mixInto(out, brass(midi, 0.8, 0.35, 0.0f), samplesFor(0.45), 0.22f);
    for (int k = 0; k < 5; ++k)
        mixInto(out, bell(96 + (k % 3) * 4, 0.5, 0.35), samplesFor(0.45 + 0.06 * k), 0.08f);
    out.resize(samplesFor(seconds));
    Echo echo(0.12, 0.25f, 0.4f);
    for (float& x : out)
        x = softClip(x + 0.25f * echo.process(x), 1.2f);
    fadeOut(out, samplesFor(0.3));
    return out;
}

Signal renderWeldingArc()
{
    const double seconds = 1.1;
    Signal out(samplesFor(seconds));
    Noise noise(901);
    Random& random = noise.random();
    Biquad sizzleFilter;
    sizzleFilter.highpass(2500.0, 0.7);
    Biquad crackleFilter;
    crackleFilter.bandpass(4200.0, 0.9);
    Biquad humFilter;
    humFilter.bandpass(600.0, 0.6);
    OnePole flicker;
    flicker.setCutoff(25.0);
    Oscillator hum(Oscillator::Shape::Saw);
    float crackle = 0.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        // The arc length wanders, and the sound with it.
        const float intensity = 0.15f + 4.0f * std::fabs(flicker.lowpass(noise.white()));
        const float sizzle = sizzleFilter.process(noise.white()) * intensity;
        // Sparks: sparse impulses with random strength, each a tiny decaying burst.
        if (random.chance(0.02))
            crackle +=
                static_cast<float>(std::pow(random.unit(), 2.0) * 3.0) * (random.chance(0.5) ? 1.0f : -1.0f);
        crackle *= 0.9f;
        const float spark = crackleFilter.process(crackle * noise.white());
        // Mains buzz of the transformer, folded into a harsh edge.
        const float buzz = humFilter.process(foldback(hum.next(100.0), 1.8f)) * (0.6f + 0.4f * intensity);
        out[i] = softClip(0.3f * sizzle + 1.2f * spark + 0.35f * buzz, 1.3f);
    }
    // The strike: a sharp snap at the start.
    mixInto(out, noiseBurst(902, 1500.0, 12000.0, 0.0002, 0.03, 0.04), 0, 0.8f);
    fadeIn(out, samplesFor(0.001));
    fadeOut(out, samplesFor(0.15));
    return out;
}

} // namespace datagen::audio
