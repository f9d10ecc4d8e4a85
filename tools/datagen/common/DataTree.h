#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Xml {
class CXmlNode;
}

namespace datagen {

// The output folder of the generator. Every file is written at the exact relative path the game
// loads ("menu/font.png", "levels/01/level.xml", ...); folders are made as needed. Safe to use
// from several generator threads at once.
class DataTree final {
public:
    explicit DataTree(std::string root);

    const std::string& root() const { return m_root; }
    std::string pathOf(const std::string& relative) const;

    // Each throws std::runtime_error naming the file when it cannot be written.
    void writeBytes(const std::string& relative, const std::vector<std::uint8_t>& bytes) const;
    void writeText(const std::string& relative, const std::string& text) const;
    void writeXml(const std::string& relative, const Xml::CXmlNode& root) const;

private:
    void writeFile(const std::string& relative, const std::vector<std::uint8_t>& bytes) const;

    std::string m_root;
};

// The PNG without its background-colour chunk.
std::vector<std::uint8_t> withoutPngBackground(const std::vector<std::uint8_t>& png);

} // namespace datagen
