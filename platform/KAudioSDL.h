#pragma once

#include "platform/KAudio.h"

#include <SDL_mixer.h>

#include <unordered_map>
#include <vector>

// KAudio on SDL2_mixer. Samples are Mix_Chunks; each channel handle of a sample is a voice that
// borrows one of the mixer's 64 channels while it sounds. Streams are Mix_Music read from the
// caller's memory; SDL_mixer plays one at a time, which is all the game asks of it.
class KAudioSDL final : public KAudio {
public:
    // Enough for every engine, missile and effect the busiest level sounds at once.
    static constexpr int kMixerChannels = 64;
    static constexpr int kFrequency = 44100;

    KAudioSDL() = default;
    ~KAudioSDL() override;

    bool open() override;
    bool isOpen() const override { return m_open; }
    void pause() override;
    void resume() override;
    bool isPaused() const override { return m_paused; }
    void update() override {}

    KSample loadSample(const void* data, std::size_t size, int maxInstances) override;
    void freeSample(KSample sample) override;
    int sampleMaxInstances(KSample sample) const override;
    bool sampleLooping(KSample sample) const override;
    void setSampleLooping(KSample sample, bool looping) override;
    KChannel sampleChannel(KSample sample, bool onlyFree) override;
    void stopSample(KSample sample) override;

    void playChannel(KChannel channel, bool restart) override;
    void stopChannel(KChannel channel) override;
    void setChannelVolume(KChannel channel, int volume) override;
    void setChannelPan(KChannel channel, int pan) override;
    bool isChannelPlaying(KChannel channel) const override;

    KStream createStream(const void* data, std::size_t size) override;
    void freeStream(KStream stream) override;
    bool playStream(KStream stream, bool restart) override;
    void stopStream(KStream stream) override;
    void setStreamVolume(KStream stream, int volume) override;
    bool isStreamPlaying(KStream stream) const override;

private:
    struct SampleData {
        Mix_Chunk* chunk = nullptr;
        int maxInstances = 1;
        bool looping = false;
        std::vector<KChannel> voices;
    };
    // One channel of a sample: its own volume and pan, and the mixer channel it sounds on.
    struct Voice {
        KSample sample = 0;
        int mixerChannel = -1;
        int volume = 100;
        int pan = 0;
        bool started = false;
        std::uint64_t startedAt = 0;
    };
    struct StreamData {
        Mix_Music* music = nullptr;
        int volume = 100;
    };

    void close();
    // The mixer channel the voice holds, or -1 once another voice took it over.
    int heldChannel(KChannel handle, const Voice& voice) const;
    bool sounding(KChannel handle, const Voice& voice) const;
    int freeMixerChannel() const;
    void applyVolume(int mixerChannel, int volume) const;
    void applyPan(int mixerChannel, int pan) const;
    void dropVoice(KChannel handle);

    bool m_open = false;
    bool m_paused = false;
    std::unordered_map<KSample, SampleData> m_samples;
    std::unordered_map<KChannel, Voice> m_voices;
    std::unordered_map<KStream, StreamData> m_streams;
    // The voice each mixer channel was last given to.
    std::vector<KChannel> m_owner;
    KStream m_currentStream = 0;
    std::uint64_t m_playCount = 0;
};
