#include "Generators.h"
#include "common/DataTree.h"

#include "audio/EffectCatalogue.h"
#include "audio/Loudness.h"
#include "audio/Mixer.h"
#include "audio/MusicCatalogue.h"
#include "audio/VorbisDecoder.h"
#include "audio/VorbisEncoder.h"

#include <stdexcept>

namespace datagen {

namespace {

// Effects are short and mono: a generous quality costs little. Music is most of the bytes.
constexpr float kEffectQuality = 0.4f;
constexpr float kMusicQuality = 0.0f;
constexpr double kCeilingDb = -1.0;

// The codec can overshoot a sharp peak by about a decibel. Check the decoded result and, where it
// went over the ceiling, encode again from a signal scaled down by the overshoot.
std::vector<std::uint8_t> encodeUnderCeiling(const audio::VorbisEncoder& encoder, audio::Signal signal)
{
    const auto ceiling = static_cast<float>(audio::fromDecibels(kCeilingDb));
    std::vector<std::uint8_t> bytes = encoder.encode(signal);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const audio::DecodedAudio decoded = audio::decodeVorbis(bytes);
        if (!decoded.ok)
            throw std::runtime_error("the encoder made an unreadable stream: " + decoded.error);
        const float peak = decoded.peak();
        if (peak <= ceiling)
            break;
        audio::applyGain(signal, ceiling / peak * 0.99f);
        bytes = encoder.encode(signal);
    }
    return bytes;
}

} // namespace

void generateAudio(const DataTree& tree)
{
    const audio::VorbisEncoder effectEncoder(kEffectQuality);
    for (const audio::EffectSpec& spec : audio::effectCatalogue())
        tree.writeBytes(spec.path, encodeUnderCeiling(effectEncoder, audio::renderEffect(spec)));
    const audio::VorbisEncoder musicEncoder(kMusicQuality);
    for (const audio::MusicSpec& spec : audio::musicCatalogue())
        tree.writeBytes(spec.path, musicEncoder.encode(audio::renderMusic(spec.style())));
}

} // namespace datagen
