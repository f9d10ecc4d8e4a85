// Checks the generated sound files as the game will load them: every file the sound registry and
// the music player name exists, decodes, and has a sensible length and level; loops are seamless.

#include "audio/Loudness.h"
#include "audio/SoundFiles.h"
#include "audio/VorbisDecoder.h"

#include "AudioTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using audiotest::rms;
using datagen::audio::DecodedAudio;
using datagen::audio::decodeVorbis;

namespace {

enum class Kind { Effect, Loop, Music };

struct Expected {
    std::string name;
    Kind kind;
};

// Every file the sound registry and the music player name.
std::vector<Expected> expectedFiles()
{
    std::vector<Expected> files;
    for (const char* loop :
         {"helic1", "helic2", "helic3", "helic4", "plane1", "plane2", "plane3", "plane4", "player_plane"})
        files.push_back({loop, Kind::Loop});
    for (const char* effect :
         {"helic_expl", "plane_expl", "boat_hit", "boat_expl1", "boat_expl2", "boat_expl3", "bonus",
          "addlife", "player_missile", "player_bullet", "player_missile_expl", "player_hit_small",
          "player_hit_big", "tank_missile", "arc9"})
        files.push_back({effect, Kind::Effect});
    for (const char* music : {"music_menu1", "music_game1", "music_game2", "music_game3", "music_game4"})
        files.push_back({music, Kind::Music});
    return files;
}

// The file as the build generated it when the build's data folder is there (the normal case),
// otherwise made afresh by the generator.
std::vector<std::uint8_t> generatedBytes(const std::string& name)
{
    const std::string relative = "sounds/" + name + ".ogg";
    if (const char* build = std::getenv("SKYVANE_BUILD_DIR")) {
        const std::string path = std::string(build) + "/data/" + relative;
        if (std::ifstream in{path, std::ios::binary})
            return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    return datagen::audio::makeSoundFile(relative);
}

// A click at the loop point shows as a jump from the last sample to the first that the signal
// never makes elsewhere: compare it with the largest steps the rest of the signal takes.
void expectSeamless(const std::string& name, const std::vector<float>& s)
{
    const std::size_t n = s.size();
    ASSERT_GT(n, 1000u);
    std::vector<float> steps;
    steps.reserve(n);
    for (std::size_t i = 1; i < n; ++i)
        steps.push_back(std::fabs(s[i] - s[i - 1]));
    std::sort(steps.begin(), steps.end());
    const float typical = steps[steps.size() * 999 / 1000];
    // Predict the first sample from the last two (the signal's slope carries on over the seam).
    const float predicted = s[n - 1] + (s[n - 1] - s[n - 2]);
    EXPECT_LE(std::fabs(s[0] - s[n - 1]), typical + 1e-3f) << name;
    EXPECT_LE(std::fabs(s[0] - predicted), 2.0f * typical + 1e-3f) << name;
}

void checkShapeAndLevels(const Expected& file, const DecodedAudio& audio)
{
    EXPECT_EQ(audio.rate, 44100);
    EXPECT_EQ(audio.channels, file.kind == Kind::Music ? 2 : 1);
    const double seconds = audio.seconds();
    EXPECT_GE(seconds, file.kind == Kind::Music ? 90.0 : file.kind == Kind::Loop ? 1.0 : 0.1);
    EXPECT_LE(seconds, file.kind == Kind::Music ? 180.0 : 4.0);
    const double peakDb = datagen::audio::toDecibels(audio.peak());
    EXPECT_LT(peakDb, -0.3) << "clips";
    EXPECT_GT(peakDb, -14.0) << "nearly silent";
    if (file.kind == Kind::Music) {
        datagen::audio::StereoBuffer buffer;
        buffer.left = audio.samples[0];
        buffer.right = audio.samples[1];
        EXPECT_NEAR(datagen::audio::loudnessOf(buffer), -16.0, 1.0);
    } else {
        const double loudness = datagen::audio::loudnessOf(audio.samples[0]);
        EXPECT_GT(loudness, -30.0);
        EXPECT_LT(loudness, -8.0);
    }
}

// Loops: no click at the seam, the stretch across it as loud as the rest (no dip, no bump), and
// a piece plays on into its restart rather than fading out or starting from silence.
void checkLoop(const Expected& file, const DecodedAudio& audio)
{
    for (std::size_t c = 0; c < audio.samples.size(); ++c) {
        const std::vector<float>& s = audio.samples[c];
        const std::string name = "channel " + std::to_string(c);
        expectSeamless(name, s);
        const std::size_t n = s.size();
        const std::size_t half = 1102;
        std::vector<float> seam(s.end() - static_cast<long>(half), s.end());
        seam.insert(seam.end(), s.begin(), s.begin() + static_cast<long>(half));
        const double across = rms(seam);
        double quietest = 1e9;
        double loudest = 0.0;
        for (std::size_t from = 0; from + 2 * half <= n; from += half) {
            quietest = std::min(quietest, rms(s, from, from + 2 * half));
            loudest = std::max(loudest, rms(s, from, from + 2 * half));
        }
        EXPECT_GE(across, quietest * 0.9) << name;
        EXPECT_LE(across, loudest * 1.1) << name;
        if (file.kind == Kind::Music) {
            const double whole = rms(s);
            EXPECT_LT(std::fabs(datagen::audio::toDecibels(rms(s, n - 44100, n) / whole)), 12.0) << name;
            EXPECT_LT(std::fabs(datagen::audio::toDecibels(rms(s, 0, 44100) / whole)), 12.0) << name;
        }
    }
}

// One-shots start from silence and have died away by their end instead of being cut off.
void checkQuietEnds(const DecodedAudio& audio)
{
    const std::vector<float>& s = audio.samples[0];
    const float peak = datagen::audio::peakOf(s);
    EXPECT_LT(std::fabs(s.front()), 0.1f * peak);
    EXPECT_LT(rms(s, s.size() - 441, s.size()), 0.03 * peak) << "cut off";
}

} // namespace

class GeneratedSound : public ::testing::TestWithParam<Expected> {};

// One test per file, so that each decodes only its own file and the files check in parallel.
TEST_P(GeneratedSound, DecodesAndIsMasteredAndLoopsCleanly)
{
    const Expected& file = GetParam();
    const DecodedAudio audio = decodeVorbis(generatedBytes(file.name));
    ASSERT_TRUE(audio.ok) << audio.error;
    checkShapeAndLevels(file, audio);
    if (file.kind == Kind::Effect)
        checkQuietEnds(audio);
    else
        checkLoop(file, audio);
}

INSTANTIATE_TEST_SUITE_P(Registry, GeneratedSound, ::testing::ValuesIn(expectedFiles()),
                         [](const ::testing::TestParamInfo<Expected>& info) { return info.param.name; });

TEST(SoundFiles, TheGeneratorMakesExactlyTheRegistrysFiles)
{
    std::vector<std::string> expected;
    for (const Expected& file : expectedFiles())
        expected.push_back("sounds/" + file.name + ".ogg");
    std::vector<std::string> made = datagen::audio::soundFilePaths();
    std::sort(expected.begin(), expected.end());
    std::sort(made.begin(), made.end());
    EXPECT_EQ(made, expected);
}
