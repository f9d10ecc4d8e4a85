#include "common/DataTree.h"

#include "content/CXmlNode.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace datagen {

namespace {

bool endsWith(const std::string& s, const char* tail)
{
    const std::size_t n = std::char_traits<char>::length(tail);
    return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

} // namespace

std::vector<std::uint8_t> withoutPngBackground(const std::vector<std::uint8_t>& png)
{
    // Signature, then chunks of length, type, data and CRC.
    if (png.size() < 8)
        return png;
    std::vector<std::uint8_t> out(png.begin(), png.begin() + 8);
    std::size_t pos = 8;
    while (pos + 12 <= png.size()) {
        const std::size_t length =
            static_cast<std::size_t>(png[pos]) << 24 | png[pos + 1] << 16 | png[pos + 2] << 8 | png[pos + 3];
        const std::size_t end = pos + 12 + length;
        if (end > png.size())
            break;
        if (std::string(png.begin() + static_cast<long>(pos) + 4, png.begin() + static_cast<long>(pos) + 8) !=
            "bKGD")
            out.insert(out.end(), png.begin() + static_cast<long>(pos), png.begin() + static_cast<long>(end));
        pos = end;
    }
    out.insert(out.end(), png.begin() + static_cast<long>(pos), png.end());
    return out;
}

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
    // cairo marks every PNG with a white background colour, and the game's decoder composites an
    // image onto its background colour, which would make every sprite opaque.
    if (endsWith(relative, ".png"))
        return writeFile(relative, withoutPngBackground(bytes));
    writeFile(relative, bytes);
}

void DataTree::writeFile(const std::string& relative, const std::vector<std::uint8_t>& bytes) const
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

} // namespace datagen
