#include "gameplay/ETankParams.h"

#include "content/CXmlNode.h"
#include "content/ParamValues.h"
#include "content/RequiredXml.h"

namespace NVolant {

ETankParams::ETankParams(const NLib::ResourceArchive& archive, const std::string& path)
    : ETankParams(NLib::requiredXml(archive, path))
{
}

void ETankParams::read(const Xml::CXmlNode& root)
{
    collisionCircles.load(root.findChild("collition_circles"));
    shootPos.clear();
    if (const Xml::CXmlNode* list = root.findChild("shootPos"))
        for (const Xml::CXmlNode* entry : list->getChildren())
            shootPos.emplace_back(entry->getFloat("x", 0.0f), entry->getFloat("y", 0.0f),
                                  entry->getFloat("z", 0.0f), 1.0f);
    hull = NLib::childInt(root, "hull", 1, 80);
    flak = NLib::childInt(root, "flak", 0, 0);
    flakCount = NLib::childInt(root, "flakCount", 10, 10);
}

Vector4 ETankParams::shootPosFor(int g)
{
    if (g < 0 || g > 7 || shootPos.size() < 8)
        return Vector4(0.0f, 0.0f, 0.0f, 0.0f);
    const int n = static_cast<int>(shootPos.size() / 8);
    if (++m_nextShootPos >= n)
        m_nextShootPos = 0;
    return shootPos[static_cast<std::size_t>(g * n + m_nextShootPos)];
}

} // namespace NVolant
