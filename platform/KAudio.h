#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// The audio output: effect samples decoded once and played on channels of their own, and one
// streamed piece of music at a time. Handles are never reused within a process, so a stale handle
// (a channel that was taken over, a sample of an output that was closed) only does nothing.
// Volumes are 0..100, pans -100 (left) .. 100 (right).
using KSample = std::uint32_t;
using KChannel = std::uint32_t;
using KStream = std::uint32_t;

class KAudio {
public:
    virtual ~KAudio() = default;
    KAudio(const KAudio&) = delete;
    KAudio& operator=(const KAudio&) = delete;

    // Opens the default output device (44100 Hz, stereo). False when there is none; every other
    // call then does nothing and loads nothing.
    virtual bool open() = 0;
    virtual bool isOpen() const = 0;
    // Holds all output where it is (silence) and carries on from there.
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual bool isPaused() const = 0;
    // Once per frame: forgets channels whose sound has ended.
    virtual void update() = 0;

    // Decodes an encoded sound file (OGG, WAV) from memory; the bytes are not needed afterwards.
    // Up to maxInstances channels of it sound at once. 0 when it cannot be decoded.
    virtual KSample loadSample(const void* data, std::size_t size, int maxInstances) = 0;
    virtual void freeSample(KSample sample) = 0;
    // 0 for an unknown sample.
    virtual int sampleMaxInstances(KSample sample) const = 0;
    // Channels taken after this loop the sound.
    virtual bool sampleLooping(KSample sample) const = 0;
    virtual void setSampleLooping(KSample sample, bool looping) = 0;
    // A channel to play the sample on. When all of its instances are in use, onlyFree gives 0;
    // otherwise the one that has played longest is taken over.
    virtual KChannel sampleChannel(KSample sample, bool onlyFree) = 0;
    // Stops every channel of the sample.
    virtual void stopSample(KSample sample) = 0;

    // Starts the channel; a channel that is playing goes on unless restart.
    virtual void playChannel(KChannel channel, bool restart) = 0;
    virtual void stopChannel(KChannel channel) = 0;
    virtual void setChannelVolume(KChannel channel, int volume) = 0;
    virtual void setChannelPan(KChannel channel, int pan) = 0;
    virtual bool isChannelPlaying(KChannel channel) const = 0;

    // Music streamed from an encoded file in memory. The bytes must stay alive and unchanged
    // until the stream is freed. 0 when it cannot be decoded.
    virtual KStream createStream(const void* data, std::size_t size) = 0;
    virtual void freeStream(KStream stream) = 0;
    // Plays the stream once to its end; only one stream sounds at a time. False when it cannot
    // start (a file that opened but does not decode).
    virtual bool playStream(KStream stream, bool restart) = 0;
    virtual void stopStream(KStream stream) = 0;
    virtual void setStreamVolume(KStream stream, int volume) = 0;
    virtual bool isStreamPlaying(KStream stream) const = 0;

protected:
    KAudio() = default;
};

// The audio factory; the output opens with open().
std::unique_ptr<KAudio> createAudio();
