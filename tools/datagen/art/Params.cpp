#include "art/Params.h"

#include "common/DataTree.h"

#include <cmath>

namespace datagen::art {

namespace {

// Coordinates are kept to a tenth of a pixel so the files stay readable and stable.
float tidy(double v)
{
    return static_cast<float>(std::round(v * 10.0) / 10.0);
}

} // namespace

void ParamFile::circles(const std::vector<Circle>& list, const std::string& name)
{
    Xml::CXmlNode* node = m_root.addChild(name);
    for (const Circle& c : list) {
        Xml::CXmlNode* e = node->addChild("circle");
        e->setFloat("x", tidy(c.x));
        e->setFloat("y", tidy(c.y));
        e->setFloat("radius", tidy(c.r));
    }
}

void ParamFile::points(const std::string& name, const std::vector<Point2>& list)
{
    Xml::CXmlNode* node = m_root.addChild(name);
    for (const Point2& p : list) {
        Xml::CXmlNode* e = node->addChild("point");
        e->setFloat("x", tidy(p.x));
        e->setFloat("y", tidy(p.y));
    }
}

void ParamFile::value(const std::string& name, int v)
{
    m_root.addChild(name)->setInt("val", v);
}

void ParamFile::value(const std::string& name, float v)
{
    m_root.addChild(name)->setFloat("val", v);
}

void ParamFile::write(const DataTree& tree, const std::string& path) const
{
    tree.writeXml(path, m_root);
}

} // namespace datagen::art
