#include "gameplay/EBuildingParams.h"

#include "content/CXmlNode.h"
#include "content/ParamValues.h"
#include "content/RequiredXml.h"

namespace NVolant {

EBuildingParams::EBuildingParams(const NLib::ResourceArchive& archive, const std::string& path)
    : EBuildingParams(NLib::requiredXml(archive, path))
{
}

void EBuildingParams::read(const Xml::CXmlNode& root)
{
    collisionCircles.load(root.findChild("collition_circles"));
    hull = NLib::childInt(root, "hull", 1, 80);
    shadowX = NLib::childFloat(root, "shadowX", 0.0f, 0.0f);
    shadowY = NLib::childFloat(root, "shadowY", 0.0f, 0.0f);
}

} // namespace NVolant
