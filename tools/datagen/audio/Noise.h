#pragma once

#include "audio/Random.h"

#include <cstdint>

namespace datagen::audio {

// White, pink and brown noise from one seeded generator.
class Noise final {
public:
    explicit Noise(std::uint64_t seed) : m_random(seed) {}

    float white() { return m_random.bipolar(); }
    // Paul Kellet's economy filter: -3 dB per octave within half a dB over the audio band.
    float pink();
    // Integrated white noise with a leak, for rumble.
    float brown();
    Random& random() { return m_random; }

private:
    Random m_random;
    float m_b0 = 0.0f;
    float m_b1 = 0.0f;
    float m_b2 = 0.0f;
    float m_brown = 0.0f;
};

} // namespace datagen::audio
