#pragma once

namespace NVolant {

struct CommandLine;

// "--autopilot": the computer flies each level asked for from its start with three lives, one
// new game per level, and says how each went in one line of JSON on standard output. The
// player's save file is left alone. The exit status is 0 only when every level ran to its end
// (complete or game over) without an error.
class AutopilotRun final {
public:
    // The longest a level may take before the run counts it as stuck (20 minutes of play).
    static constexpr int kMaxFrames = 20 * 60 * 60;

    static int run(const CommandLine& line);
};

} // namespace NVolant
