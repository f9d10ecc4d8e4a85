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

// The bridge: hit circles and hull.
class EBridgeParams final {
public:
    EBridgeParams() = default;
    // Reads "params.xml" of one model; a missing or malformed file is a broken installation.
    EBridgeParams(const NLib::ResourceArchive& archive, const std::string& path);
    explicit EBridgeParams(const Xml::CXmlNode& root) { read(root); }
    virtual ~EBridgeParams() = default;

    CollitionCircles collisionCircles;
    int hull = 100;

private:
    void read(const Xml::CXmlNode& root);
};

} // namespace NVolant
