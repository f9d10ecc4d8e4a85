#pragma once

namespace NVolant {

struct CommandLine;

// "--replay FILE": plays a recorded flight back through the game's input path and prints its
// score, lives, status and world checksum, and whether they are those recorded. Exit status 0
// when they are (or nothing was recorded), 1 when the world went another way, 2 for a file that
// is not a replay this game reads.
class ReplayRun final {
public:
    static int run(const CommandLine& line);
};

} // namespace NVolant
