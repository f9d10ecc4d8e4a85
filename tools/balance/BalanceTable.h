#pragma once

#include "FlightLine.h"

#include <string>
#include <vector>

namespace balance {

// What the runs of one pilot on one level came to.
struct LevelFigures {
    int level = 0;
    std::string pilot;
    int runs = 0;
    int completed = 0;
    int livesLost = 0;
    double killsPerMin = 0.0;
    // Where the deaths cluster: the share of them in the densest band of kBand pixels of the
    // level's height, and the band's middle (0 without deaths).
    double clusterShare = 0.0;
    float clusterY = 0.0f;
    int deaths = 0;

    double completionRate() const { return runs > 0 ? static_cast<double>(completed) / runs : 0.0; }
};

class BalanceTable final {
public:
    static constexpr float kBand = 600.0f; // one screen
    // The pilots in the order the table shows them; others follow by name.
    static const std::vector<std::string>& pilotOrder();

    explicit BalanceTable(const std::vector<FlightLine>& flights);

    const std::vector<LevelFigures>& figures() const { return m_figures; }
    const LevelFigures* find(int level, const std::string& pilot) const;
    std::vector<std::string> pilots() const;
    std::vector<int> levels() const;

    // The level the people's pilots (all but the ace) complete least often; 0 without runs.
    int hardestLevel() const;

    // The table for a terminal, and one JSON line per level and pilot.
    std::string text() const;
    std::string jsonLines() const;

private:
    std::vector<LevelFigures> m_figures; // by level, then pilot order
};

} // namespace balance
