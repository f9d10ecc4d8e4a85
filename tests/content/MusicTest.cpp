#include "AudioFixture.h"

#include "content/StreamMusic.h"
#include "platform/FileBytes.h"
#include "platform/Log.h"

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

using NAudio::StreamMusic;

namespace {

class MusicTest : public ListeningTest {
protected:
    void SetUp() override
    {
        ListeningTest::SetUp();
        data.write("music/low.ogg", toneOgg(441.0, 3.0, true));
        data.write("music/high.ogg", toneOgg(882.0, 0.5, true));
    }

    // Runs frames (the music's update) until done says so; false after ten seconds.
    static bool framesUntil(StreamMusic& music, const std::function<bool()>& done)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            music.update();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }
};

TEST_F(MusicTest, PlaysFollowsItsVolumePausesMovesOnToTheNextTrackAndObeysTheMusicSwitch)
{
    StreamMusic music;
    music.add("music/low.ogg");
    music.add("music/high.ogg");
    const std::size_t mark = disk.mark();
    music.playNext();
    EXPECT_EQ(music.index(), 0);
    DiskAudio::Clip clip = disk.listen(mark, 0.2);
    EXPECT_NEAR(clip.frequency(), 441.0, 5.0);
    const double full = clip.level();
    EXPECT_GT(full, 0.2);

    // The music volume reaches the playing track at once.
    audio->setStreamVolume(50);
    EXPECT_NEAR(decibels(disk.listen(disk.mark(), 0.2).level(), full), -6.02, 0.3);
    audio->setStreamVolume(100);

    audio->pause();
    EXPECT_LT(disk.listen(disk.mark(), 0.3).level(), 1e-4);
    audio->resume();
    clip = disk.listen(disk.mark(), 0.2);
    EXPECT_NEAR(clip.frequency(), 441.0, 5.0) << "the same track carries on";
    EXPECT_EQ(music.index(), 0);

    ASSERT_TRUE(framesUntil(music, [&] { return music.index() == 1; }));
    EXPECT_NEAR(disk.listen(disk.mark(), 0.2).frequency(), 882.0, 8.0);
    // After the last track, the first again.
    ASSERT_TRUE(framesUntil(music, [&] { return music.index() == 0; }));
    EXPECT_NEAR(disk.listen(disk.mark(), 0.2).frequency(), 441.0, 5.0);

    music.stop();
    EXPECT_FALSE(music.isPlaying());
    EXPECT_LT(disk.listen(disk.mark(), 0.2).level(), 1e-4);

    // One track replays; switching music off stops it at the next update, and it does not start
    // while off.
    music.clear();
    music.add("music/high.ogg");
    music.playNext();
    music.playNext();
    EXPECT_EQ(music.index(), 0);
    EXPECT_TRUE(music.isPlaying());
    audio->setStreamsEnabled(false);
    EXPECT_TRUE(music.isPlaying());
    music.update();
    EXPECT_FALSE(music.isPlaying());
    EXPECT_LT(disk.listen(disk.mark(), 0.2).level(), 1e-4);
    music.playNext();
    EXPECT_FALSE(music.isPlaying());
}

TEST_F(MusicTest, ABrokenOrMissingTrackIsPassedOver)
{
    setLogEcho(false);
    data.write("music/broken.ogg", std::string("OggS and then nothing"));
    StreamMusic music;
    music.add("music/missing.ogg");
    music.add("music/broken.ogg");
    music.add("music/high.ogg");
    music.playNext();
    EXPECT_EQ(music.index(), 2);
    EXPECT_TRUE(music.isPlaying());

    // A file that opens as a stream but cannot start playing (found by fuzzing) is passed over
    // the same way.
    const char* source = std::getenv("SKYVANE_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::vector<std::uint8_t> stuck =
        readFileBytes(std::string(source) + "/fuzz/corpus/sound/opens-but-does-not-play.ogg");
    ASSERT_FALSE(stuck.empty());
    data.write("music/stuck.ogg", stuck);
    music.clear();
    music.add("music/stuck.ogg");
    music.add("music/high.ogg");
    music.playNext();
    EXPECT_EQ(music.index(), 1);
    EXPECT_TRUE(music.isPlaying());

    // A list with nothing playable ends in silence rather than retrying every frame.
    music.clear();
    EXPECT_EQ(music.index(), -1);
    music.add("music/missing.ogg");
    music.add("music/stuck.ogg");
    music.playNext();
    EXPECT_FALSE(music.isPlaying());
    music.update();
    EXPECT_FALSE(music.isPlaying());
    setLogEcho(true);
}

} // namespace
