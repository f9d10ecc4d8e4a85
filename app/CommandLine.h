#pragma once

#include <string>
#include <vector>

namespace NVolant {

// What the player may say on the command line. Everything else the game keeps in its save file.
struct CommandLine {
    bool help = false;
    bool version = false;
    // Empty: as the platform decides ("auto").
    std::string renderer;
    // Set when the line could not be understood; says what was wrong.
    std::string error;

    static CommandLine parse(const std::vector<std::string>& arguments);
    static std::string usage();
};

} // namespace NVolant
