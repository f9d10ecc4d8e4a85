#pragma once

#include <string>

namespace NLib {
class ResourceArchive;
}

namespace Xml {
class CXmlNode;
}

namespace NLib {

// Loads a content document that the game cannot run without. A missing or malformed file throws
// BrokenInstallation naming it.
void loadRequiredXml(const ResourceArchive& archive, const std::string& path, Xml::CXmlNode& node);

}  // namespace NLib
