#pragma once

#include "audio/AudioBuffer.h"

namespace datagen::audio {

// A look-ahead brick-wall limiter run over a whole buffer: the gain falls smoothly before each
// peak so that no sample exceeds the ceiling, and recovers with the release time. A circular run
// treats the buffer as a loop, so the gain at the end matches the gain at the start.
struct LimiterSettings {
    float ceiling = 0.89f; // linear; about -1 dBFS
    double lookahead = 0.004;
    double release = 0.12;
    bool circular = false;
};

void limit(StereoBuffer& buffer, const LimiterSettings& settings);
void limit(Signal& signal, const LimiterSettings& settings);

} // namespace datagen::audio
