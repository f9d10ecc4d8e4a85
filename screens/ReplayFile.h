#pragma once

#include "screens/FrameInput.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace NVolant {

// A recorded game: where it starts, the input of every frame (one line whenever it changes) and,
// when known, how it ended. Text, so a replay can be read and mended by hand:
//
//   skyvane-replay 1
//   level 3
//   seed 0
//   continue 1 2            (optional: from a saved game at bridge 1 with 2 lives)
//   frames 2400
//   0 400 500 0 0 -         from-frame x y left right keys (held virtual keys, ascending, or -)
//   expect 1234 3 2 89abcdef  score lives status checksum (optional)
//
// Lines starting with '#' are comments. Replays come from outside, so every number is checked
// against its range and a file of another version is refused, never guessed at.
class ReplayFile final {
public:
    static constexpr int kVersion = 1;
    static constexpr const char* kMagic = "skyvane-replay";
    // An hour of play at 60 frames per second.
    static constexpr int kMaxFrames = 216000;
    static constexpr std::size_t kMaxKeys = 16;

    struct Outcome {
        int score = 0;
        int lives = 0;
        int status = 0;
        std::uint32_t checksum = 0;
        bool operator==(const Outcome&) const = default;
    };
    using Change = std::pair<int, FrameInput>;

    int level = 1;
    std::uint32_t seed = 0;
    int continueAtBridge = -1; // -1: a new game at the level's start
    int continueLives = 3;
    int frameCount = 0;
    // Ascending frames; the first at frame 0.
    std::vector<Change> changes;
    std::optional<Outcome> expected;

    // The replay in text, or an error naming the line that was wrong.
    static std::optional<ReplayFile> parse(std::string_view text, std::string* error = nullptr);
    static std::optional<ReplayFile> load(const std::string& path, std::string* error = nullptr);
    std::string text(const std::string& comment = {}) const;
    bool save(const std::string& path, const std::string& comment = {}) const;

    // Every frame's input, expanded (for short replays).
    std::vector<FrameInput> frames() const;
    // Keeps only the frames where the input changes.
    void setFrames(const std::vector<FrameInput>& frames);
    // Records one more frame.
    void append(const FrameInput& input);
};

// Walks a replay frame by frame without expanding it.
class ReplayCursor final {
public:
    explicit ReplayCursor(const ReplayFile& replay) : m_replay(replay) {}
    bool atEnd() const { return m_frame >= m_replay.frameCount; }
    // The input of the next frame.
    const FrameInput& next();

private:
    const ReplayFile& m_replay;
    FrameInput m_current;
    int m_frame = 0;
    std::size_t m_change = 0;
};

} // namespace NVolant
