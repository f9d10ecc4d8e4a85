#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace balance {

// One level flown by a computer pilot, as the game's "--autopilot" prints it (one JSON line).
struct FlightLine {
    int level = 0;
    std::string pilot;
    unsigned seed = 0;
    std::string result; // "complete", "game_over", ...
    int livesLost = 0;
    int kills = 0;
    int frames = 0;
    std::vector<std::pair<float, float>> deaths; // level coordinates

    bool completed() const { return result == "complete"; }
};

// Reads one line; nothing when it is not a flight's line (a log line, damage, no level or pilot).
std::optional<FlightLine> parseFlightLine(std::string_view text);

} // namespace balance
