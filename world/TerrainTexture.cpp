#include "world/TerrainTexture.h"

#include "content/CXmlNode.h"
#include "content/Random.h"
#include "content/ResourceArchive.h"
#include "platform/Log.h"

namespace NVolant {

TerrainTexture::TerrainTexture(const NLib::ResourceArchive& archive, const Xml::CXmlNode& element,
                               NLib::Random& random)
    : m_name(element.getString("name", ""))
{
    for (const Xml::CXmlNode* child : element.getChildren()) {
        const std::string path = child->getText();
        const NLib::ByteBuffer data = archive.readFile(path);
        DecodedImage picture = decodeImage(path, data.data(), data.size());
        if (picture.empty())
            LOG_ERROR("terrain picture %s is missing or unreadable", path.c_str());
        addPicture(std::move(picture));
    }
    if (!m_pictures.empty())
        m_current = static_cast<std::size_t>(random.integer()) % m_pictures.size();
}

void TerrainTexture::addPicture(DecodedImage picture)
{
    m_pictures.push_back(std::move(picture));
}

const DecodedImage* TerrainTexture::variant(std::size_t i) const
{
    return i < m_pictures.size() ? &m_pictures[i] : nullptr;
}

DecodedImage* TerrainTexture::variant(std::size_t i)
{
    return i < m_pictures.size() ? &m_pictures[i] : nullptr;
}

const DecodedImage* TerrainTexture::nextVariant()
{
    if (m_pictures.empty())
        return nullptr;
    m_current = (m_current + 1) % m_pictures.size();
    return &m_pictures[m_current];
}

const DecodedImage* TerrainTexture::randomVariant(NLib::Random& random)
{
    if (m_pictures.empty())
        return nullptr;
    std::size_t pick = static_cast<std::size_t>(random.integer()) % m_pictures.size();
    while (m_pictures.size() > 1 && pick == m_current)
        pick = static_cast<std::size_t>(random.integer()) % m_pictures.size();
    m_current = pick;
    return &m_pictures[m_current];
}

} // namespace NVolant
