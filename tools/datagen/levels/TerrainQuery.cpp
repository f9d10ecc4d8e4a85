#include "levels/TerrainQuery.h"

#include <cmath>

namespace datagen::levels {

int TerrainQuery::tileAt(float x, float y) const
{
    const float k = static_cast<float>(m_map.cellSize);
    if (!(x >= 0 && y >= 0 && x < k * static_cast<float>(m_map.columns) &&
          y < k * static_cast<float>(m_map.rows)))
        return -1;
    const int c = static_cast<int>(x) / m_map.cellSize, r = static_cast<int>(y) / m_map.cellSize;
    if (!m_map.inside(c, r))
        return -1;
    const int v = m_map.at(c, r);
    return v < 0 ? 0 : v % 1000;
}

template <typename F> bool TerrainQuery::allCells(float x0, float y0, float x1, float y1, F f) const
{
    const int k = m_map.cellSize;
    const float w = static_cast<float>(k * m_map.columns),
                h = static_cast<float>(k) * static_cast<float>(m_map.rows);
    if (!(x0 >= 0 && y0 >= 0 && x1 < w + k && y1 < h + k && x0 <= x1 && y0 <= y1))
        return false;
    const int c0 = static_cast<int>(x0) / k, c1 = static_cast<int>(std::ceil(x1)) / k;
    const int r0 = static_cast<int>(y0) / k, r1 = static_cast<int>(std::ceil(y1)) / k;
    for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) {
            if (!m_map.inside(c, r))
                return false;
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
