#pragma once

#include "audio/AudioBuffer.h"

#include <array>
#include <vector>

namespace datagen::audio {

// A stereo room after the classic Schroeder-Moorer design (eight damped combs into four
// all-passes per side, the right side slightly detuned for width).
class Reverb final {
public:
    struct Settings {
        float roomSize = 0.8f; // 0..1, longer tail towards 1
        float damping = 0.4f;  // 0..1, darker tail towards 1
        float width = 1.0f;    // 0 mono .. 1 full stereo
    };

    explicit Reverb(const Settings& settings);

    // Adds the wet signal of `input` (a send bus) into `output` at the given level.
    void process(const StereoBuffer& input, StereoBuffer& output, float wet);
    // The room is fed in mono anyway; a mono send saves summing the two channels.
    void process(const Signal& input, StereoBuffer& output, float wet);

private:
    struct Comb {
        std::vector<float> buffer;
        std::size_t index = 0;
        float store = 0.0f;
        float process(float x, float feedback, float damping);
    };
    struct AllPass {
        std::vector<float> buffer;
        std::size_t index = 0;
        float process(float x);
    };
    struct Side {
        std::array<Comb, 8> combs;
        std::array<AllPass, 4> allPasses;
        float process(float x, float feedback, float damping);
    };

    Settings m_settings;
    Side m_left;
    Side m_right;
};

} // namespace datagen::audio
