#pragma once

#include "gameplay/CollitionPoints.h"

namespace NVolant {

// A hit shape: circles whose centres are the inherited points.
class CollitionCircles final : public CollitionPoints {
public:
    // A missing element leaves the shape as it is. Each entry may carry "radius" (1 if absent).
    void load(const Xml::CXmlNode* element);
    void append(const Vector4& centre, float radius);

    // True when some pair of circles is closer than the root of the sum of their squared radii:
    // the game's deliberately tight test, so glancing contacts do not count.
    bool overlaps(const CollitionCircles& other) const;
    // The same tight test against one circle at point.
    bool touches(const Vector4& point, float radius) const;

    // Distance of the farthest circle centre from the owner's origin plus that circle's radius.
    float boundingRadius() const { return m_boundingRadius; }

private:
    std::vector<float> m_radii;
    float m_boundingRadius = 0.0f;
};

} // namespace NVolant
