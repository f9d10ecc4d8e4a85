#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datagen::audio {

// Decodes a whole Ogg Vorbis file from memory with vorbisfile, as the game's mixer does. The
// generator uses it to check what the encoder made (codec overshoot on sharp peaks), the tests to
// check the files as the game will hear them.
struct DecodedAudio {
    bool ok = false;
    std::string error;
    int channels = 0;
    long rate = 0;
    std::vector<std::vector<float>> samples; // one vector per channel

    std::size_t frames() const { return samples.empty() ? 0 : samples.front().size(); }
    double seconds() const
    {
        return rate > 0 ? static_cast<double>(frames()) / static_cast<double>(rate) : 0.0;
    }
    float peak() const;
};

DecodedAudio decodeVorbis(const std::vector<std::uint8_t>& bytes);

} // namespace datagen::audio
