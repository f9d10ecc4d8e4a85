#include "gameplay/CollitionCircles.h"

#include "content/CXmlNode.h"

#include <algorithm>

namespace NVolant {

void CollitionCircles::load(const Xml::CXmlNode* element)
{
    if (!element)
        return;
    m_points.clear();
    m_radii.clear();
    m_boundingRadius = 0.0f;
    float maxDistance = 0.0f;
    for (const Xml::CXmlNode* entry : element->getChildren()) {
        const Vector4 p = readPoint(*entry);
        const float radius = entry->getFloat("radius", 1.0f);
        m_points.push_back(p);
        m_radii.push_back(radius);
        const float d = p.length();
        if (maxDistance < d) {
            maxDistance = d;
            m_boundingRadius = d + radius;
        }
    }
    // The centre follows at the first placing.
}

void CollitionCircles::append(const Vector4& centre, float radius)
{
    CollitionPoints::append(centre);
    m_radii.push_back(radius);
    const float d = centre.length();
    if (d + radius > m_boundingRadius)
        m_boundingRadius = d + radius;
}

bool CollitionCircles::overlaps(const CollitionCircles& other) const
{
    for (std::size_t i = 0; i < m_points.size(); ++i)
        if (other.touches(m_points[i], m_radii[i]))
            return true;
    return false;
}

bool CollitionCircles::touches(const Vector4& point, float radius) const
{
    const std::size_t count = std::min(m_points.size(), m_radii.size());
    for (std::size_t j = 0; j < count; ++j)
        if (m_radii[j] * m_radii[j] + radius * radius > (m_points[j] - point).squaredLength())
            return true;
    return false;
}

} // namespace NVolant
