#include "audio/SoundFiles.h"

#include "audio/EffectCatalogue.h"
#include "audio/Loudness.h"
#include "audio/Mixer.h"
#include "audio/MusicCatalogue.h"
#include "audio/VorbisDecoder.h"
#include "audio/VorbisEncoder.h"

#include <stdexcept>

namespace datagen::audio {

namespace {

// Effects are short and mono: a generous quality costs little. Music is most of the bytes.
constexpr float kEffectQuality = 0.4f;
constexpr float kMusicQuality = 0.0f;
constexpr double kCeilingDb = -1.0;

// The codec can overshoot a sharp peak by about a decibel. Check the decoded result and, where it
// went over the ceiling, encode again from a signal scaled down by the overshoot.
std::vector<std::uint8_t> encodeUnderCeiling(const VorbisEncoder& encoder, Signal signal)
{
    const auto ceiling = static_cast<float>(fromDecibels(kCeilingDb));
    std::vector<std::uint8_t> bytes = encoder.encode(signal);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DecodedAudio decoded = decodeVorbis(bytes);
        if (!decoded.ok)
            throw std::runtime_error("the encoder made an unreadable stream: " + decoded.error);
        const float peak = decoded.peak();
        if (peak <= ceiling)
            break;
        applyGain(signal, ceiling / peak * 0.99f);
        bytes = encoder.encode(signal);
    }
    return bytes;
}

} // namespace

std::vector<std::string> soundFilePaths()
{
    std::vector<std::string> paths;
    for (const EffectRecipe& recipe : effectCatalogue())
        paths.push_back(recipe.path);
    for (const MusicRecipe& recipe : musicCatalogue())
        paths.push_back(recipe.path);
    return paths;
}

std::vector<std::uint8_t> makeSoundFile(const std::string& path)
{
    for (const EffectRecipe& recipe : effectCatalogue())
        if (recipe.path == path)
            return encodeUnderCeiling(VorbisEncoder(kEffectQuality), renderEffect(recipe));
    for (const MusicRecipe& recipe : musicCatalogue())
        if (recipe.path == path)
            return VorbisEncoder(kMusicQuality).encode(renderMusic(recipe.style()));
    throw std::invalid_argument("no sound is made for " + path);
}

} // namespace datagen::audio
