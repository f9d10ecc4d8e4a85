#include "platform/FileBytes.h"
#include "platform/KAudio.h"
#include "platform/KAudioSDL.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The output on SDL's dummy driver (silent, but mixing in real time), with a generated effect.
class AudioOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* build = std::getenv("SKYVANE_BUILD_DIR");
        ogg = readFileBytes(std::string(build ? build : ".") + "/data/sounds/player_bullet.ogg");
        ASSERT_FALSE(ogg.empty()) << "the generated data tree is needed";
        ASSERT_TRUE(output->open());
    }

    std::unique_ptr<KAudio> output = createAudio();
    std::vector<std::uint8_t> ogg;
};

TEST_F(AudioOutputTest, AFullSampleGivesNoFreeChannelOrTakesOverTheOldest)
{
    const KSample sample = output->loadSample(ogg.data(), ogg.size(), 2);
    // Looping, so none ends on its own while the test looks.
    output->setSampleLooping(sample, true);
    const KChannel first = output->sampleChannel(sample, true);
    const KChannel second = output->sampleChannel(sample, true);
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    output->playChannel(first, false);
    output->playChannel(second, false);
    EXPECT_TRUE(output->isChannelPlaying(first));
    EXPECT_EQ(output->sampleChannel(sample, true), 0u);

    const KChannel third = output->sampleChannel(sample, false);
    ASSERT_NE(third, 0u);
    EXPECT_FALSE(output->isChannelPlaying(first)) << "the oldest gave way";
    EXPECT_TRUE(output->isChannelPlaying(second));
    // The old handle is gone for good: playing it does nothing.
    output->playChannel(first, true);
    EXPECT_FALSE(output->isChannelPlaying(first));

    output->stopSample(sample);
    EXPECT_FALSE(output->isChannelPlaying(second));
    // Stopped channels are free again.
    EXPECT_NE(output->sampleChannel(sample, true), 0u);

    output->playChannel(third, false);
    output->freeSample(sample);
    EXPECT_FALSE(output->isChannelPlaying(third));
    output->playChannel(third, true);
    output->setChannelPan(third, -40);
    EXPECT_EQ(output->sampleChannel(sample, false), 0u);
}

TEST_F(AudioOutputTest, MoreSoundsThanMixerChannelsLeaveTheRestSilent)
{
    std::vector<KChannel> channels;
    for (int i = 0; i < KAudioSDL::kMixerChannels + 6; ++i) {
        const KSample sample = output->loadSample(ogg.data(), ogg.size(), 1);
        ASSERT_NE(sample, 0u);
        output->setSampleLooping(sample, true);
        channels.push_back(output->sampleChannel(sample, false));
        output->playChannel(channels.back(), false);
    }
    int sounding = 0;
    for (KChannel channel : channels)
        sounding += output->isChannelPlaying(channel) ? 1 : 0;
    EXPECT_EQ(sounding, KAudioSDL::kMixerChannels);
}

} // namespace
