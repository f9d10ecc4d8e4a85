#include "world/Terrain.h"

#include "content/CXmlNode.h"
#include "content/RequiredXml.h"
#include "content/ResourceArchive.h"
#include "platform/KGraphic.h"
#include "platform/KWindow.h"
#include "platform/Log.h"
#include "gameplay/CollitionPoints.h"
#include "world/CloudShadows.h"
#include "world/TerrainDecor.h"
#include "world/TerrainTexture.h"
#include "platform/Screen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>

namespace NVolant {

namespace {

std::unique_ptr<KGraphic> graphicFromPixels(const DecodedImage& picture)
{
    std::unique_ptr<KGraphic> graphic = createGraphic();
    graphic->loadFromPixels(picture.rgba.data(), picture.width, picture.height, 0);
    graphic->setFiltering(true);
    return graphic;
}

} // namespace

Terrain::Terrain() = default;

Terrain::~Terrain() = default;

bool Terrain::readMap(const std::uint8_t* data, std::size_t size)
{
    return LevelFiles::readMap(std::span<const std::uint8_t>(data, size), m_map);
}

int Terrain::cell(int column, int row) const
{
    return m_map.inside(column, row) ? m_map.at(column, row) : -1;
}

void Terrain::fillSector(DecodedImage& base, TerrainTexture& texture, int cellSize)
{
    const int blocksX = base.width / cellSize;
    const int blocksY = base.height / cellSize;
    for (int bx = 0; bx < blocksX; ++bx)
        for (int by = 0; by < blocksY; ++by) {
            const DecodedImage* v = texture.nextVariant();
            if (!v || v->empty())
                continue;
            const int x0 = bx * cellSize;
            const int y0 = by * cellSize;
            for (int y = y0; y < std::min(y0 + v->height, base.height); ++y)
                for (int x = x0; x < std::min(x0 + v->width, base.width); ++x) {
                    const std::uint8_t* src =
                        &v->rgba[(static_cast<std::size_t>(y % v->height) * v->width + x % v->width) * 4];
                    std::uint8_t* dst = &base.rgba[(static_cast<std::size_t>(y) * base.width + x) * 4];
                    dst[0] = src[0];
                    dst[1] = src[1];
                    dst[2] = src[2];
                }
        }
}

int Terrain::boundaryRow(int sector) const
{
    for (int r = m_map.rows - 1; r >= 0; --r)
        if (cell(0, r) / 1000 == sector)
            return r;
    return -1;
}

void Terrain::blendTransition(DecodedImage& base, int boundary, int sectorCount, TerrainTexture& next,
                              NLib::Random& random) const
{
    if (boundary < 0)
        return;
    const int k = m_map.cellSize;
    const int tilesPerColumn = base.height / k;
    if (tilesPerColumn <= 0)
        return;
    for (int n = 0; n < m_map.columns; ++n) {
        const int t = cell(n, boundary) - 1000 * sectorCount;
        if (t < 0)
            continue;
        const DecodedImage* v = next.randomVariant(random);
        if (!v || v->empty())
            continue;
        // A tile number from the map may point far outside the picture.
        const long long column = t / tilesPerColumn;
        if (column * k >= base.width)
            continue;
        const int x0 = static_cast<int>(column) * k;
        const int y0 = (t % tilesPerColumn) * k;
        // Top row keeps the base picture; towards the bottom it turns into the next texture.
        for (int j = 0; j < v->height && y0 + j < base.height; ++j)
            for (int i = 0; i < v->width && x0 + i < base.width; ++i) {
                const int x = x0 + i;
                const int y = y0 + j;
                const std::uint8_t* src =
                    &v->rgba[(static_cast<std::size_t>(y % v->height) * v->width + x % v->width) * 4];
                std::uint8_t* dst = &base.rgba[(static_cast<std::size_t>(y) * base.width + x) * 4];
                for (int c = 0; c < 3; ++c)
                    dst[c] = static_cast<std::uint8_t>(dst[c] + (src[c] - dst[c]) * j / v->height);
            }
    }
}

void Terrain::load(const NLib::ResourceArchive& archive, const std::string& path, NLib::Random& random)
{
    Xml::CXmlNode root;
    NLib::loadRequiredXml(archive, path, root);

    if (const Xml::CXmlNode* data = root.findChild("data")) {
        const NLib::ByteBuffer map = archive.readFile(data->getText());
        if (!readMap(map.data(), map.size()))
            LOG_ERROR("map file %s of %s is missing or damaged", data->getText().c_str(), path.c_str());
    }

    std::map<std::string, TerrainTexture> textures;
    if (const Xml::CXmlNode* list = root.findChild("textures"))
        for (const Xml::CXmlNode* element : list->getChildren()) {
            TerrainTexture texture(archive, *element, random);
            const std::string name = texture.name();
            textures.insert_or_assign(name, std::move(texture));
        }

    std::vector<TerrainTexture> sectors;
    if (const Xml::CXmlNode* list = root.findChild("sectors"))
        for (const Xml::CXmlNode* element : list->getChildren())
            sectors.emplace_back(archive, *element, random);

    m_sectorGraphics.clear();
    m_opaqueTiles.clear();
    const int sectorCount = static_cast<int>(sectors.size());
    for (int i = 0; i < sectorCount; ++i) {
        DecodedImage* base = sectors[static_cast<std::size_t>(i)].variant(0);
        const auto own = textures.find(sectors[static_cast<std::size_t>(i)].name());
        if (!base || base->empty() || own == textures.end())
            continue;
        fillSector(*base, own->second, m_map.cellSize);
        if (i + 1 < sectorCount) {
            // A sector with no row of its own has nothing to hand over from: no graphic.
            const int boundary = boundaryRow(i);
            if (boundary < 0)
                continue;
            const auto next = textures.find(sectors[static_cast<std::size_t>(i + 1)].name());
            if (next != textures.end())
                blendTransition(*base, boundary, sectorCount, next->second, random);
        }
        m_opaqueTiles.push_back(opaqueTiles(*base, m_map.cellSize));
        m_sectorGraphics.push_back(graphicFromPixels(*base));
    }

    if (const Xml::CXmlNode* water = root.findChild("water")) {
        const std::string waterPath = water->getText();
        const NLib::ByteBuffer bytes = archive.readFile(waterPath);
        m_water = createGraphic();
        m_water->loadFromMemory(waterPath, bytes.data(), bytes.size(), true, true);
        m_water->setWrapMode(true);
        m_water->setFiltering(true);
    }

    // Scenery of our own, beyond what the tiles can show; a level without it plays the same.
    m_decor.reset();
    m_clouds.reset();
    if (const Xml::CXmlNode* decor = root.findChild("decor")) {
        m_decor = std::make_unique<TerrainDecor>();
        m_decor->load(archive, decor->getText(), decor->getString("atlas", ""));
        const std::string clouds = decor->getString("clouds", "");
        if (!clouds.empty()) {
            m_clouds = std::make_unique<CloudShadows>();
            m_clouds->load(archive, clouds);
        }
    }
}

void Terrain::update(float dt)
{
    if (m_clouds)
        m_clouds->update(dt);
}

int Terrain::tileAt(const Vector4& point) const
{
    if (m_map.cells.empty() || m_sectorGraphics.empty() || point.x < 0.0f || point.y < 0.0f)
        return -1;
    const int c = cell(static_cast<int>(point.x / static_cast<float>(m_map.cellSize)),
                       static_cast<int>(point.y / static_cast<float>(m_map.cellSize)));
    return c < 0 ? -1 : c % 1000;
}

bool Terrain::isWater(const Vector4& point) const
{
    const int tile = tileAt(point);
    return tile >= 1 && tile <= 6;
}

bool Terrain::hasTile(const Vector4& point) const
{
    return tileAt(point) >= 1;
}

bool Terrain::anyWater(const CollitionPoints& points) const
{
    return std::any_of(points.points().begin(), points.points().end(),
                       [this](const Vector4& p) { return isWater(p); });
}

bool Terrain::anyTile(const CollitionPoints& points) const
{
    return std::any_of(points.points().begin(), points.points().end(),
                       [this](const Vector4& p) { return hasTile(p); });
}

bool Terrain::isEndReached() const
{
    return m_position.y > static_cast<float>(m_map.rows * m_map.cellSize - 750);
}

void Terrain::draw()
{
    const float scroll = m_position.y;
    const float whole = std::floor(scroll);
    if (m_water && m_water->isLoaded()) {
        // Whole pixels, like the tiles: the water never shimmers against the banks, and the seams
        // between the repeated copies of the water picture stay invisible.
        const float h = m_water->getHeight();
        const float offset = std::fmod(whole, h);
        m_water->putImageRect(0.0f, 0.0f, kScreenWidth, h + kScreenHeight, 0.0f, offset - h);
    }
    if (m_map.cells.empty() || m_sectorGraphics.empty())
        return;
    drawCells(1);
    drawCells(2);
    drawCells(3);
    if (m_decor)
        m_decor->draw(scroll);
    // Cloud shadows are screen-sized soft overlays: free on a graphics card, whole milliseconds
    // for the software renderer, which keeps the light ground of old.
    const KWindow* window = KWindow::current();
    if (m_clouds && window && window->isAccelerated())
        m_clouds->draw(scroll);
}

std::vector<bool> Terrain::opaqueTiles(const DecodedImage& picture, int cellSize)
{
    const int perColumn = picture.height / cellSize;
    const int columns = picture.width / cellSize;
    std::vector<bool> opaque(static_cast<std::size_t>(std::max(0, perColumn * columns)), true);
    for (int y = 0; y < perColumn * cellSize; ++y)
        for (int x = 0; x < columns * cellSize; ++x)
            if (picture.rgba[(static_cast<std::size_t>(y) * picture.width + x) * 4 + 3] != 255)
                opaque[static_cast<std::size_t>((x / cellSize) * perColumn + y / cellSize)] = false;
    return opaque;
}

bool Terrain::isOpaqueTile(std::size_t sector, int tile) const
{
    return sector < m_opaqueTiles.size() && tile >= 0 &&
           static_cast<std::size_t>(tile) < m_opaqueTiles[sector].size() &&
           m_opaqueTiles[sector][static_cast<std::size_t>(tile)];
}

void Terrain::drawCells(int pass)
{
    const int k = m_map.cellSize;
    const int scroll = static_cast<int>(m_position.y);
    const int firstRow = std::max(0, scroll / k);
    const int lastRow = std::min(m_map.rows - 1, firstRow + kScreenHeight / k + 1);
    for (int r = firstRow; r <= lastRow; ++r) {
        const int y = scroll + kScreenHeight - k - r * k;
        if (y < -2 * k || y > kScreenHeight)
            continue;
        for (int column = 0; column < m_map.columns; ++column) {
            const int value = cell(column, r);
            const int tile = value % 1000;
            const int sector = value / 1000;
            if (value <= 0 || tile == 0 || sector >= static_cast<int>(m_sectorGraphics.size()))
                continue;
            const bool land = tile >= kFirstLand;
            if ((pass == 2) == land)
                continue;
            KGraphic* graphic = m_sectorGraphics[static_cast<std::size_t>(sector)].get();
            const int tilesPerColumn = static_cast<int>(graphic->getHeight()) / k;
            if (tilesPerColumn <= 0)
                continue;
            const float sx = static_cast<float>((tile / tilesPerColumn) * k);
            const float sy = static_cast<float>((tile % tilesPerColumn) * k);
            const float x = static_cast<float>(column * k);
            const float fy = static_cast<float>(y);
            const float size = static_cast<float>(k);
            if (pass == 1) {
                // Both shadows fall on this cell and its neighbours: when all three are solid land,
                // the land drawn afterwards hides them completely.
                auto solidLand = [&](int c) {
                    const int v = cell(c, r);
                    return v > 0 && v % 1000 >= kFirstLand &&
                           isOpaqueTile(static_cast<std::size_t>(v / 1000), v % 1000);
                };
                if (solidLand(column - 1) && solidLand(column) && solidLand(column + 1))
                    continue;
                graphic->setModulateColor(0.0f, 0.0f, 0.0f, 0.3f);
                graphic->blendImageRect(sx, sy, sx + size, sy + size, x + 5.0f, fy);
                graphic->blendImageRect(sx, sy, sx + size, sy + size, x - 5.0f, fy);
                graphic->setModulateColor(1.0f, 1.0f, 1.0f, 1.0f);
            } else if (pass == 2) {
                graphic->putImageRect(sx, sy, sx + size, sy + size, x, fy);
            } else if (isOpaqueTile(static_cast<std::size_t>(sector), tile)) {
                graphic->putImageRect(sx, sy, sx + size, sy + size, x, fy);
            } else {
                graphic->blendImageRect(sx, sy, sx + size, sy + size, x, fy);
            }
        }
    }
}

} // namespace NVolant
