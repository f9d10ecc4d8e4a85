#include "content/XmlArchive.h"

#include "content/CXmlException.h"
#include "content/CXmlNode.h"
#include "content/ResourceArchive.h"

namespace Xml {

void loadFromArchive(const NLib::ResourceArchive& archive, const std::string& path, CXmlNode& node)
{
    const NLib::ByteBuffer data = archive.readFile(path);
    if (data.empty()) {
        node.clear();
        throw CXmlException("Can't open file");
    }
    node.load(reinterpret_cast<const char*>(data.data()), data.size());
}

} // namespace Xml
