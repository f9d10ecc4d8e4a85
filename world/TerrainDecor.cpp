#include "world/TerrainDecor.h"

#include "content/ResourceArchive.h"
#include "platform/KGraphic.h"
#include "platform/Log.h"
#include "platform/Screen.h"
#include "world/DecorBaker.h"

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

    m_bands.clear();
    m_baker.reset();
    const NLib::ByteBuffer picture = archive.readFile(atlasPath);
    const DecodedImage atlas = decodeImage(atlasPath, picture.data(), picture.size());
    if (atlas.empty()) {
        LOG_ERROR("scenery picture %s is missing or unreadable", atlasPath.c_str());
        return;
    }
    m_baker = std::make_unique<DecorBaker>(atlas);

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

std::pair<std::size_t, std::size_t> TerrainDecor::within(const Layer& layer, float bottom, float top) const
{
    const auto& props = layer.props;
    const float high = top + layer.reach;
    const float low = bottom - layer.reach;
    const auto first =
        std::partition_point(props.begin(), props.end(), [high](const DecorProp& p) { return p.y > high; });
    const auto last =
        std::partition_point(first, props.end(), [low](const DecorProp& p) { return p.y >= low; });
    return {static_cast<std::size_t>(first - props.begin()), static_cast<std::size_t>(last - props.begin())};
}

std::size_t TerrainDecor::visibleCount(float scroll) const
{
    if (!m_baker)
        return 0;
    // A level point at height y shows at screen y = scroll + 600 - y.
    const float whole = std::floor(scroll);
    std::size_t n = 0;
    for (const Layer& layer : m_layers) {
        const auto [first, last] = within(layer, whole, whole + static_cast<float>(kScreenHeight));
        n += last - first;
    }
    return n;
}

TerrainDecor::Band TerrainDecor::bake(int band) const
{
    const float bottom = static_cast<float>(band * kBandHeight);
    const float top = bottom + static_cast<float>(kBandHeight);
    std::vector<const DecorProp*> props;
    for (const Layer& layer : m_layers) {
        const auto [first, last] = within(layer, bottom, top);
        for (std::size_t i = first; i < last; ++i)
            props.push_back(&layer.props[i]);
    }
    Band out;
    out.cells.assign(static_cast<std::size_t>(kScreenWidth / kCellWidth), 0);
    if (props.empty())
        return out;
    const std::vector<std::uint8_t> rgba = m_baker->bake(props, m_pieces, kScreenWidth, kBandHeight, top);
    for (std::size_t cell = 0; cell < out.cells.size(); ++cell) {
        bool any = false;
        bool all = true;
        for (int y = 0; y < kBandHeight; ++y)
            for (int x = 0; x < kCellWidth; ++x) {
                const std::uint8_t a =
                    rgba[(static_cast<std::size_t>(y) * kScreenWidth + cell * kCellWidth + static_cast<std::size_t>(x)) * 4 + 3];
                any = any || a > 0;
                all = all && a == 255;
            }
        out.cells[cell] = all ? 2 : any ? 1 : 0;
    }
    out.picture = createGraphic();
    out.picture->loadFromPixels(rgba.data(), kScreenWidth, kBandHeight, 0);
    out.picture->setFiltering(true);
    return out;
}

void TerrainDecor::drawBand(const Band& band, float y) const
{
    if (!band.picture)
        return;
    // Runs of cells alike go in one blit: a copy where the scenery covers all, a blend elsewhere.
    const std::size_t count = band.cells.size();
    for (std::size_t start = 0; start < count;) {
        std::size_t end = start + 1;
        while (end < count && band.cells[end] == band.cells[start])
            ++end;
        const float x1 = static_cast<float>(start * kCellWidth);
        const float x2 = static_cast<float>(end * kCellWidth);
        if (band.cells[start] == 2)
            band.picture->putImageRect(x1, 0.0f, x2, static_cast<float>(kBandHeight), x1, y);
        else if (band.cells[start] == 1)
            band.picture->blendImageRect(x1, 0.0f, x2, static_cast<float>(kBandHeight), x1, y);
        start = end;
    }
}

void TerrainDecor::draw(float scroll)
{
    if (!m_baker)
        return;
    const float whole = std::floor(scroll);
    // The bands in sight, and one more at either end for a view drawn between steps.
    const int first = static_cast<int>(std::floor(whole / kBandHeight)) - 1;
    const int last = static_cast<int>(std::floor((whole + static_cast<float>(kScreenHeight)) / kBandHeight)) + 1;
    for (int band = first; band <= last; ++band) {
        auto found = m_bands.find(band);
        if (found == m_bands.end())
            found = m_bands.emplace(band, bake(band)).first;
        const float top = static_cast<float>((band + 1) * kBandHeight);
        drawBand(found->second, whole + static_cast<float>(kScreenHeight) - top);
    }
    // Bands out of sight are painted again if the view comes back (a restart at a bridge).
    std::erase_if(m_bands, [&](const auto& entry) { return entry.first < first - 2 || entry.first > last + 2; });
}

} // namespace NVolant
