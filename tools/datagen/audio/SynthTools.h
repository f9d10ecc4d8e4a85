#pragma once

#include "audio/AudioBuffer.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace datagen::audio {

// White noise that repeats exactly every `period` samples (its seam is cross-faded with equal
// power, which keeps the level of uncorrelated noise constant). Filtered and shaped, it gives
// noise loops without a seam.
class LoopNoise final {
public:
    LoopNoise(std::size_t period, std::uint64_t seed);
    float at(std::size_t i) const { return m_table[i % m_table.size()]; }

private:
    Signal m_table;
};

// Renders a loop of `frames` samples from a generator called with the sample index i (which runs
// over two periods; the time of a sample inside the loop is (i % frames) / rate). The first
// period warms up every filter and feedback path, the second is kept: if every source repeats
// with the period, so does the output, and the loop has no seam.
Signal renderPeriodic(std::size_t frames, const std::function<float(std::size_t i)>& generator);

// A frequency adjusted so that it completes a whole number of cycles in `seconds`.
double loopFrequency(double frequency, double seconds);

// A bank of decaying sine modes: struck metal, bells, glass. Each mode is a frequency, a decay
// time to -60 dB and a level.
struct Mode {
    double frequency;
    double decay60;
    float level;
};
Signal ringModes(const std::vector<Mode>& modes, double seconds, double attack = 0.0005);

// A sine whose frequency glides exponentially from `from` to `to` over `glide` seconds, then
// holds; with an exponential amplitude decay. The body of kicks, thumps and cannon shots.
Signal thump(double from, double to, double glide, double decay60, double seconds);

// A short burst of filtered noise: the crack of a shot or the tick of a click.
Signal noiseBurst(std::uint64_t seed, double lowCut, double highCut, double attack, double decay60,
                  double seconds);

} // namespace datagen::audio
