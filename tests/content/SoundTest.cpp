#include "AudioFixture.h"

#include "content/Sound.h"
#include "content/Sounds.h"
#include "platform/Log.h"

#include <cstdlib>

using NAudio::Sound;

namespace {

// 441 Hz holds whole cycles in any multiple of 1/441 s, so looped copies join without a click.
constexpr double kTone = 441.0;

class SoundTest : public ListeningTest {
protected:
    void SetUp() override
    {
        ListeningTest::SetUp();
        data.write("sounds/tone.ogg", toneOgg(kTone, 0.5));
        data.write("sounds/engine.ogg", toneOgg(kTone, 0.2));
    }

    // Plays the sound from the start and returns what is heard of it.
    DiskAudio::Clip hear(Sound& sound, int volume = 100)
    {
        const std::size_t mark = disk.mark();
        sound.play(true, false, volume);
        return disk.listen(mark, 0.2);
    }
    double silence() const { return disk.listen(disk.mark(), 0.2).level(); }
};

TEST_F(SoundTest, VolumesScaleAndPanningAndTheStereoSwapPlaceTheSound)
{
    std::unique_ptr<Sound> sound = Sound::load("sounds/tone.ogg", 1);
    ASSERT_TRUE(sound);
    // Half volume is six decibels down, whichever volume is halved.
    const double full = hear(*sound, 100).level();
    EXPECT_GT(full, 0.2);
    EXPECT_NEAR(decibels(hear(*sound, 50).level(), full), -6.02, 0.3);
    // The player's effect volume scales the sound's own.
    audio->setSoundVolume(50);
    EXPECT_NEAR(decibels(hear(*sound, 100).level(), full), -6.02, 0.3);
    EXPECT_NEAR(decibels(hear(*sound).level(), full), -6.02, 0.3) << "default level";
    EXPECT_NEAR(decibels(hear(*sound, 50).level(), full), -12.04, 0.4);
    audio->setSoundVolume(0);
    EXPECT_LT(hear(*sound).level(), 1e-4);
    audio->setSoundVolume(100);

    sound->setPan(-100);
    DiskAudio::Clip clip = hear(*sound);
    EXPECT_GT(clip.leftLevel(), 0.2);
    EXPECT_LT(clip.rightLevel(), 0.01);
    EXPECT_NEAR(clip.frequency(), kTone, 5.0);
    // Half way the far side is at half its level; centred both sides are alike.
    for (const auto& [pan, db] : {std::pair{-50, -6.0}, std::pair{0, 0.0}}) {
        sound->setPan(pan);
        clip = hear(*sound);
        EXPECT_NEAR(decibels(clip.rightLevel(), clip.leftLevel()), db, 0.5) << pan;
    }
    audio->setInvertStereo(true);
    sound->setPan(-100);
    clip = hear(*sound);
    EXPECT_LT(clip.leftLevel(), 0.01);
    EXPECT_GT(clip.rightLevel(), 0.2);
}

TEST_F(SoundTest, AnEngineSoundsWhileItsOwnersRefreshItWithAtMostMaxInstancesAtOnce)
{
    std::unique_ptr<Sound> engine = Sound::load("sounds/engine.ogg", 3);
    ASSERT_TRUE(engine);
    engine->setLooping(true);
    const std::uint32_t owner = 42;
    // The owner's part of a frame, then the registry's tick.
    auto frame = [&](bool refresh) {
        if (refresh && engine->acquire(owner, 3)) {
            engine->playInstance(owner, false);
            engine->setInstancePan(owner, 100);
            engine->setInstanceVolume(owner, 100);
        }
        engine->tick();
    };
    for (int i = 0; i < 5; ++i)
        frame(true);
    // Well past the sample's own 0.2 s: it loops.
    DiskAudio::Clip clip = disk.listen(disk.mark(), 0.2, 0.3);
    EXPECT_GT(clip.rightLevel(), 0.2);
    EXPECT_LT(clip.leftLevel(), 0.01);
    EXPECT_TRUE(engine->isInstancePlaying(owner));
    frame(false);
    EXPECT_TRUE(engine->hasInstance(owner));
    frame(false);
    EXPECT_FALSE(engine->hasInstance(owner)) << "gone on the third tick after the last refresh";
    EXPECT_LT(silence(), 1e-4);

    for (std::uint32_t other = 1; other <= 3; ++other) {
        ASSERT_TRUE(engine->acquire(other, 3));
        engine->playInstance(other, false);
        engine->setInstanceVolume(other, 33);
    }
    EXPECT_FALSE(engine->acquire(4, 3));
    EXPECT_FALSE(engine->hasInstance(4));
    EXPECT_FALSE(engine->acquire(2, 3)) << "a refresh makes nothing new";
    EXPECT_GT(silence(), 0.05);
    // A destroyed owner stops its instance at once; the waiting one gets it on its next refresh.
    engine->stopInstance(2);
    EXPECT_FALSE(engine->isInstancePlaying(2));
    EXPECT_TRUE(engine->isInstancePlaying(3));
    EXPECT_TRUE(engine->acquire(4, 3));
    // Stopping the sound silences every instance, and owners still about start theirs afresh.
    engine->stop();
    for (std::uint32_t other = 1; other <= 4; ++other)
        EXPECT_FALSE(engine->hasInstance(other));
    EXPECT_LT(silence(), 1e-4);
    EXPECT_TRUE(engine->acquire(1, 3));
}

TEST_F(SoundTest, ASingleSoundCarriesOnUnlessRestartedAndObeysTheEffectsSwitch)
{
    std::unique_ptr<Sound> sound = Sound::load("sounds/engine.ogg", 1);
    ASSERT_TRUE(sound);
    EXPECT_FALSE(sound->looping());
    sound->play(false, true);
    EXPECT_TRUE(sound->looping());
    EXPECT_GT(disk.listen(disk.mark(), 0.2, 0.3).level(), 0.2) << "looping past its end";
    sound->play(false, true);
    EXPECT_TRUE(sound->isPlaying());
    sound->stop();
    EXPECT_FALSE(sound->isPlaying());

    audio->setSoundsEnabled(false);
    sound->play(true, false);
    EXPECT_FALSE(sound->isPlaying());
}

// Without a sound device (or after the output is gone) everything is silent and nothing fails.
class SoundWithoutDevice : public WorldFixture {};

TEST_F(SoundWithoutDevice, EverythingIsSilentAndVolumesStillClamp)
{
    const char* old = std::getenv("SDL_AUDIODRIVER");
    const std::string previous = old ? old : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    setLogEcho(false);
    data.write("sounds/tone.ogg", toneOgg(kTone, 0.2));
    NAudio::AudioSystem* audio = NAudio::AudioSystem::create();
    EXPECT_FALSE(audio->deviceOk());
    EXPECT_FALSE(Sound::load("sounds/tone.ogg", 1));
    audio->pause();
    audio->resume();
    audio->update();
    audio->setSoundVolume(250);
    EXPECT_EQ(audio->soundVolume(), 100);
    audio->setStreamVolume(-5);
    EXPECT_EQ(audio->streamVolume(), 0);
    NAudio::AudioSystem::destroy();
    // With no audio at all the game's registry has every slot empty, and its calls are safe.
    NVolant::Sounds* sounds = NVolant::Sounds::create();
    EXPECT_EQ(sounds->arc(), nullptr);
    EXPECT_EQ(sounds->helicEngine(9), nullptr);
    sounds->tickEngines();
    sounds->stopAll();
    NVolant::Sounds::destroy();
    setLogEcho(true);
    setenv("SDL_AUDIODRIVER", previous.c_str(), 1);

    // A sound left over after the output is gone does nothing, rather than touch it.
    Sound orphan(12345, false, 3);
    orphan.play(true, true);
    EXPECT_FALSE(orphan.acquire(1, 3));
    orphan.tick();
    orphan.stop();
}

} // namespace
