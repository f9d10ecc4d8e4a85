#include "content/RequiredXml.h"

#include "content/BrokenInstallation.h"
#include "content/CXmlException.h"
#include "content/CXmlNode.h"
#include "content/XmlArchive.h"
#include "platform/Log.h"

namespace NLib {

void loadRequiredXml(const ResourceArchive& archive, const std::string& path, Xml::CXmlNode& node)
{
    try {
        Xml::loadFromArchive(archive, path, node);
    } catch (const Xml::CXmlException& e) {
        LOG_FATAL("%s: %s", path.c_str(), e.what());
        throw BrokenInstallation(path, e.getMessage());
    }
}

Xml::CXmlNode requiredXml(const ResourceArchive& archive, const std::string& path)
{
    Xml::CXmlNode node;
    loadRequiredXml(archive, path, node);
    return node;
}

} // namespace NLib
