#pragma once

#include <string>
#include <vector>

namespace datagen::levels {

enum class Landscape { Grass, Forest, Autumn, Scrub, Desert, Rock, Snow, Town };
enum class Water { Temperate, Arid, Cold };

const char* landscapeName(Landscape l);
const char* waterName(Water w);

// What one level asks of the generator: its length, its look and how hard it is. The table
// behind planFor() is in Progression.cpp.
struct LevelPlan {
    int number = 1;
    int seconds = 120;                 // flight time from start to the end of the map at full speed
    std::vector<Landscape> landscapes; // the sectors flown through, bottom to top
    Water water = Water::Temperate;
    float encountersPerMinute = 2;  // fights per minute of flight
    float armedShare = 0.2f;        // share of boats, tanks and helicopters that fire
    int rangeMin = 3, rangeMax = 3; // firing range in the file's units
    int boatModels = 1;             // boat models in use (1..4)
    int helicModels = 0;            // 0: no helicopters yet
    int planeModels = 0;            // 0: no plane formations yet
    float formationsPerMinute = 0;  // plane formations per minute of flight, once they exist
    int tankModels = 1;             // tank models in use, flak models excluded by the placer
    int flak = 0;                   // 0 none, 1 a battery now and then, 2 batteries common
    int buildingModels = 4;         // building models in use (1..12)
    int maxSpeedClass = 1;          // fastest speed class of boats and helicopters
    int bridgeGuards = 0;           // 0 bridges stand alone, 1 some guarded, 2 all guarded
    float threat = 10;              // lives an average pilot loses here in 100 flights, see ThreatProfile
    float measured = 1;             // the share of the curve's threat planned, from the pilots' flights
};

LevelPlan planFor(int level);

} // namespace datagen::levels
