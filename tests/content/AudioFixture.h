#pragma once

#include "support/DiskAudio.h"
#include "support/TempDir.h"

#include "content/AudioSystem.h"
#include "content/ResourceArchive.h"

#include "audio/VorbisEncoder.h"

#include <gtest/gtest.h>

#include <cmath>

// A sine encoded as the game's own sound files are (Ogg Vorbis, mono for effects, stereo for
// music); it loops without a click when it holds whole cycles.
inline std::vector<std::uint8_t> toneOgg(double frequency, double seconds, double amplitude = 0.5,
                                         bool stereo = false)
{
    namespace audio = datagen::audio;
    audio::Signal tone(audio::samplesFor(seconds));
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = static_cast<float>(amplitude * std::sin(2.0 * M_PI * frequency * i / audio::kSampleRate));
    audio::StereoBuffer both;
    both.left = both.right = tone;
    return stereo ? audio::VorbisEncoder(0.4f).encode(both) : audio::VorbisEncoder(0.4f).encode(tone);
}

// The audio output on SDL's disk driver, with the archive reading loose files from a fresh folder
// that each test fills with the sounds it needs.
class ListeningTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NLib::ResourceArchive::create()->setLooseFolder(files.path());
        audio = NAudio::AudioSystem::create();
        ASSERT_TRUE(audio->deviceOk());
    }
    void TearDown() override
    {
        NAudio::AudioSystem::destroy();
        NLib::ResourceArchive::destroy();
    }

    DiskAudio disk;
    TempDir files;
    NAudio::AudioSystem* audio = nullptr;
};
