// The balance report: reads the JSON lines of computer flights ("skyvane --autopilot --pilot ..."),
// prints a table per level and pilot, and writes balance.jsonl and balance.png.
#include "BalancePlot.h"
#include "BalanceTable.h"
#include "FlightLine.h"

#include "levels/Image.h"
#include "levels/LevelData.h"
#include "levels/LevelFiles.h"
#include "levels/PreviewRenderer.h"
#include "levels/TerrainComposer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using datagen::levels::Image;

// The hardest level's ground as the game composes it, from the data tree.
std::optional<Image> levelGround(const std::string& tree, int number)
{
    datagen::levels::LevelData level;
    std::string why;
    if (tree.empty() || !datagen::levels::readLevel(tree, number, level, why)) {
        if (!tree.empty())
            std::fprintf(stderr, "balance: no ground for the map: %s\n", why.c_str());
        return std::nullopt;
    }
    std::map<std::string, Image> pictures;
    const auto composed = datagen::levels::composeTerrain(level, [&](const std::string& path) -> const Image* {
        auto it = pictures.find(path);
        if (it != pictures.end())
            return &it->second;
        std::ifstream in(fs::path(tree) / path, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        Image image;
        if (!datagen::levels::decodePng(bytes, image))
            return nullptr;
        return &pictures.emplace(path, std::move(image)).first->second;
    });
    return datagen::levels::renderTerrain(level, composed);
}

} // namespace

int main(int argc, char** argv)
{
    std::string tree;
    std::string out = ".";
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--tree" && i + 1 < argc)
            tree = argv[++i];
        else if (a == "--out" && i + 1 < argc)
            out = argv[++i];
        else
            files.push_back(a);
    }
    if (files.empty()) {
        std::fprintf(stderr, "usage: balance [--tree DATA] [--out DIR] FLIGHTS.jsonl...\n");
        return 2;
    }
    std::vector<balance::FlightLine> flights;
    for (const std::string& file : files) {
        std::ifstream in(file);
        std::string line;
        while (std::getline(in, line))
            if (auto f = balance::parseFlightLine(line))
                flights.push_back(std::move(*f));
    }
    if (flights.empty()) {
        std::fprintf(stderr, "balance: no flights in the files given\n");
        return 1;
    }
    const balance::BalanceTable table(flights);
    std::fputs(table.text().c_str(), stdout);

    fs::create_directories(out);
    std::ofstream(fs::path(out) / "balance.jsonl") << table.jsonLines();
    const std::optional<Image> ground = levelGround(tree, table.hardestLevel());
    const Image plot = balance::plotBalance(table, flights, ground ? &*ground : nullptr);
    const std::string png = (fs::path(out) / "balance.png").string();
    if (!datagen::levels::writePngFile(plot, png)) {
        std::fprintf(stderr, "balance: cannot write %s\n", png.c_str());
        return 1;
    }
    std::printf("hardest level: %d; wrote %s and balance.jsonl\n", table.hardestLevel(), png.c_str());
    return 0;
}
