#pragma once

#include <cstddef>
#include <vector>

namespace datagen::audio {

constexpr int kSampleRate = 44100;

using Signal = std::vector<float>;

inline std::size_t samplesFor(double seconds)
{
    return seconds <= 0.0 ? 0 : static_cast<std::size_t>(seconds * kSampleRate + 0.5);
}

// Two channels of equal length; music is rendered in stereo, effects are mono (the game pans them).
struct StereoBuffer {
    Signal left;
    Signal right;

    StereoBuffer() = default;
    explicit StereoBuffer(std::size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}
    std::size_t frames() const { return left.size(); }
    void resize(std::size_t frames)
    {
        left.resize(frames, 0.0f);
        right.resize(frames, 0.0f);
    }
};

} // namespace datagen::audio
