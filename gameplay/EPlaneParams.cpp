#include "gameplay/EPlaneParams.h"

#include "content/CXmlNode.h"
#include "content/ParamValues.h"
#include "content/RequiredXml.h"

namespace NVolant {

EPlaneParams::EPlaneParams(const NLib::ResourceArchive& archive, const std::string& path)
    : EPlaneParams(NLib::requiredXml(archive, path))
{
}

void EPlaneParams::read(const Xml::CXmlNode& root)
{
    collisionCircles.load(root.findChild("collition_circles"));
    hull = NLib::childInt(root, "hull", 1, 80);
}

} // namespace NVolant
