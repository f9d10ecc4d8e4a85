#include "audio/MusicPatches.h"

namespace datagen::audio::patches {

using Shape = Oscillator::Shape;

Patch subBass()
{
    Patch p;
    p.shape1 = Shape::Triangle;
    p.shape2 = Shape::Saw;
    p.mix2 = 0.35f;
    p.detune = 0.0;
    p.interval2 = 0.0;
    p.sub = 0.3f;
    p.cutoff = 380.0;
    p.keyTrack = 0.3;
    p.filterEnv = 500.0;
    p.filterDecay = 0.15;
    p.amp = {0.006, 0.3, 0.75, 0.12};
    return p;
}

Patch driveBass()
{
    Patch p;
    p.shape1 = Shape::Saw;
    p.shape2 = Shape::Square;
    p.mix2 = 0.4f;
    p.detune = 0.05;
    p.sub = 0.4f;
    p.cutoff = 520.0;
    p.keyTrack = 0.3;
    p.filterEnv = 1400.0;
    p.filterDecay = 0.1;
    p.resonance = 1.1;
    p.amp = {0.003, 0.15, 0.8, 0.06};
    p.drive = 2.2f;
    return p;
}

Patch pumpBass()
{
    Patch p;
    p.shape1 = Shape::Saw;
    p.shape2 = Shape::Saw;
    p.detune = 0.12;
    p.sub = 0.5f;
    p.cutoff = 450.0;
    p.keyTrack = 0.4;
    p.filterEnv = 2200.0;
    p.filterDecay = 0.07;
    p.resonance = 1.6;
    p.amp = {0.002, 0.12, 0.6, 0.05};
    p.drive = 1.4f;
    return p;
}

Patch slapBass()
{
    Patch p;
    p.shape1 = Shape::Saw;
    p.shape2 = Shape::Pulse;
    p.pulseWidth = 0.3;
    p.mix2 = 0.5f;
    p.detune = 0.0;
    p.sub = 0.45f;
    p.cutoff = 380.0;
    p.keyTrack = 0.4;
    p.filterEnv = 2600.0;
    p.filterDecay = 0.06;
    p.resonance = 2.2;
    p.noise = 0.2f;
    p.amp = {0.002, 0.18, 0.5, 0.05};
    return p;
}

Patch warmPad()
{
    Patch p;
    p.shape1 = Shape::Saw;
    p.shape2 = Shape::Saw;
    p.detune = 0.14;
    p.cutoff = 850.0;
    p.keyTrack = 0.3;
    p.filterEnv = 300.0;
    p.filterDecay = 1.0;
    p.resonance = 0.8;
    p.amp = {0.35, 0.6, 0.8, 0.7};
    p.vibratoDepth = 0.04;
    p.vibratoRate = 4.2;
    p.vibratoDelay = 0.0;
    return p;
}

Patch stringPad()
{
    Patch p = warmPad();
    p.shape2 = Shape::Pulse;
    p.pulseWidth = 0.35;
    p.cutoff = 1500.0;
    p.amp = {0.18, 0.4, 0.85, 0.5};
    p.vibratoDepth = 0.08;
    p.vibratoRate = 5.2;
    return p;
}

Patch chug()
{
    Patch p;
    p.shape1 = Shape::Saw;
    p.shape2 = Shape::Square;
    p.detune = 0.1;
    p.mix2 = 0.6f;
    p.cutoff = 900.0;
    p.keyTrack = 0.2;
    p.filterEnv = 1800.0;
    p.filterDecay = 0.06;
    p.amp = {0.002, 0.1, 0.55, 0.05};
    p.drive = 4.0f;
    return p;
}

Patch stab()
{
    Patch p;
    p.shape1 = Shape::Saw;
    p.shape2 = Shape::Saw;
    p.detune = 0.18;
    p.cutoff = 700.0;
    p.keyTrack = 0.5;
    p.filterEnv = 3500.0;
    p.filterDecay = 0.08;
    p.resonance = 1.3;
    p.amp = {0.002, 0.12, 0.3, 0.08};
    return p;
}

Patch clav()
{
    Patch p;
    p.shape1 = Shape::Pulse;
    p.shape2 = Shape::Pulse;
    p.pulseWidth = 0.22;
    p.detune = 0.03;
    p.interval2 = 12.0;
    p.mix2 = 0.3f;
    p.cutoff = 1100.0;
    p.keyTrack = 0.6;
    p.filterEnv = 3000.0;
    p.filterDecay = 0.05;
    p.resonance = 1.8;
    p.amp = {0.001, 0.1, 0.3, 0.04};
    return p;
}

Patch electricPiano()
{
    Patch p;
    p.fm = true;
    p.fmRatio = 1.0;
    p.fmIndex = 1.4;
    p.fmDecay = 0.35;
    p.amp = {0.003, 1.2, 0.3, 0.35};
    return p;
}

Patch bellArp()
{
    Patch p;
    p.fm = true;
    p.fmRatio = 3.5;
    p.fmIndex = 2.0;
    p.fmDecay = 0.12;
    p.amp = {0.002, 0.4, 0.0, 0.3};
    return p;
}

Patch pluckArp()
{
    Patch p;
    p.shape1 = Shape::Saw;
    p.shape2 = Shape::Square;
    p.detune = 0.07;
    p.mix2 = 0.4f;
    p.cutoff = 600.0;
    p.keyTrack = 0.7;
    p.filterEnv = 3000.0;
    p.filterDecay = 0.06;
    p.resonance = 1.4;
    p.amp = {0.001, 0.15, 0.2, 0.08};
    return p;
}

Patch squareLead()
{
    Patch p;
    p.shape1 = Shape::Square;
    p.shape2 = Shape::Pulse;
    p.pulseWidth = 0.3;
    p.detune = 0.06;
    p.mix2 = 0.5f;
    p.cutoff = 2200.0;
    p.keyTrack = 0.5;
    p.filterEnv = 1500.0;
    p.filterDecay = 0.2;
    p.amp = {0.01, 0.2, 0.75, 0.12};
    p.vibratoDepth = 0.2;
    p.vibratoRate = 5.5;
    p.vibratoDelay = 0.2;
    p.glide = 0.025;
    return p;
}

Patch sawLead()
{
    Patch p;
    p.shape1 = Shape::Saw;
    p.shape2 = Shape::Saw;
    p.detune = 0.1;
    p.cutoff = 2600.0;
    p.keyTrack = 0.5;
    p.filterEnv = 2000.0;
    p.filterDecay = 0.15;
    p.resonance = 1.2;
    p.amp = {0.005, 0.2, 0.8, 0.1};
    p.vibratoDepth = 0.25;
    p.vibratoRate = 6.0;
    p.vibratoDelay = 0.15;
    p.drive = 2.0f;
    p.glide = 0.02;
    return p;
}

Patch brassLead()
{
    Patch p;
    p.shape1 = Shape::Saw;
    p.shape2 = Shape::Saw;
    p.detune = 0.08;
    p.cutoff = 700.0;
    p.keyTrack = 0.6;
    p.filterEnv = 2600.0;
    p.filterDecay = 0.3;
    p.resonance = 0.9;
    p.amp = {0.03, 0.25, 0.8, 0.12};
    p.vibratoDepth = 0.15;
    p.vibratoRate = 5.0;
    p.vibratoDelay = 0.25;
    p.drive = 1.3f;
    return p;
}

} // namespace datagen::audio::patches
