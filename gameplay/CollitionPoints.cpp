#include "gameplay/CollitionPoints.h"

#include "content/CXmlNode.h"
#include "platform/Angles.h"

#include <cmath>

namespace NVolant {

Vector4 CollitionPoints::readPoint(const Xml::CXmlNode& entry)
{
    return {entry.getFloat("x", 0.0f), entry.getFloat("y", 0.0f), entry.getFloat("z", 0.0f), 1.0f};
}

void CollitionPoints::load(const Xml::CXmlNode* element)
{
    m_points.clear();
    if (element)
        for (const Xml::CXmlNode* entry : element->getChildren())
            m_points.push_back(readPoint(*entry));
    updateCentre();
}

void CollitionPoints::append(const Vector4& point)
{
    m_points.push_back(point);
    updateCentre();
}

void CollitionPoints::place(const Vector4& offset, float angle)
{
    const float a = degToRad(angle);
    float s = std::sin(a);
    float c = std::cos(a);
    if (std::isnan(s))
        s = 0.0f;
    if (std::isnan(c))
        c = 0.0f;
    for (Vector4& p : m_points) {
        const float x = c * p.x - s * p.y;
        const float y = s * p.x + c * p.y;
        p.x = x + offset.x;
        p.y = y + offset.y;
        p.z += offset.z;
    }
    updateCentre();
}

void CollitionPoints::updateCentre()
{
    m_centre = Vector4(0.0f, 0.0f, 0.0f, 1.0f);
    if (m_points.empty())
        return;
    for (const Vector4& p : m_points)
        m_centre += p;
    m_centre /= static_cast<float>(m_points.size());
}

} // namespace NVolant
