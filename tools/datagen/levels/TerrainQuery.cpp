#include "levels/TerrainQuery.h"

#include <cmath>

namespace datagen::levels {

int TerrainQuery::tileAt(float x, float y) const
{
    // In cells first, in double precision, so that no size read from a file can overflow.
    const double k = m_map.cellSize;
    const double cx = std::floor(x / k), cy = std::floor(y / k);
    if (!(cx >= 0 && cy >= 0 && cx < m_map.columns && cy < m_map.rows))
        return -1;
    const int v = m_map.at(static_cast<int>(cx), static_cast<int>(cy));
    return v < 0 ? 0 : v % 1000;
}

template <typename F> bool TerrainQuery::allCells(float x0, float y0, float x1, float y1, F f) const
{
    const double k = m_map.cellSize;
    if (!(x0 >= 0 && y0 >= 0 && x0 <= x1 && y0 <= y1))
        return false;
    const double c0 = std::floor(x0 / k), c1 = std::floor(std::ceil(x1) / k);
    const double r0 = std::floor(y0 / k), r1 = std::floor(std::ceil(y1) / k);
    if (!(c1 < m_map.columns && r1 < m_map.rows))
        return false;
    for (int r = static_cast<int>(r0); r <= static_cast<int>(r1); ++r) {
        for (int c = static_cast<int>(c0); c <= static_cast<int>(c1); ++c) {
            const int v = m_map.at(c, r);
            if (!f(v < 0 ? 0 : v % 1000))
                return false;
        }
    }
    return true;
}

bool TerrainQuery::rectGround(float x0, float y0, float x1, float y1) const
{
    return allCells(x0, y0, x1, y1, [](int t) { return tiles::isGroundTile(t); });
}

bool TerrainQuery::rectEmpty(float x0, float y0, float x1, float y1) const
{
    return allCells(x0, y0, x1, y1, [](int t) { return t == 0; });
}

} // namespace datagen::levels
