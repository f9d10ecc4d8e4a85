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

// A helicopter model: outline points (kept over water or land), hit circles and hull.
class EHelicParams final {
public:
    EHelicParams() = default;
    // Reads "params.xml" of one model; a missing or malformed file is a broken installation.
    EHelicParams(const NLib::ResourceArchive& archive, const std::string& path);
    explicit EHelicParams(const Xml::CXmlNode& root) { read(root); }
    virtual ~EHelicParams() = default;

    CollitionPoints collisionPoints;
    CollitionCircles collisionCircles;
    int hull = 80;

private:
    void read(const Xml::CXmlNode& root);
};

} // namespace NVolant
