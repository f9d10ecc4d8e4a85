#pragma once

#include "audio/AudioBuffer.h"
#include "audio/Song.h"

namespace datagen::audio {

// Plays a song into a stereo buffer of exactly its length. Notes and echoes that ring past the
// end are folded over the start, so the piece loops as if it were played on without a break.
class Sequencer final {
public:
    explicit Sequencer(const Song& song) : m_song(song) {}

    StereoBuffer render() const;
    std::size_t sampleOf(double beat) const;
    std::size_t loopFrames() const;

private:
    std::vector<float> duckingCurve(std::size_t frames) const;

    const Song& m_song;
};

} // namespace datagen::audio
