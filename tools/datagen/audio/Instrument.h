#pragma once

#include "audio/AudioBuffer.h"
#include "audio/Envelope.h"
#include "audio/Oscillator.h"

#include <cstdint>

namespace datagen::audio {

// A subtractive synthesiser voice: two oscillators (the second detuned or an octave away) and a
// sub-oscillator, a resonant low-pass with its own decaying envelope, an amplitude envelope,
// delayed vibrato and a drive stage. Every pitched instrument of the music is one patch of it.
struct Patch {
    Oscillator::Shape shape1 = Oscillator::Shape::Saw;
    Oscillator::Shape shape2 = Oscillator::Shape::Saw;
    double detune = 0.08;   // semitones between the two oscillators
    double interval2 = 0.0; // second oscillator's offset in semitones (12 = octave up)
    float mix2 = 0.5f;      // level of the second oscillator
    float sub = 0.0f;       // square an octave below
    float noise = 0.0f;     // breath or pick noise at the attack
    double pulseWidth = 0.5;
    double cutoff = 1200.0;    // Hz, before the envelope and key tracking
    double keyTrack = 0.5;     // 0: fixed cutoff, 1: cutoff follows pitch fully
    double filterEnv = 2500.0; // Hz added at the attack, decaying with filterDecay
    double filterDecay = 0.25;
    double resonance = 1.0;
    Adsr amp{0.005, 0.2, 0.7, 0.15};
    double vibratoRate = 5.5;
    double vibratoDepth = 0.0; // semitones
    double vibratoDelay = 0.25;
    float drive = 1.0f; // > 1 saturates
    double glide = 0.0; // seconds of pitch slide from a semitone below (bends into notes)
    bool fm = false;    // bell/electric piano instead: FM of a sine by a sine
    double fmRatio = 2.0;
    double fmIndex = 1.5;
    double fmDecay = 0.4;
};

// Renders one note of `hold` seconds (plus the release) at the given velocity (0..1).
Signal renderNote(const Patch& patch, int midi, double hold, float velocity, std::uint64_t seed);
// The same into a buffer the caller keeps, which spares an allocation per note.
void renderNote(const Patch& patch, int midi, double hold, float velocity, std::uint64_t seed, Signal& out);

double midiFrequency(double midi);

} // namespace datagen::audio
