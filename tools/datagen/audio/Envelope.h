#pragma once

namespace datagen::audio {

// Attack-decay-sustain-release as a pure function of time: the note is held for `hold` seconds,
// then released. Pure functions keep rendering order-independent and therefore deterministic.
struct Adsr {
    double attack = 0.005;
    double decay = 0.1;
    double sustain = 0.7;
    double release = 0.1;

    float at(double t, double hold) const;
    double length(double hold) const { return hold + release; }
};

// Exponential decay from 1 with the given time to fall by 60 dB, after a short linear attack.
float decayEnvelope(double t, double attack, double decay60);

} // namespace datagen::audio
