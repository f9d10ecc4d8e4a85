#include "audio/Delay.h"
#include "audio/DrumKit.h"
#include "audio/EffectCatalogue.h"
#include "audio/Envelope.h"
#include "audio/Filters.h"
#include "audio/Instrument.h"
#include "audio/Loudness.h"
#include "audio/Mixer.h"
#include "audio/MusicPatches.h"
#include "audio/Random.h"
#include "audio/Reverb.h"

#include "AudioTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <numeric>

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
    // Swept hard every sample at high resonance it stays stable.
    StateVariableFilter swept;
    Random random(3);
    float peak = 0.0f;
    for (int i = 0; i < 44100; ++i) {
        swept.set(50.0 + 15000.0 * (0.5 + 0.5 * std::sin(i * 0.01)), 8.0);
        peak = std::max(peak, std::fabs(swept.lowpass(random.bipolar())));
    }
    EXPECT_TRUE(std::isfinite(peak));
    EXPECT_LT(peak, 20.0f);
}

TEST(Envelopes, AdsrIsContinuousAndEndsAtZero)
{
    const Adsr adsr{0.01, 0.1, 0.5, 0.2};
    EXPECT_EQ(adsr.at(-0.1, 1.0), 0.0f);
    EXPECT_NEAR(adsr.at(0.01, 1.0), 1.0f, 1e-3f);
    EXPECT_NEAR(adsr.at(0.5, 1.0), 0.5f, 1e-6f);
    EXPECT_NEAR(adsr.at(1.0 - 1e-6, 1.0), adsr.at(1.0 + 1e-6, 1.0), 1e-3f);
    EXPECT_NEAR(adsr.at(1.2, 1.0), 0.0f, 1e-6f);
    EXPECT_EQ(adsr.at(1.5, 1.0), 0.0f);
    EXPECT_NEAR(adsr.at(1.2 - 1e-4, 1.0), 0.0f, 1e-3f);
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
    EXPECT_EQ(line.tap(4.0), 7.0f);
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
    Signal offset(50, 0.25f);
    removeDc(offset);
    EXPECT_NEAR(peakOf(offset), 0.0f, 1e-6f);

    StereoBuffer panned(4);
    mixInto(panned, Signal{1, 1}, 1, 1.0f, -1.0f);
    EXPECT_NEAR(panned.left[1], std::numbers::sqrt2, 1e-5);
    EXPECT_NEAR(panned.right[1], 0.0f, 1e-6f);
}

TEST(Instrument, NotesHaveTheirPitchLengthAndNoClicks)
{
    Patch plain;
    plain.shape1 = Oscillator::Shape::Triangle;
    plain.mix2 = 0.0f;
    plain.cutoff = 8000.0;
    plain.filterEnv = 0.0;
    const Signal a4 = renderNote(plain, 69, 0.5, 1.0f, 1);
    EXPECT_EQ(a4.size(), samplesFor(0.5 + plain.amp.release));
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

// What tells engines apart by ear: the shape of the spectrum, and the rhythm of the loudness
// (a rotor's chop, a piston engine's buzz, a jet's steady roar).
struct EngineProfile {
    std::string name;
    std::vector<double> bands; // dB per octave band
    double depth = 0.0;        // loudness fluctuation, relative
    double rate = 0.0;         // dominant fluctuation rate in Hz, 0 when there is none
};

EngineProfile profileOf(const std::string& name, const Signal& loop)
{
    EngineProfile profile{name, {}, 0.0, 0.0};
    for (double centre : {63.0, 125.0, 250.0, 500.0, 1000.0, 2000.0, 4000.0, 8000.0}) {
        Biquad band;
        band.bandpass(centre, 1.4);
        Signal filtered = loop;
        for (float& x : filtered)
            x = band.process(x);
        profile.bands.push_back(toDecibels(rms(filtered) + 1e-9));
    }
    const std::size_t frame = samplesFor(0.002);
    std::vector<double> envelope;
    for (std::size_t from = 0; from + frame <= loop.size(); from += frame)
        envelope.push_back(rms(loop, from, from + frame));
    const double count = static_cast<double>(envelope.size());
    const double mean = std::accumulate(envelope.begin(), envelope.end(), 0.0) / count;
    double variance = 0.0;
    for (double& e : envelope) {
        e -= mean;
        variance += e * e / count;
    }
    profile.depth = std::sqrt(variance) / mean;
    double best = 0.3; // below this correlation there is no rhythm to speak of
    for (std::size_t lag = 5; lag <= 100; ++lag) {
        double sum = 0.0;
        for (std::size_t i = 0; i < envelope.size(); ++i)
            sum += envelope[i] * envelope[(i + lag) % envelope.size()];
        const double correlation = sum / count / variance;
        if (correlation > best) {
            best = correlation;
            profile.rate = 500.0 / static_cast<double>(lag);
        }
    }
    return profile;
}

TEST(Effects, EngineLoopsAreDistinctFromEachOther)
{
    std::vector<EngineProfile> profiles;
    for (const EffectRecipe& recipe : effectCatalogue())
        if (recipe.loop)
            profiles.push_back(profileOf(recipe.path, renderEffect(recipe)));
    ASSERT_EQ(profiles.size(), 9u);
    for (std::size_t a = 0; a < profiles.size(); ++a)
        for (std::size_t b = a + 1; b < profiles.size(); ++b) {
            const EngineProfile& p = profiles[a];
            const EngineProfile& q = profiles[b];
            double spectrum = 0.0;
            for (std::size_t k = 0; k < p.bands.size(); ++k)
                spectrum = std::max(spectrum, std::fabs(p.bands[k] - q.bands[k]));
            const bool rhythm = (p.rate == 0.0) != (q.rate == 0.0) ||
                                std::fabs(p.rate - q.rate) > 0.1 * std::max(p.rate, q.rate);
            const bool texture = std::fabs(p.depth - q.depth) > 0.15;
            EXPECT_TRUE(spectrum > 4.0 || rhythm || texture)
                << p.name << " and " << q.name << " sound alike: spectra within " << spectrum << " dB, rates "
                << p.rate << " and " << q.rate << " Hz, depths " << p.depth << " and " << q.depth;
        }
}
