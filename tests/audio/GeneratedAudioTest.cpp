// Checks the generated sound files as the game will load them: every file the sound registry and
// the music player name exists, decodes, and has a sensible length and level; loops are seamless.

#include "audio/VorbisDecoder.h"
#include "support/TempDir.h"

#include "Generators.h"
#include "audio/Loudness.h"
#include "common/DataTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

using datagen::audio::DecodedAudio;
using datagen::audio::decodeVorbis;

namespace {

std::vector<std::uint8_t> readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

enum class Kind { Effect, Loop, Music };

struct Expected {
    const char* name;
    Kind kind;
};

const Expected kFiles[] = {
    {"helic1", Kind::Loop},
    {"helic2", Kind::Loop},
    {"helic3", Kind::Loop},
    {"helic4", Kind::Loop},
    {"helic_expl", Kind::Effect},
    {"plane1", Kind::Loop},
    {"plane2", Kind::Loop},
    {"plane3", Kind::Loop},
    {"plane4", Kind::Loop},
    {"plane_expl", Kind::Effect},
    {"boat_hit", Kind::Effect},
    {"boat_expl1", Kind::Effect},
    {"boat_expl2", Kind::Effect},
    {"boat_expl3", Kind::Effect},
    {"bonus", Kind::Effect},
    {"addlife", Kind::Effect},
    {"player_plane", Kind::Loop},
    {"player_missile", Kind::Effect},
    {"player_bullet", Kind::Effect},
    {"player_missile_expl", Kind::Effect},
    {"player_hit_small", Kind::Effect},
    {"player_hit_big", Kind::Effect},
    {"tank_missile", Kind::Effect},
    {"arc9", Kind::Effect},
    {"music_menu1", Kind::Music},
    {"music_game1", Kind::Music},
    {"music_game2", Kind::Music},
    {"music_game3", Kind::Music},
    {"music_game4", Kind::Music},
};

// The build's generated data when it is there (the normal case after a build), otherwise a fresh
// generation into a temporary folder.
class GeneratedAudio : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const char* build = std::getenv("SKYVANE_BUILD_DIR");
        if (build != nullptr) {
            const std::string data = std::string(build) + "/data";
            if (std::filesystem::exists(data + "/sounds/music_game4.ogg") &&
                std::filesystem::exists(data + "/sounds/arc9.ogg")) {
                s_root = data;
                return;
            }
        }
        s_temp = std::make_unique<TempDir>();
        datagen::generateAudio(datagen::DataTree(s_temp->path()));
        s_root = s_temp->path();
    }
    static void TearDownTestSuite() { s_temp.reset(); }

    static DecodedAudio load(const Expected& file)
    {
        return decodeVorbis(readFileBytes(s_root + "/sounds/" + file.name + ".ogg"));
    }

    static std::string s_root;
    static std::unique_ptr<TempDir> s_temp;
};

std::string GeneratedAudio::s_root;
std::unique_ptr<TempDir> GeneratedAudio::s_temp;

double rms(const std::vector<float>& s, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(s[i]) * s[i];
    return std::sqrt(sum / static_cast<double>(std::max<std::size_t>(1, to - from)));
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

double levelDifference(double a, double b)
{
    return std::fabs(20.0 * std::log10((a + 1e-9) / (b + 1e-9)));
}

} // namespace

TEST_F(GeneratedAudio, EveryFileDecodesWithTheRightShape)
{
    for (const Expected& file : kFiles) {
        const DecodedAudio audio = load(file);
        ASSERT_TRUE(audio.ok) << file.name << ": " << audio.error;
        EXPECT_EQ(audio.rate, 44100) << file.name;
        const double seconds = audio.seconds();
        switch (file.kind) {
        case Kind::Music:
            EXPECT_EQ(audio.channels, 2) << file.name;
            EXPECT_GE(seconds, 90.0) << file.name;
            EXPECT_LE(seconds, 180.0) << file.name;
            break;
        case Kind::Loop:
            EXPECT_EQ(audio.channels, 1) << file.name;
            EXPECT_GE(seconds, 1.0) << file.name;
            EXPECT_LE(seconds, 4.0) << file.name;
            break;
        case Kind::Effect:
            EXPECT_EQ(audio.channels, 1) << file.name;
            EXPECT_GE(seconds, 0.1) << file.name;
            EXPECT_LE(seconds, 4.0) << file.name;
            break;
        }
    }
}

TEST_F(GeneratedAudio, LevelsAreMasteredWithoutClipping)
{
    for (const Expected& file : kFiles) {
        const DecodedAudio audio = load(file);
        ASSERT_TRUE(audio.ok) << file.name;
        const double peakDb = datagen::audio::toDecibels(audio.peak());
        EXPECT_LT(peakDb, -0.3) << file.name << " clips";
        EXPECT_GT(peakDb, -14.0) << file.name << " is nearly silent";
        if (file.kind == Kind::Music) {
            datagen::audio::StereoBuffer buffer;
            buffer.left = audio.samples[0];
            buffer.right = audio.samples[1];
            EXPECT_NEAR(datagen::audio::loudnessOf(buffer), -16.0, 1.0) << file.name;
        } else {
            const double loudness = datagen::audio::loudnessOf(audio.samples[0]);
            EXPECT_GT(loudness, -30.0) << file.name;
            EXPECT_LT(loudness, -8.0) << file.name;
        }
    }
}

TEST_F(GeneratedAudio, LoopsFlowFromTheirEndIntoTheirStart)
{
    for (const Expected& file : kFiles) {
        if (file.kind == Kind::Effect)
            continue;
        const DecodedAudio audio = load(file);
        ASSERT_TRUE(audio.ok) << file.name;
        for (std::size_t c = 0; c < audio.samples.size(); ++c) {
            const std::vector<float>& s = audio.samples[c];
            const std::string name = std::string(file.name) + " channel " + std::to_string(c);
            expectSeamless(name, s);
            const std::size_t n = s.size();
            // The stretch across the seam is as loud as the rest: no dip, no bump.
            const std::size_t half = 1102;
            std::vector<float> seam(s.end() - static_cast<long>(half), s.end());
            seam.insert(seam.end(), s.begin(), s.begin() + static_cast<long>(half));
            const double across = rms(seam, 0, seam.size());
            double quietest = 1e9;
            double loudest = 0.0;
            for (std::size_t from = 0; from + 2 * half <= n; from += half) {
                quietest = std::min(quietest, rms(s, from, from + 2 * half));
                loudest = std::max(loudest, rms(s, from, from + 2 * half));
            }
            EXPECT_GE(across, quietest * 0.9) << name;
            EXPECT_LE(across, loudest * 1.1) << name;
            if (file.kind == Kind::Music) {
                // A piece plays on into its restart rather than fading out or starting from silence.
                const double whole = rms(s, 0, n);
                EXPECT_LT(levelDifference(rms(s, n - 44100, n), whole), 12.0) << name;
                EXPECT_LT(levelDifference(rms(s, 0, 44100), whole), 12.0) << name;
            }
        }
    }
}

TEST_F(GeneratedAudio, OneShotsStartAndEndQuietly)
{
    for (const Expected& file : kFiles) {
        if (file.kind != Kind::Effect)
            continue;
        const DecodedAudio audio = load(file);
        ASSERT_TRUE(audio.ok) << file.name;
        const std::vector<float>& s = audio.samples[0];
        const float peak = datagen::audio::peakOf(s);
        EXPECT_LT(std::fabs(s.front()), 0.1f * peak) << file.name;
        EXPECT_LT(rms(s, s.size() - 441, s.size()), 0.03 * peak) << file.name << " is cut off";
    }
}
