#include "gameplay/EHelicParams.h"

#include "content/CXmlNode.h"
#include "content/ParamValues.h"
#include "content/RequiredXml.h"

namespace NVolant {

EHelicParams::EHelicParams(const NLib::ResourceArchive& archive, const std::string& path)
    : EHelicParams(NLib::requiredXml(archive, path))
{
}

void EHelicParams::read(const Xml::CXmlNode& root)
{
    collisionPoints.load(root.findChild("collition_points"));
    collisionCircles.load(root.findChild("collition_circles"));
    hull = NLib::childInt(root, "hull", 1, 80);
}

} // namespace NVolant
