#include "gameplay/PlaneParams.h"

#include "content/CXmlNode.h"
#include "content/ParamValues.h"
#include "content/RequiredXml.h"

namespace NVolant {

PlaneParams::PlaneParams(const NLib::ResourceArchive& archive, const std::string& path)
    : PlaneParams(NLib::requiredXml(archive, path))
{
}

void PlaneParams::read(const Xml::CXmlNode& root)
{
    collisionPoints.load(root.findChild("collition_points"));
    collisionCircles.load(root.findChild("collition_circles"));
    frameSideSpeed = NLib::childFloat(root, "m_frameSideSpeed", 0.01f, 0.01f);
    mouseSens = NLib::childFloat(root, "m_mouseSens", 2.0f, 2.0f);
    hull = NLib::childInt(root, "hull", 1, 100);
    speedVal = NLib::childFloat(root, "speedVal", 0.3f, 0.3f);
    maxSpeed = 0.1f;
}

} // namespace NVolant
