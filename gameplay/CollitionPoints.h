#pragma once

#include "platform/Vector4.h"

#include <vector>

namespace Xml {
class CXmlNode;
}

namespace NVolant {

// An outline as points in the owner's own frame. Owners keep a master copy and place a copy in
// the world (turned by the heading, moved to the position) for every test.
class CollitionPoints {
public:
    CollitionPoints() = default;
    virtual ~CollitionPoints() = default;
    CollitionPoints(const CollitionPoints&) = default;
    CollitionPoints& operator=(const CollitionPoints&) = default;

    // Every child of the element, whatever its name, is one point ("x", "y", "z"). A missing
    // element gives an empty outline.
    void load(const Xml::CXmlNode* element);
    void append(const Vector4& point);

    // Turns every point about the origin by angle degrees, then adds offset.
    void place(const Vector4& offset, float angle);

    const std::vector<Vector4>& points() const { return m_points; }
    const Vector4& centre() const { return m_centre; }
    std::size_t size() const { return m_points.size(); }

protected:
    void updateCentre();
    static Vector4 readPoint(const Xml::CXmlNode& entry);

    std::vector<Vector4> m_points;
    Vector4 m_centre{0.0f, 0.0f, 0.0f, 1.0f};
};

} // namespace NVolant
