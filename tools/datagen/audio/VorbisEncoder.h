#pragma once

#include "audio/AudioBuffer.h"

#include <cstdint>
#include <vector>

namespace datagen::audio {

// Encodes PCM to an Ogg Vorbis file in memory through libvorbisenc (variable bit rate).
// The stream serial number is fixed, so equal input gives equal bytes.
class VorbisEncoder final {
public:
    // quality: libvorbis VBR quality, -0.1 (smallest) .. 1.0 (best).
    explicit VorbisEncoder(float quality, int serial = 0x5eed);

    std::vector<std::uint8_t> encode(const Signal& mono) const;
    std::vector<std::uint8_t> encode(const StereoBuffer& stereo) const;

private:
    std::vector<std::uint8_t> encodeChannels(const std::vector<const Signal*>& channels) const;

    float m_quality;
    int m_serial;
};

} // namespace datagen::audio
