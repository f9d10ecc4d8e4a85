#include "audio/VorbisDecoder.h"

#include "audio/Dynamics.h"
#include "audio/EffectCatalogue.h"
#include "audio/Loudness.h"
#include "audio/Mixer.h"
#include "audio/Oscillator.h"
#include "audio/SynthTools.h"
#include "audio/VorbisEncoder.h"

#include "AudioTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace datagen::audio;
using audiotest::crossings;
using audiotest::rms;
using audiotest::sine;

// Round trips keep length, pitch, level and sides; the same input gives the same bytes; a broken
// stream is refused.
TEST(VorbisEncoder, RoundTripsAreFaithfulAndReproducible)
{
    const Signal tone = sine(440.0, 0.5, 1.0);
    const std::vector<std::uint8_t> bytes = VorbisEncoder(0.4f).encode(tone);
    EXPECT_EQ(bytes, VorbisEncoder(0.4f).encode(tone));
    EXPECT_FALSE(decodeVorbis({'O', 'g', 'g', 'S', 0, 1, 2}).ok);
    const DecodedAudio mono = decodeVorbis(bytes);
    ASSERT_TRUE(mono.ok) << mono.error;
    EXPECT_EQ(mono.channels, 1);
    EXPECT_EQ(mono.rate, kSampleRate);
    ASSERT_EQ(mono.frames(), tone.size());
    EXPECT_NEAR(crossings(mono.samples[0]), 880, 4);
    EXPECT_NEAR(peakOf(mono.samples[0]), 0.5f, 0.03f);

    StereoBuffer stereo(samplesFor(0.5));
    stereo.left = sine(300.0, 0.4, 0.5); // different content per side must stay on its side
    const DecodedAudio two = decodeVorbis(VorbisEncoder(0.0f).encode(stereo));
    ASSERT_TRUE(two.ok) << two.error;
    ASSERT_EQ(two.channels, 2);
    ASSERT_EQ(two.frames(), stereo.frames());
    EXPECT_GT(peakOf(two.samples[0]), 0.35f);
    EXPECT_LT(peakOf(two.samples[1]), 0.05f);
}

TEST(Oscillator, SawIsBandLimitedAndKeepsItsFrequency)
{
    Oscillator saw(Oscillator::Shape::Saw);
    Signal s(kSampleRate);
    for (float& x : s)
        x = saw.next(3520.0);
    // A naive saw at this pitch folds harmonics down below the fundamental; a band-limited one
    // has (almost) nothing there. Measure the energy under 3 kHz with a simple low-pass.
    Signal low = s;
    float state = 0.0f;
    for (float& x : low)
        x = state += 0.2f * (x - state);
    EXPECT_LT(rms(low) / rms(s), 0.5);
    EXPECT_NEAR(crossings(s), 2 * 3520, 40);
}

TEST(Limiter, HoldsPeaksUnderTheCeilingAndLeavesQuietPassagesAlone)
{
    Signal s = sine(200.0, 0.2, 2.0);
    for (std::size_t i = samplesFor(1.0); i < samplesFor(1.01); ++i)
        s[i] *= 8.0f; // a burst far over the ceiling
    LimiterSettings settings;
    settings.ceiling = 0.5f;
    limit(s, settings);
    EXPECT_LE(peakOf(s), 0.5f + 1e-4f);
    // Half a second before the burst and well after the release, the signal is untouched.
    EXPECT_NEAR(peakOf(Signal(s.begin() + static_cast<long>(samplesFor(0.3)),
                              s.begin() + static_cast<long>(samplesFor(0.5)))),
                0.2f, 1e-3f);
    EXPECT_NEAR(peakOf(Signal(s.end() - static_cast<long>(samplesFor(0.2)), s.end())), 0.2f, 2e-3f);

    // Circular: a burst at the very end also pulls down the start, so a loop does not jump.
    Signal loop = sine(loopFrequency(200.0, 1.0), 0.2, 1.0);
    for (std::size_t i = loop.size() - samplesFor(0.002); i < loop.size(); ++i)
        loop[i] *= 8.0f;
    settings.circular = true;
    limit(loop, settings);
    EXPECT_LE(peakOf(loop), 0.5f + 1e-4f);
    EXPECT_LT(peakOf(Signal(loop.begin(), loop.begin() + static_cast<long>(samplesFor(0.005)))), 0.19f);
}

TEST(Loudness, MatchesTheReferenceToneAndGates)
{
    // A full-scale 1 kHz sine in one channel reads -3.01 LUFS; at -20 dBFS, -23.01.
    const Signal tone = sine(1000.0, 0.1, 3.0);
    EXPECT_NEAR(loudnessOf(tone), -23.01, 0.15);
    StereoBuffer both;
    both.left = tone;
    both.right = tone;
    EXPECT_NEAR(loudnessOf(both), -20.0, 0.15);
    // Silence around a passage does not dilute it: the gate drops the silent blocks.
    Signal padded(samplesFor(6.0), 0.0f);
    mixInto(padded, tone, samplesFor(1.5), 1.0f);
    EXPECT_NEAR(loudnessOf(padded), -23.01, 0.6); // ungated it would read -26
}

// Levels of the shipped effects are checked on the generated files (GeneratedAudioTest).
TEST(Effects, RenderingIsDeterministic)
{
    for (const EffectRecipe& recipe : effectCatalogue()) {
        if (recipe.path != "sounds/helic3.ogg" && recipe.path != "sounds/boat_expl2.ogg")
            continue;
        EXPECT_EQ(renderEffect(recipe), renderEffect(recipe)) << recipe.path;
    }
}
