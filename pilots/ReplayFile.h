#pragma once

#include "gameplay/PlayerControls.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace NVolant {

// A recorded game: where it starts, the controls of every frame and, when known, how it ended.
// Text, so a replay can be read and mended by hand:
//
//   skyvane-replay 2
//   level 3
//   seed 0
//   continue 1 2            (optional: from a saved game at bridge 1 with 2 lives)
//   frames 2400
//   0 412 480 C -           frame, steering point (or "- -"), held and pressed (or -), typed keys (or -)
//   expect 1234 3 2 89abcdef  score lives status checksum (optional)
//
// The letters: U D L R the steering pushes, C cannon, M missiles, K a click. A line gives the
// controls of its frame; the frames up to the next line keep its held letters (U D L R C M) and
// have nothing else: no new steering point, no click, no key typed. Lines starting with '#' are
// comments. Replays come from outside, so every number is checked against its range and a file
// of another version (also version 1, which held the mouse and keys rather than the controls) is
// refused, never guessed at.
class ReplayFile final {
public:
    static constexpr int kVersion = 2;
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
    using Change = std::pair<int, PlayerControls>;

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

    // Every frame's controls, expanded (for short replays).
    std::vector<PlayerControls> frames() const;
    // Records one more frame.
    void append(const PlayerControls& controls);

    // What a frame after `controls` holds when nothing new happens: the held letters only.
    static PlayerControls heldPart(const PlayerControls& controls);
};

// Walks a replay frame by frame without expanding it.
class ReplayCursor final {
public:
    explicit ReplayCursor(const ReplayFile& replay) : m_replay(replay) {}
    bool atEnd() const { return m_frame >= m_replay.frameCount; }
    // The controls of the next frame.
    PlayerControls next();

private:
    const ReplayFile& m_replay;
    PlayerControls m_held;
    int m_frame = 0;
    std::size_t m_change = 0;
};

} // namespace NVolant
