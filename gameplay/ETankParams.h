#pragma once

#include "gameplay/CollitionCircles.h"

#include <string>
#include <vector>

namespace NLib {
class ResourceArchive;
}

namespace Xml {
class CXmlNode;
}

namespace NVolant {

// A tank model: hit circles, hull, what it fires (rockets or one of two flak kinds), its burst size
// and the shot origins, eight equal blocks of them, one block per direction group. Each tank keeps
// its own copy, so the origin counter is per tank.
class ETankParams final {
public:
    ETankParams() = default;
    // Reads "params.xml" of one model; a missing or malformed file is a broken installation.
    ETankParams(const NLib::ResourceArchive& archive, const std::string& path);
    explicit ETankParams(const Xml::CXmlNode& root) { read(root); }
    ETankParams(const ETankParams&) = default;
    ETankParams& operator=(const ETankParams&) = default;
    virtual ~ETankParams() = default;

    // The next shot origin of direction group g (0..7); (0, 0, 0, 0) when the model has fewer
    // than eight origins or g is out of range. The counter advances whatever the group.
    Vector4 shootPosFor(int g);
    bool hasShootPos() const { return !shootPos.empty(); }

    CollitionCircles collisionCircles;
    int hull = 80;
    int flak = 0;       // 0 rockets, 1 flak of the first kind, anything else the second kind
    int flakCount = 10; // shells per burst, give or take a third
    std::vector<Vector4> shootPos;

private:
    void read(const Xml::CXmlNode& root);

    int m_nextShootPos = 0;
};

} // namespace NVolant
