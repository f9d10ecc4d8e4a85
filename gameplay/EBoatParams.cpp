#include "gameplay/EBoatParams.h"

#include "content/CXmlNode.h"
#include "content/ParamValues.h"
#include "content/RequiredXml.h"

namespace NVolant {

EBoatParams::EBoatParams(const NLib::ResourceArchive& archive, const std::string& path)
    : EBoatParams(NLib::requiredXml(archive, path))
{
}

void EBoatParams::read(const Xml::CXmlNode& root)
{
    collisionPoints.load(root.findChild("collition_points"));
    collisionCircles.load(root.findChild("collition_circles"));
    tailPos.load(root.findChild("tailPos"));
    if (const Xml::CXmlNode* gunList = root.findChild("guns"))
        guns.load(gunList);
    else
        guns.append(Vector4(0.0f, 0.0f, 0.0f, 1.0f));
    hull = NLib::childInt(root, "hull", 1, 100);
}

Vector4 EBoatParams::nextGun()
{
    if (guns.points().empty())
        return Vector4(0.0f, 0.0f, 0.0f, 1.0f);
    const Vector4 gun = guns.points()[static_cast<std::size_t>(m_nextGun)];
    if (++m_nextGun >= static_cast<int>(guns.size()))
        m_nextGun = 0;
    return gun;
}

} // namespace NVolant
