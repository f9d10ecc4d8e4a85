#pragma once

#include "gameplay/CollitionCircles.h"
#include "gameplay/CollitionPoints.h"

#include <string>

namespace NLib {
class ResourceArchive;
}

namespace Xml {
class CXmlNode;
}

namespace NVolant {

// The parameters of a bridge, helicopter, enemy plane or building model ("params.xml"): hit
// circles and hull, the outline points a helicopter keeps over water or land, and the offset of a
// building's painted shadow ((0, 0) draws none). What a kind does not use it leaves alone.
class EnemyParams final {
public:
    // The hull of a model whose file names none.
    static constexpr int kDefaultHull = 80;
    static constexpr int kBridgeHull = 100;

    EnemyParams() = default;
    // Reads "params.xml" of one model; a missing or malformed file is a broken installation.
    EnemyParams(const NLib::ResourceArchive& archive, const std::string& path,
                int defaultHull = kDefaultHull);
    explicit EnemyParams(const Xml::CXmlNode& root, int defaultHull = kDefaultHull);

    CollitionPoints collisionPoints;
    CollitionCircles collisionCircles;
    int hull = kDefaultHull;
    float shadowX = 0.0f;
    float shadowY = 0.0f;
};

} // namespace NVolant
