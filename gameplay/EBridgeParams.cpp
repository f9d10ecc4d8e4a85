#include "gameplay/EBridgeParams.h"

#include "content/CXmlNode.h"
#include "content/ParamValues.h"
#include "content/RequiredXml.h"

namespace NVolant {

EBridgeParams::EBridgeParams(const NLib::ResourceArchive& archive, const std::string& path)
    : EBridgeParams(NLib::requiredXml(archive, path))
{
}

void EBridgeParams::read(const Xml::CXmlNode& root)
{
    collisionCircles.load(root.findChild("collition_circles"));
    hull = NLib::childInt(root, "hull", 1, 100);
}

} // namespace NVolant
