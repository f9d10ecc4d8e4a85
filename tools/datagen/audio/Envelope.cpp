#include "audio/Envelope.h"

#include <algorithm>
#include <cmath>

namespace datagen::audio {

float Adsr::at(double t, double hold) const
{
    if (t < 0.0)
        return 0.0f;
    auto held = [this](double time) {
        if (time < attack)
            return time / attack;
        if (time < attack + decay)
            return 1.0 - (1.0 - sustain) * (time - attack) / decay;
        return sustain;
    };
    if (t < hold)
        return static_cast<float>(held(t));
    const double fromLevel = held(hold);
    const double r = (t - hold) / release;
    if (r >= 1.0)
        return 0.0f;
    // A curved release sounds natural; the (1 - r) factor makes it reach zero exactly.
    return static_cast<float>(fromLevel * std::exp(-4.0 * r) * (1.0 - r));
}

float decayEnvelope(double t, double attack, double decay60)
{
    if (t < 0.0)
        return 0.0f;
    if (t < attack)
        return static_cast<float>(t / attack);
    return static_cast<float>(std::exp(-6.907755 * (t - attack) / decay60));
}

} // namespace datagen::audio
