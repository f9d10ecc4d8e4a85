#pragma once

#include "content/Singleton.h"

#include "platform/KAudio.h"

#include <cstddef>
#include <memory>

namespace NAudio {

// The game's one audio output and its settings: whether there is a device, effects and music
// switched on or off, their volumes (0..100) and the stereo swap. The application makes it at
// start-up with create() (instance() would open the device on first use) and destroys it last.
class AudioSystem final : public NLib::Singleton<AudioSystem> {
public:
    // Opens the default output; without one the system still exists, silent, with deviceOk false.
    AudioSystem();
    ~AudioSystem();
    AudioSystem(const AudioSystem&) = delete;
    AudioSystem& operator=(const AudioSystem&) = delete;

    // Once per frame.
    void update();
    // The window left / came back to the front: everything holds and carries on.
    void pause();
    void resume();
    bool isPaused() const;

    bool deviceOk() const { return m_deviceOk; }
    bool invertStereo() const { return m_invertStereo; }
    void setInvertStereo(bool invert) { m_invertStereo = invert; }
    bool soundsEnabled() const { return m_soundsEnabled; }
    void setSoundsEnabled(bool enabled) { m_soundsEnabled = enabled; }
    bool streamsEnabled() const { return m_streamsEnabled; }
    void setStreamsEnabled(bool enabled) { m_streamsEnabled = enabled; }
    int soundVolume() const { return m_soundVolume; }
    int streamVolume() const { return m_streamVolume; }
    // Both clamp to 0..100; the music volume also reaches the playing stream at once.
    void setSoundVolume(int volume);
    void setStreamVolume(int volume);

    KSample loadSample(const void* data, std::size_t size, int maxInstances);
    void freeSample(KSample sample);
    void playChannel(KChannel channel, bool restart);
    void stopSample(KSample sample);

    KStream createStream(const void* data, std::size_t size);
    // False when the stream cannot start (it is switched off, or does not decode).
    bool playStream(KStream stream, bool restart);
    void stopStream(KStream stream);
    void freeStream(KStream stream);
    bool isStreamPlaying(KStream stream) const;
    KStream currentStream() const { return m_currentStream; }

    // The output itself, for the sounds' per-channel calls.
    KAudio& output() { return *m_output; }

private:
    std::unique_ptr<KAudio> m_output;
    bool m_invertStereo = false;
    bool m_deviceOk = true;
    bool m_soundsEnabled = true;
    bool m_streamsEnabled = true;
    int m_soundVolume = 100;
    int m_streamVolume = 100;
    KStream m_currentStream = 0;
};

} // namespace NAudio
