#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace NVolant {

// What the player may say on the command line. Everything else the game keeps in its save file.
struct CommandLine {
    bool help = false;
    bool version = false;
    // Empty: as the platform decides ("auto").
    std::string renderer;
    // -1: as saved; 0 full screen; 1 windowed.
    int windowed = -1;

    // The computer flies levels firstLevel..lastLevel, one new game each.
    bool autopilot = false;
    int firstLevel = 1;
    int lastLevel = 1;
    // No window and no sound device; no frame cap.
    bool headless = false;
    // The autopilot's frames step the world without being drawn.
    bool undrawn = false;
    std::uint32_t seed = 0;
    // Who flies: "ace" (the autopilot at its best), "expert", "average" or "novice".
    std::string pilot = "ace";
    // Writes the input of the flight to this file.
    std::string recordPath;
    // Plays the input of this file back.
    std::string replayPath;

    // Set when the line could not be understood; says what was wrong.
    std::string error;

    static CommandLine parse(const std::vector<std::string>& arguments);
    static std::string usage();
};

} // namespace NVolant
