#pragma once

#include "gameplay/CollitionCircles.h"

#include <string>

namespace NLib {
class ResourceArchive;
}

namespace Xml {
class CXmlNode;
}

namespace NVolant {

// The player's plane: steering speeds, collision shapes and hull, from
// "dat/player_plane/params.xml".
class PlaneParams final {
public:
    PlaneParams() = default;
    // A missing or malformed file is a broken installation.
    PlaneParams(const NLib::ResourceArchive& archive, const std::string& path);
    explicit PlaneParams(const Xml::CXmlNode& root) { read(root); }
    virtual ~PlaneParams() = default;

    float speedVal = 0.3f; // keyboard steering, px/ms
    float maxSpeed = 0.1f; // forward flight, world px/ms; not configurable
    CollitionPoints collisionPoints;
    CollitionCircles collisionCircles;
    float frameSideSpeed = 0.01f;
    float mouseSens = 2.0f;
    int hull = 100;

private:
    void read(const Xml::CXmlNode& root);
};

} // namespace NVolant
