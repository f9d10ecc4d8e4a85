#include "common/DataTree.h"

#include "content/CXmlNode.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace datagen {

DataTree::DataTree(std::string root) : m_root(std::move(root))
{
    std::error_code ec;
    fs::create_directories(m_root, ec);
    if (!fs::is_directory(m_root))
        throw std::runtime_error("cannot create output folder " + m_root);
}

std::string DataTree::pathOf(const std::string& relative) const
{
    return (fs::path(m_root) / relative).string();
}

void DataTree::writeBytes(const std::string& relative, const std::vector<std::uint8_t>& bytes) const
{
    const fs::path path = pathOf(relative);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

void DataTree::writeText(const std::string& relative, const std::string& text) const
{
    writeBytes(relative, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void DataTree::writeXml(const std::string& relative, const Xml::CXmlNode& root) const
{
    writeText(relative, root.toText());
}

}  // namespace datagen
