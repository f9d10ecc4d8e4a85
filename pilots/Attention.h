#pragma once

#include <cstdint>
#include <unordered_map>

namespace NVolant {

// What a pilot has noticed: each thing in sight is known by a key, and counts as noticed once it
// has been in sight for the pilot's reaction time. Something that leaves the sight is forgotten.
class Attention final {
public:
    explicit Attention(int reactionFrames) : m_reactionFrames(reactionFrames) {}

    // Whether the thing of this key, in sight this frame, has been for long enough.
    bool noticed(std::uint64_t key);
    // Ends the frame: what was not in sight during it is forgotten.
    void nextFrame();

private:
    int m_reactionFrames;
    std::uint32_t m_frame = 0;
    std::unordered_map<std::uint64_t, std::uint32_t> m_firstSeen;
    std::unordered_map<std::uint64_t, std::uint32_t> m_seenNow;
};

} // namespace NVolant
