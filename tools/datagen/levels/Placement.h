#pragma once

#include "levels/TerrainQuery.h"
#include "levels/UnitCatalog.h"

#include <vector>

namespace datagen::levels {

// Geometry shared by the placer and the checker, following the game's rules for each kind.
namespace placement {

// Heading angle (degrees) of a direction group for boats, helicopters and tanks.
float angleOfGroup(int group);
// Unit direction of a group in world coordinates (y up).
Point directionOfGroup(int group);

// The outline points of a model turned by its group's angle and moved to (x, y).
std::vector<Point> placedPoints(const UnitShape& shape, int group, float x, float y);

// True when every outline point lies on an empty cell and the frame stays between the screen
// edges: a boat or a helicopter over open water that will not turn at once.
bool openWaterFit(const TerrainQuery& q, const UnitShape& shape, int group, float x, float y);

// How far the unit can move ahead and back along its group's direction from (x, y) before it
// would turn: its patrol run. Capped at limit in each direction.
float patrolRun(const TerrainQuery& q, const UnitShape& shape, int group, float x, float y, float limit);

// True when some outline point lies on a flat water tile: a helicopter started over land that
// can patrol there.
bool onFlatWater(const TerrainQuery& q, const UnitShape& shape, int group, float x, float y);

// Half extents of the ground a tank or building stands on (its frame, trimmed by the margins
// that only hold shadow).
Point groundHalfExtents(const UnitShape& shape);
bool groundFit(const TerrainQuery& q, const UnitShape& shape, float x, float y);

// Shortest run of patrol the placer allows and the checker demands.
float minimumPatrol(const UnitShape& shape);

// No enemy stands below this height: seven quiet seconds to open a level.
constexpr float kStartCalm = 1300;

// A boat heading down the river (groups 3 to 5) comes at the plane on top of the scroll. Any
// faster than the river's pace, the pilots' flights show, a heavy one rams or shells the plane
// before a person has shot it down or steered clear, so it keeps to that pace.
constexpr int kFastestAtThePlane = 1;
inline bool headsAtThePlane(int group)
{
    return group >= 3 && group <= 5;
}

// A line of planes sweeping across the screen (groups 2 and 6) wraps round until it is passed:
// any faster or longer than this it is a wall the plane cannot slip through.
constexpr int kFastestSweep = 1;
constexpr int kLongestSweep = 3;
inline bool sweeps(int group)
{
    return group == 2 || group == 6;
}

} // namespace placement

} // namespace datagen::levels
