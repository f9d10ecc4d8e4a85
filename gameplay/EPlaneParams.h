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

// An enemy plane model: hit circles and hull.
class EPlaneParams final {
public:
    EPlaneParams() = default;
    // Reads "params.xml" of one model; a missing or malformed file is a broken installation.
    EPlaneParams(const NLib::ResourceArchive& archive, const std::string& path);
    explicit EPlaneParams(const Xml::CXmlNode& root) { read(root); }
    virtual ~EPlaneParams() = default;

    CollitionCircles collisionCircles;
    int hull = 80;

private:
    void read(const Xml::CXmlNode& root);
};

} // namespace NVolant
