#include "world/TerrainDecor.h"

#include "content/ResourceArchive.h"
#include "platform/KGraphic.h"
#include "platform/Log.h"
#include "platform/Screen.h"

#include <algorithm>
#include <cmath>

namespace NVolant {

TerrainDecor::TerrainDecor() = default;

TerrainDecor::~TerrainDecor() = default;

void TerrainDecor::load(const NLib::ResourceArchive& archive, const std::string& decorPath,
                        const std::string& atlasPath)
{
    const NLib::ByteBuffer bytes = archive.readFile(decorPath);
    DecorFile::Report report;
    Decor decor = DecorFile::read(bytes, &report);
    if (report.refused)
        LOG_ERROR("scenery file %s is missing or not a scenery file", decorPath.c_str());
    else if (report.dropped > 0)
        LOG_ERROR("scenery file %s: %zu damaged props left out", decorPath.c_str(), report.dropped);

    const NLib::ByteBuffer picture = archive.readFile(atlasPath);
    m_atlas = createGraphic();
    if (picture.empty() || !m_atlas->loadFromMemory(atlasPath, picture.data(), picture.size(), true, true)) {
        LOG_ERROR("scenery picture %s is missing or unreadable", atlasPath.c_str());
        m_atlas.reset();
        return;
    }
    m_atlas->setFiltering(true);

    m_pieces = std::move(decor.pieces);
    for (Layer& layer : m_layers) {
        layer.props.clear();
        layer.reach = 0.0f;
    }
    for (const DecorProp& prop : decor.props) {
        Layer& layer = m_layers[static_cast<std::size_t>(prop.layer)];
        const DecorPiece& piece = m_pieces[static_cast<std::size_t>(prop.piece)];
        // Half the diagonal: as far as the piece reaches at any angle.
        layer.reach = std::max(layer.reach, 0.5f * prop.scale * std::hypot(static_cast<float>(piece.width),
                                                                           static_cast<float>(piece.height)));
        layer.props.push_back(prop);
    }
    // Lower props overlap higher ones, as the units do.
    for (Layer& layer : m_layers)
        std::stable_sort(layer.props.begin(), layer.props.end(),
                         [](const DecorProp& a, const DecorProp& b) { return a.y > b.y; });
}

std::size_t TerrainDecor::propCount() const
{
    std::size_t n = 0;
    for (const Layer& layer : m_layers)
        n += layer.props.size();
    return n;
}

std::pair<std::size_t, std::size_t> TerrainDecor::visible(const Layer& layer, float scroll) const
{
    // A level point at height y shows at screen y = scroll + 600 - y.
    const float whole = std::floor(scroll);
    const float top = whole + static_cast<float>(kScreenHeight) + layer.reach;
    const float bottom = whole - layer.reach;
    const auto& props = layer.props;
    const auto first = std::partition_point(props.begin(), props.end(),
                                            [top](const DecorProp& p) { return p.y > top; });
    const auto last = std::partition_point(first, props.end(),
                                           [bottom](const DecorProp& p) { return p.y >= bottom; });
    return {static_cast<std::size_t>(first - props.begin()), static_cast<std::size_t>(last - props.begin())};
}

std::size_t TerrainDecor::visibleCount(float scroll) const
{
    if (!m_atlas)
        return 0;
    std::size_t n = 0;
    for (const Layer& layer : m_layers) {
        const auto [first, last] = visible(layer, scroll);
        n += last - first;
    }
    return n;
}

void TerrainDecor::drawProp(const DecorProp& prop, float whole) const
{
    const DecorPiece& piece = m_pieces[static_cast<std::size_t>(prop.piece)];
    const float w = static_cast<float>(piece.width);
    const float h = static_cast<float>(piece.height);
    const float cx = prop.x;
    const float cy = whole + static_cast<float>(kScreenHeight) - prop.y;
    auto channel = [&](int shift) { return static_cast<float>((prop.colour >> shift) & 0xFFu) / 255.0f; };
    m_atlas->setModulateColor(channel(0), channel(8), channel(16), channel(24));
    const float x1 = static_cast<float>(piece.x);
    const float y1 = static_cast<float>(piece.y);
    if (prop.angle == 0.0f && prop.scale == 1.0f) {
        m_atlas->blendImageRect(x1, y1, x1 + w, y1 + h, std::floor(cx - w / 2), std::floor(cy - h / 2));
        return;
    }
    // Scaled about the top-left corner, then turned about the piece's centre.
    const float z = prop.scale;
    m_atlas->blendImageRectEx(x1, y1, x1 + w, y1 + h, cx - w * z / 2, cy - h * z / 2, prop.angle, z, 1.0f, false,
                              false, (z - 1.0f) * w / 2, (z - 1.0f) * h / 2);
}

void TerrainDecor::draw(float scroll) const
{
    if (!m_atlas)
        return;
    const float whole = std::floor(scroll);
    for (const Layer& layer : m_layers) {
        const auto [first, last] = visible(layer, scroll);
        for (std::size_t i = first; i < last; ++i)
            drawProp(layer.props[i], whole);
    }
    m_atlas->setModulateColor(1.0f, 1.0f, 1.0f, 1.0f);
}

} // namespace NVolant
