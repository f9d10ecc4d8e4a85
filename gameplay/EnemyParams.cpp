#include "gameplay/EnemyParams.h"

#include "content/CXmlNode.h"
#include "content/ParamValues.h"
#include "content/RequiredXml.h"

namespace NVolant {

EnemyParams::EnemyParams(const NLib::ResourceArchive& archive, const std::string& path, int defaultHull)
    : EnemyParams(NLib::requiredXml(archive, path), defaultHull)
{
}

EnemyParams::EnemyParams(const Xml::CXmlNode& root, int defaultHull)
{
    collisionPoints.load(root.findChild("collition_points"));
    collisionCircles.load(root.findChild("collition_circles"));
    hull = NLib::childInt(root, "hull", 1, defaultHull);
    shadowX = NLib::childFloat(root, "shadowX", 0.0f, 0.0f);
    shadowY = NLib::childFloat(root, "shadowY", 0.0f, 0.0f);
}

} // namespace NVolant
