#pragma once

#include "platform/ImageDecoder.h"

#include <string>
#include <vector>

namespace Xml {
class CXmlNode;
}

namespace NLib {
class Random;
class ResourceArchive;
} // namespace NLib

namespace NVolant {

// A named set of pictures used while a level's sector graphics are composed: the variants of a
// ground texture, or a sector's base picture. Only lives during loading.
class TerrainTexture final {
public:
    TerrainTexture() = default;
    // Name from "name", one picture per child element (its text is the image path); starts at a
    // random picture.
    TerrainTexture(const NLib::ResourceArchive& archive, const Xml::CXmlNode& element, NLib::Random& random);
    TerrainTexture(TerrainTexture&&) = default;
    TerrainTexture& operator=(TerrainTexture&&) = default;
    virtual ~TerrainTexture() = default;

    void addPicture(DecodedImage picture);

    const std::string& name() const { return m_name; }
    void setName(std::string name) { m_name = std::move(name); }
    std::size_t count() const { return m_pictures.size(); }
    // Picture i, or null when out of range.
    const DecodedImage* variant(std::size_t i) const;
    DecodedImage* variant(std::size_t i);
    // Advances cyclically and returns that picture.
    const DecodedImage* nextVariant();
    // A random picture, another one than the current whenever there is a choice.
    const DecodedImage* randomVariant(NLib::Random& random);

private:
    std::string m_name;
    std::vector<DecodedImage> m_pictures;
    std::size_t m_current = 0;
};

} // namespace NVolant
