#include "audio/Delay.h"
#include "audio/DrumKit.h"
#include "audio/Envelope.h"
#include "audio/Filters.h"
#include "audio/Instrument.h"
#include "audio/Loudness.h"
#include "audio/Mixer.h"
#include "audio/MusicPatches.h"
#include "audio/Reverb.h"

#include "AudioTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace datagen::audio;
using audiotest::crossings;
using audiotest::rms;

namespace {

// Level of a tone after a filter, in dB, measured after the filter has settled.
template <typename Filter> double gainAt(Filter filter, double frequency)
{
    Signal s = audiotest::sine(frequency, 1.0, 0.3);
    for (float& x : s)
        x = filter(x);
    return toDecibels(rms(s, samplesFor(0.1)) * std::numbers::sqrt2);
}

} // namespace

TEST(Filters, PassAndStopWhereTheyShould)
{
    Biquad low;
    low.lowpass(1000.0, 0.707);
    EXPECT_NEAR(gainAt([&](float x) { return low.process(x); }, 100.0), 0.0, 0.2);
    low.reset();
    EXPECT_NEAR(gainAt([&](float x) { return low.process(x); }, 1000.0), -3.0, 0.3);
    low.reset();
    EXPECT_LT(gainAt([&](float x) { return low.process(x); }, 8000.0), -30.0);

    Biquad band;
    band.bandpass(2000.0, 2.0);
    EXPECT_NEAR(gainAt([&](float x) { return band.process(x); }, 2000.0), 0.0, 0.3);

    StateVariableFilter svf;
    svf.set(500.0, 0.707);
    EXPECT_LT(gainAt([&](float x) { return svf.lowpass(x); }, 5000.0), -35.0);
}

TEST(Envelopes, AdsrIsContinuousAndEndsAtZero)
{
    const Adsr adsr{0.01, 0.1, 0.5, 0.2};
    EXPECT_NEAR(adsr.at(0.01, 1.0), 1.0f, 1e-3f);
    EXPECT_NEAR(adsr.at(0.5, 1.0), 0.5f, 1e-6f);
    EXPECT_NEAR(adsr.at(1.0 - 1e-6, 1.0), adsr.at(1.0 + 1e-6, 1.0), 1e-3f);
    EXPECT_NEAR(adsr.at(1.2, 1.0), 0.0f, 1e-6f);
    // Released during the attack, it falls from where it was.
    EXPECT_LT(adsr.at(0.006, 0.005), 0.5f);
    EXPECT_NEAR(decayEnvelope(1.0, 0.0, 1.0), 0.001f, 1e-5f);
}

TEST(Effects, DelayReverbAndMixerBehave)
{
    DelayLine line(100);
    for (int i = 1; i <= 10; ++i)
        line.push(static_cast<float>(i));
    EXPECT_EQ(line.tap(1.0), 10.0f);
    EXPECT_NEAR(line.tap(2.5), 8.5f, 1e-6f);

    // An impulse into the room: a tail that differs left and right and dies away.
    Signal impulse(samplesFor(4.0), 0.0f);
    impulse[0] = 1.0f;
    StereoBuffer out(impulse.size());
    Reverb({0.8f, 0.4f, 1.0f}).process(impulse, out, 1.0f);
    EXPECT_GT(rms(out.left, samplesFor(0.1), samplesFor(0.5)), 1e-4);
    EXPECT_NE(out.left, out.right);
    EXPECT_LT(rms(out.left, samplesFor(3.5)), rms(out.left, samplesFor(0.1), samplesFor(0.5)) * 0.05);

    // Folding a tail over the start of a loop.
    StereoBuffer buffer(10);
    buffer.left = {1, 0, 0, 0, 0, 0, 0, 0, 2, 3};
    buffer.right = buffer.left;
    wrapTail(buffer, 8);
    EXPECT_EQ(buffer.left, (Signal{3, 3, 0, 0, 0, 0, 0, 0}));

    Signal s(100, 1.0f);
    fadeIn(s, 10);
    fadeOut(s, 10);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_NEAR(s.back(), 0.0f, 1e-6f);
    EXPECT_EQ(s[50], 1.0f);
}

TEST(Instrument, NotesHaveTheirPitchLengthAndNoClicks)
{
    Patch plain;
    plain.shape1 = Oscillator::Shape::Triangle;
    plain.mix2 = 0.0f;
    plain.cutoff = 8000.0;
    plain.filterEnv = 0.0;
    const Signal a4 = renderNote(plain, 69, 0.5, 1.0f, 1);
    EXPECT_NEAR(crossings(a4, samplesFor(0.1), samplesFor(0.4)), 2 * 440 * 0.3, 4);
    EXPECT_NEAR(a4.front(), 0.0f, 0.01f);
    EXPECT_NEAR(a4.back(), 0.0f, 0.01f);
    const Signal quiet = renderNote(plain, 69, 0.5, 0.25f, 1);
    EXPECT_NEAR(rms(quiet) / rms(a4), 0.25, 0.01);

    // Every shared patch, FM ones included, sounds and stays bounded.
    for (const Patch& patch :
         {patches::subBass(), patches::driveBass(), patches::slapBass(), patches::warmPad(), patches::chug(),
          patches::clav(), patches::electricPiano(), patches::bellArp(), patches::squareLead(),
          patches::sawLead(), patches::brassLead()}) {
        const Signal note = renderNote(patch, 57, 0.4, 1.0f, 9);
        EXPECT_GT(peakOf(note), 0.05f);
        EXPECT_LT(peakOf(note), 4.0f);
        EXPECT_NEAR(note.back(), 0.0f, 0.01f);
    }
}

TEST(DrumKit, EveryDrumSoundsInItsRegisterAndEndsSilent)
{
    const DrumKit kit(DrumKitDesign{});
    for (int d = 0; d < static_cast<int>(Drum::Count); ++d) {
        const Signal& sound = kit.sound(static_cast<Drum>(d));
        ASSERT_FALSE(sound.empty()) << d;
        EXPECT_GT(peakOf(sound), 0.05f) << d;
        EXPECT_LT(std::fabs(sound.back()), 0.01f * peakOf(sound) + 1e-4f) << d;
    }
    // A kick is low, a hi-hat is high: compare how often they cross zero.
    const Signal& kick = kit.sound(Drum::Kick);
    const Signal& hat = kit.sound(Drum::ClosedHat);
    const std::size_t span = std::min<std::size_t>(samplesFor(0.03), hat.size());
    EXPECT_GT(crossings(hat, 0, span),
              10 * std::max(1, crossings(kick, samplesFor(0.01), samplesFor(0.01) + span)));
}
