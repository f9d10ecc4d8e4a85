#include "BalanceTable.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace balance {

namespace {

int pilotRank(const std::string& pilot)
{
    const auto& order = BalanceTable::pilotOrder();
    const auto it = std::find(order.begin(), order.end(), pilot);
    return static_cast<int>(it - order.begin());
}

bool pilotBefore(const std::string& a, const std::string& b)
{
    const int ra = pilotRank(a);
    const int rb = pilotRank(b);
    return ra != rb ? ra < rb : a < b;
}

// The densest band of the given height among the heights: its share and middle.
std::pair<double, float> densestBand(std::vector<float> heights, float band)
{
    if (heights.empty())
        return {0.0, 0.0f};
    std::sort(heights.begin(), heights.end());
    std::size_t best = 0;
    float middle = heights.front();
    std::size_t last = 0;
    for (std::size_t first = 0; first < heights.size(); ++first) {
        while (last < heights.size() && heights[last] - heights[first] <= band)
            ++last;
        if (last - first > best) {
            best = last - first;
            middle = (heights[first] + heights[last - 1]) / 2.0f;
        }
    }
    return {static_cast<double>(best) / static_cast<double>(heights.size()), middle};
}

} // namespace

const std::vector<std::string>& BalanceTable::pilotOrder()
{
    static const std::vector<std::string> order = {"novice", "average", "expert", "ace"};
    return order;
}

BalanceTable::BalanceTable(const std::vector<FlightLine>& flights)
{
    struct Sum {
        LevelFigures figures;
        int kills = 0;
        long long frames = 0;
        std::vector<float> heights;
    };
    std::map<std::pair<int, std::string>, Sum> sums;
    for (const FlightLine& f : flights) {
        Sum& s = sums[{f.level, f.pilot}];
        s.figures.level = f.level;
        s.figures.pilot = f.pilot;
        ++s.figures.runs;
        s.figures.completed += f.completed() ? 1 : 0;
        s.figures.livesLost += f.livesLost;
        s.kills += f.kills;
        s.frames += f.frames;
        for (const auto& d : f.deaths)
            s.heights.push_back(d.second);
    }
    for (auto& [key, s] : sums) {
        // Frames are 60 a second.
        s.figures.killsPerMin = s.frames > 0 ? s.kills * 3600.0 / static_cast<double>(s.frames) : 0.0;
        s.figures.deaths = static_cast<int>(s.heights.size());
        const auto [share, middle] = densestBand(s.heights, kBand);
        s.figures.clusterShare = share;
        s.figures.clusterY = middle;
        m_figures.push_back(s.figures);
    }
    std::stable_sort(m_figures.begin(), m_figures.end(), [](const LevelFigures& a, const LevelFigures& b) {
        return a.level != b.level ? a.level < b.level : pilotBefore(a.pilot, b.pilot);
    });
}

const LevelFigures* BalanceTable::find(int level, const std::string& pilot) const
{
    for (const LevelFigures& f : m_figures)
        if (f.level == level && f.pilot == pilot)
            return &f;
    return nullptr;
}

std::vector<std::string> BalanceTable::pilots() const
{
    std::vector<std::string> out;
    for (const LevelFigures& f : m_figures)
        if (std::find(out.begin(), out.end(), f.pilot) == out.end())
            out.push_back(f.pilot);
    std::stable_sort(out.begin(), out.end(), pilotBefore);
    return out;
}

std::vector<int> BalanceTable::levels() const
{
    std::vector<int> out;
    for (const LevelFigures& f : m_figures)
        if (out.empty() || out.back() != f.level)
            out.push_back(f.level);
    return out;
}

int BalanceTable::hardestLevel() const
{
    int hardest = 0;
    double lowest = 2.0;
    for (const int level : levels()) {
        double sum = 0.0;
        int n = 0;
        for (const LevelFigures& f : m_figures)
            if (f.level == level && f.pilot != "ace") {
                sum += f.completionRate();
                ++n;
            }
        if (n > 0 && sum / n < lowest) {
            lowest = sum / n;
            hardest = level;
        }
    }
    return hardest;
}

std::string BalanceTable::text() const
{
    std::string out;
    char line[256];
    std::snprintf(line, sizeof line, "%5s  %-8s %4s %9s %10s %9s  %s\n", "level", "pilot", "runs", "completed",
                  "lives lost", "kills/min", "deaths cluster");
    out += line;
    for (const LevelFigures& f : m_figures) {
        char cluster[64] = "-";
        if (f.deaths > 0)
            std::snprintf(cluster, sizeof cluster, "%3.0f %% of %d near y %.0f", 100.0 * f.clusterShare, f.deaths,
                          f.clusterY);
        std::snprintf(line, sizeof line, "%5d  %-8s %4d %8.0f%% %10.2f %9.1f  %s\n", f.level, f.pilot.c_str(), f.runs,
                      100.0 * f.completionRate(), f.runs > 0 ? static_cast<double>(f.livesLost) / f.runs : 0.0,
                      f.killsPerMin, cluster);
        out += line;
    }
    return out;
}

std::string BalanceTable::jsonLines() const
{
    std::string out;
    char line[320];
    for (const LevelFigures& f : m_figures) {
        std::snprintf(line, sizeof line,
                      "{\"level\":%d,\"pilot\":\"%s\",\"runs\":%d,\"completed\":%d,\"lives_lost\":%d,"
                      "\"kills_per_min\":%.2f,\"deaths\":%d,\"death_cluster_share\":%.3f,\"death_cluster_y\":%.0f}\n",
                      f.level, f.pilot.c_str(), f.runs, f.completed, f.livesLost, f.killsPerMin, f.deaths,
                      f.clusterShare, f.clusterY);
        out += line;
    }
    return out;
}

} // namespace balance
