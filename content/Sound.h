#pragma once

#include "platform/KAudio.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace NAudio {

// One sound effect, decoded once. It plays either on one channel of its own or, for engines and
// missiles in flight, as several instances keyed by the identifier of the object making the
// noise; an owner keeps its instance alive by refreshing it every frame (acquire), and tick()
// silences the instances nobody refreshed. Volumes 0..100 are scaled by the system's effect
// volume; pans run -100 (left) .. 100 (right) and are mirrored when stereo is swapped.
class Sound final {
public:
    // Reads the file through the resource archive. Null when there is no audio system or device,
    // or when the file is missing or does not decode (logged once per file): that sound is silent.
    static std::unique_ptr<Sound> load(const std::string& path, int maxInstances);

    Sound(KSample sample, bool looping, int maxInstances);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    void setLooping(bool looping);
    bool looping() const { return m_looping; }

    // restart: from the beginning on a fresh channel; otherwise a playing sound carries on.
    // volume < 0 plays at full level (that is, at the system's effect volume).
    void play(bool restart, bool loop, int volume = -1);
    void setVolume(int volume);
    void setPan(int pan);
    bool isPlaying() const;
    // Silences every channel and instance; owners that keep refreshing start theirs anew.
    void stop();

    // Refreshes key's instance to keepAlive ticks, or makes one when the limit allows. True only
    // when a new instance was made (the owner then starts it with playInstance).
    bool acquire(std::uint32_t key, int keepAlive);
    bool hasInstance(std::uint32_t key) const;
    void playInstance(std::uint32_t key, bool restart);
    void setInstancePan(std::uint32_t key, int pan);
    void setInstanceVolume(std::uint32_t key, int volume);
    bool isInstancePlaying(std::uint32_t key) const;
    void stopInstance(std::uint32_t key);
    // Once per frame: instances not refreshed for their keep-alive span stop.
    void tick();

private:
    struct Instance {
        std::uint32_t key = 0;
        KChannel channel = 0;
        int keepAlive = 0;
    };

    const Instance* find(std::uint32_t key) const;
    Instance* find(std::uint32_t key);
    void applyVolume(KChannel channel, int volume);
    void applyPan(KChannel channel, int pan);

    KSample m_sample = 0;
    KChannel m_channel = 0;
    bool m_looping = false;
    // The placement given with setPan, already mirrored for swapped stereo.
    int m_pan = 0;
    int m_maxInstances = 1;
    std::vector<Instance> m_instances;
};

} // namespace NAudio
