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

// A boat model: outline points (tested against the shore), hit circles, a wake emitter offset per
// sprite group, hull, and rocket muzzles used in turn. Each boat keeps its own copy, so the
// muzzle counter is per boat.
class EBoatParams final {
public:
    EBoatParams() = default;
    // Reads "params.xml" of one model; a missing or malformed file is a broken installation.
    EBoatParams(const NLib::ResourceArchive& archive, const std::string& path);
    explicit EBoatParams(const Xml::CXmlNode& root) { read(root); }
    EBoatParams(const EBoatParams&) = default;
    EBoatParams& operator=(const EBoatParams&) = default;
    virtual ~EBoatParams() = default;

    // The next muzzle, round and round.
    Vector4 nextGun();

    CollitionPoints collisionPoints;
    CollitionCircles collisionCircles;
    CollitionPoints tailPos;
    int hull = 100;
    CollitionPoints guns;

private:
    void read(const Xml::CXmlNode& root);

    int m_nextGun = 0;
};

} // namespace NVolant
