#include "ToneFiles.h"

#include "audio/VorbisEncoder.h"

#include <cmath>

std::vector<std::uint8_t> toneOgg(double frequency, double seconds, double amplitude, bool stereo)
{
    namespace audio = datagen::audio;
    const std::size_t frames = audio::samplesFor(seconds);
    audio::Signal tone(frames);
    for (std::size_t i = 0; i < frames; ++i)
        tone[i] = static_cast<float>(amplitude * std::sin(2.0 * M_PI * frequency * i / audio::kSampleRate));
    const audio::VorbisEncoder encoder(0.4f);
    if (!stereo)
        return encoder.encode(tone);
    audio::StereoBuffer both;
    both.left = tone;
    both.right = tone;
    return encoder.encode(both);
}
