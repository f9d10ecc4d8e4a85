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

// A building model: hit circles, hull and its shadow offset.
class EBuildingParams final {
public:
    EBuildingParams() = default;
    // Reads "params.xml" of one model; a missing or malformed file is a broken installation.
    EBuildingParams(const NLib::ResourceArchive& archive, const std::string& path);
    explicit EBuildingParams(const Xml::CXmlNode& root) { read(root); }
    virtual ~EBuildingParams() = default;

    CollitionCircles collisionCircles;
    int hull = 80;
    // Where the painted shadow is drawn; (0, 0) draws none.
    float shadowX = 0.0f;
    float shadowY = 0.0f;

private:
    void read(const Xml::CXmlNode& root);
};

} // namespace NVolant
