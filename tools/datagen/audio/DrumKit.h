#pragma once

#include "audio/AudioBuffer.h"

#include <array>
#include <cstdint>

namespace datagen::audio {

enum class Drum { Kick, Snare, Clap, ClosedHat, OpenHat, Crash, TomLow, TomHigh, Shaker, Count };

// The sound of a drum kit; every track tunes its own.
struct DrumKitDesign {
    std::uint64_t seed = 1;
    double kickFrom = 150.0; // pitch sweep of the kick
    double kickTo = 48.0;
    double kickDecay = 0.45;
    float kickClick = 0.5f;
    float kickDrive = 1.5f;
    double snareTone = 190.0;
    double snareDecay = 0.22;
    double snareBright = 7000.0;
    float snareBody = 0.5f;
    double hatBright = 8000.0;
    double hatDecay = 0.05;
    double openHatDecay = 0.35;
    double crashDecay = 1.8;
    double tomPitch = 110.0;
};

// Every drum of a design rendered once; the sequencer mixes copies of them.
class DrumKit final {
public:
    explicit DrumKit(const DrumKitDesign& design);
    const Signal& sound(Drum drum) const { return m_sounds[static_cast<std::size_t>(drum)]; }

private:
    std::array<Signal, static_cast<std::size_t>(Drum::Count)> m_sounds;
};

} // namespace datagen::audio
