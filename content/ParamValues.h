#pragma once

#include "content/CXmlNode.h"

#include <string>

namespace NLib {

// Parameter files keep each value in the "val" attribute of a child of the root. A missing child
// and a child without a readable "val" have different defaults.
inline int childInt(const Xml::CXmlNode& root, const std::string& name, int ifNoValue, int ifNoChild)
{
    const Xml::CXmlNode* child = root.findChild(name);
    return child ? child->getInt("val", ifNoValue) : ifNoChild;
}

inline float childFloat(const Xml::CXmlNode& root, const std::string& name, float ifNoValue, float ifNoChild)
{
    const Xml::CXmlNode* child = root.findChild(name);
    return child ? child->getFloat("val", ifNoValue) : ifNoChild;
}

} // namespace NLib
