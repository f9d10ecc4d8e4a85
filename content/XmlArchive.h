#pragma once

#include <string>

namespace NLib {
class ResourceArchive;
}

namespace Xml {

class CXmlNode;

// Loads a document through the resource archive. A file that is in neither the pack nor the data
// folder throws "Can't open file", like a missing file on disk. Throws CXmlException.
void loadFromArchive(const NLib::ResourceArchive& archive, const std::string& path, CXmlNode& node);

} // namespace Xml
