#pragma once

#include "art/Sprites.h"

#include "content/CXmlNode.h"

#include <string>
#include <vector>

namespace datagen::art {

// Builders for the parameter files the enemy kinds and the player plane load.
class ParamFile final {
public:
    ParamFile() { m_root.setName("params"); }

    void circles(const std::vector<Circle>& list, const std::string& name = "collition_circles");
    void points(const std::string& name, const std::vector<Point2>& list);
    void value(const std::string& name, int v);
    void value(const std::string& name, float v);
    void write(const DataTree& tree, const std::string& path) const;

private:
    Xml::CXmlNode m_root;
};

} // namespace datagen::art
