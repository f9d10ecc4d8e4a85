#include "levels/Placement.h"

#include <algorithm>
#include <cmath>

namespace datagen::levels::placement {

float angleOfGroup(int group)
{
    static constexpr float kAngles[8] = {0, -45, -90, -135, 180, 135, 90, 45};
    return group >= 0 && group < 8 ? kAngles[group] : 0;
}

Point directionOfGroup(int group)
{
    const float a = angleOfGroup(group) * 3.1415927f / 180.0f;
    return {-std::sin(a), std::cos(a)};
}

std::vector<Point> placedPoints(const UnitShape& shape, int group, float x, float y)
{
    const float a = angleOfGroup(group) * 3.1415927f / 180.0f;
    const float c = std::cos(a), s = std::sin(a);
    std::vector<Point> out;
    out.reserve(shape.points.size());
    for (const Point& p : shape.points)
        out.push_back({c * p.x - s * p.y + x, s * p.x + c * p.y + y});
    return out;
}

bool openWaterFit(const TerrainQuery& q, const UnitShape& shape, int group, float x, float y)
{
    if (x + shape.frameWidth / 2 > 800 || x - shape.frameWidth / 2 < 0)
        return false;
    if (!q.emptyAt(x, y))
        return false;
    for (const Point& p : placedPoints(shape, group, x, y))
        if (!q.emptyAt(p.x, p.y))
            return false;
    return true;
}

float patrolRun(const TerrainQuery& q, const UnitShape& shape, int group, float x, float y, float limit)
{
    const Point d = directionOfGroup(group);
    constexpr float kStep = 4;
    float total = 0;
    for (int sign : {1, -1}) {
        float run = 0;
        while (run < limit) {
            const float t = (run + kStep) * static_cast<float>(sign);
            if (!openWaterFit(q, shape, group, x + d.x * t, y + d.y * t))
                break;
            run += kStep;
        }
        total += run;
    }
    return total;
}

bool onFlatWater(const TerrainQuery& q, const UnitShape& shape, int group, float x, float y)
{
    for (const Point& p : placedPoints(shape, group, x, y))
        if (q.flatWaterAt(p.x, p.y))
            return true;
    return false;
}

Point groundHalfExtents(const UnitShape& shape)
{
    return {shape.frameWidth * 0.4f, shape.frameHeight * 0.4f};
}

bool groundFit(const TerrainQuery& q, const UnitShape& shape, float x, float y)
{
    const Point h = groundHalfExtents(shape);
    return q.rectGround(x - h.x, y - h.y, x + h.x, y + h.y);
}

float minimumPatrol(const UnitShape& shape)
{
    return std::max(96.0f, 1.5f * std::max(shape.frameWidth, shape.frameHeight));
}

} // namespace datagen::levels::placement
