#pragma once

#include <array>
#include <string>
#include <vector>

namespace datagen::levels {

struct Point {
    float x = 0, y = 0;
};

struct Circle {
    float x = 0, y = 0, r = 0;
};

// What the level generator and checker need to know about one model: its frame size, its
// outline points and collision circles (in the model's own frame, as the parameter files give
// them), hull and, for tanks, whether it fires flak.
struct UnitShape {
    float frameWidth = 0;
    float frameHeight = 0;
    std::vector<Point> points;
    std::vector<Circle> circles;
    int hull = 0;
    int flak = 0;
    bool fromArt = false; // read from the generated sprite and parameter files

    // Radius of a disc around the origin that holds the whole frame: the safe footprint.
    float reach() const;
};

// Every model the levels place, read back from the art in the data tree. Anything the art has
// not written (yet) keeps the conservative footprint of the defaults.
class UnitCatalog final {
public:
    static UnitCatalog defaults();
    static UnitCatalog load(const std::string& treeRoot);

    std::array<UnitShape, 4> boats;
    std::array<UnitShape, 4> helics;
    std::array<UnitShape, 4> planes;
    std::array<UnitShape, 5> tanks;
    std::array<UnitShape, 12> buildings;
    std::array<UnitShape, 10> bonuses;
    UnitShape bridge;
    UnitShape road;
    UnitShape player;

    const UnitShape& shapeOf(int type) const; // by enemy type code; bridge for unknown codes
    bool complete() const;                    // every entry came from the art
};

} // namespace datagen::levels
