#pragma once

#include <string>

namespace NLib {
class ResourceArchive;
}

#include "content/CXmlNode.h"

namespace NLib {

// Loads a content document that the game cannot run without. A missing or malformed file throws
// BrokenInstallation naming it.
void loadRequiredXml(const ResourceArchive& archive, const std::string& path, Xml::CXmlNode& node);
Xml::CXmlNode requiredXml(const ResourceArchive& archive, const std::string& path);

} // namespace NLib
