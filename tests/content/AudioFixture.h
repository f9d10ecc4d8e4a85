#pragma once

#include "support/DiskAudio.h"
#include "support/WorldFixture.h"

#include "content/AudioSystem.h"

#include "audio/VorbisEncoder.h"

#include <cmath>

// A sine encoded as the game's own sound files are (Ogg Vorbis, mono for effects, stereo for
// music); it loops without a click when it holds whole cycles.
inline std::vector<std::uint8_t> toneOgg(double frequency, double seconds, bool stereo = false)
{
    namespace audio = datagen::audio;
    audio::Signal tone(audio::samplesFor(seconds));
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = static_cast<float>(0.5 * std::sin(2.0 * M_PI * frequency * i / audio::kSampleRate));
    audio::StereoBuffer both;
    both.left = both.right = tone;
    return stereo ? audio::VorbisEncoder(0.4f).encode(both) : audio::VorbisEncoder(0.4f).encode(tone);
}

// The audio output on SDL's disk driver, with the data folder that each test fills with the
// sounds it needs.
class ListeningTest : public WorldFixture {
protected:
    void SetUp() override
    {
        WorldFixture::SetUp();
        audio = NAudio::AudioSystem::create();
        ASSERT_TRUE(audio->deviceOk());
    }
    void TearDown() override
    {
        NAudio::AudioSystem::destroy();
        WorldFixture::TearDown();
    }

    DiskAudio disk;
    NAudio::AudioSystem* audio = nullptr;
};
