#include "gameplay/CollitionCircles.h"

#include "content/CXmlNode.h"

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
        for (std::size_t j = 0; j < other.m_points.size(); ++j) {
            const float r = m_radii[i] * m_radii[i] + other.m_radii[j] * other.m_radii[j];
            const Vector4 d = m_points[i] - other.m_points[j];
            if (r > d.x * d.x + d.y * d.y + d.z * d.z)
                return true;
        }
    return false;
}

} // namespace NVolant
