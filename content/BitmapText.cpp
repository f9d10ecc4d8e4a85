#include "content/BitmapText.h"

#include "content/ResourceArchive.h"
#include "platform/ImageDecoder.h"
#include "platform/KGraphic.h"
#include "platform/Log.h"

#include <algorithm>

namespace NLib {

BitmapText::BitmapText(const ResourceArchive& archive, const std::string& path)
{
    const ByteBuffer file = archive.readFile(path);
    const DecodedImage decoded = decodeImage(path, file.data(), file.size());
    if (decoded.empty()) {
        LOG_ERROR("font image %s is missing or unreadable", path.c_str());
        return;
    }
    m_imageWidth = decoded.width;
    m_imageHeight = decoded.height;
    m_image = createGraphic();
    m_image->loadFromPixels(decoded.rgba.data(), m_imageWidth, m_imageHeight, 1);
    m_image->setFiltering(true);
    scan(decoded.rgba.data());
    if (!scanSucceeded())
        LOG_ERROR("font image %s holds %d glyphs instead of %d", path.c_str(), m_glyphsFound, kGlyphCount);
}

BitmapText::~BitmapText() = default;

bool BitmapText::rowHasInk(const std::uint8_t* rgba, int row) const
{
    const std::uint8_t* p = rgba + static_cast<std::size_t>(row) * static_cast<std::size_t>(m_imageWidth) * 4;
    for (int x = 0; x < m_imageWidth; ++x)
        if (p[x * 4 + 3] != 0)
            return true;
    return false;
}

bool BitmapText::columnHasInk(const std::uint8_t* rgba, int column, int top, int bottom) const
{
    for (int y = top; y <= bottom; ++y)
        if (rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(m_imageWidth) + column) * 4 + 3] !=
            0)
            return true;
    return false;
}

void BitmapText::scan(const std::uint8_t* rgba)
{
    const int lastRow = m_imageHeight - 1;
    const int lastColumn = m_imageWidth - 1;
    int row = 0;
    m_glyphsFound = 0;
    while (row <= lastRow) {
        // The next line of glyphs: its top and bottom rows.
        int top = row;
        while (top <= lastRow && !rowHasInk(rgba, top))
            ++top;
        if (top > lastRow || top == lastRow)
            break;
        int bottom = top;
        while (bottom + 1 <= lastRow && rowHasInk(rgba, bottom + 1))
            ++bottom;
        m_lineHeight = static_cast<float>(bottom - top);

        // Ink blobs from left to right; the first is the line's mark.
        auto nextBlob = [&](int from, int& left, int& right) {
            left = from;
            while (left < lastColumn && !columnHasInk(rgba, left, top, bottom))
                ++left;
            right = left;
            while (right + 1 <= lastColumn && columnHasInk(rgba, right + 1, top, bottom))
                ++right;
        };
        int left = 0;
        int right = 0;
        nextBlob(0, left, right);
        while (right + 1 <= lastColumn) {
            nextBlob(right + 1, left, right);
            if (left >= lastColumn)
                break;
            if (m_glyphsFound < kGlyphCount) {
                Glyph& g = m_glyphs[static_cast<std::size_t>(m_glyphsFound)];
                g.left = static_cast<float>(left - 1);
                g.right = static_cast<float>(right + 1);
                g.lineTop = static_cast<float>(top);
                g.lineBottom = static_cast<float>(bottom);
            }
            ++m_glyphsFound;
        }
        row = bottom + 1;
    }
    m_glyphsFound = std::min(m_glyphsFound, kGlyphCount + 1);
}

void BitmapText::drawText(const std::string& text, float size, float x, float y, float, float r, float g,
                          float b, float a, bool mirror, bool monospace) const
{
    if (!m_image || m_lineHeight <= 0.0f)
        return;
    m_image->setModulateColor(r, g, b, a);
    const float zoom = size / m_lineHeight;
    const Glyph& glyphA = m_glyphs['A' - 33];
    const float em = zoom * (glyphA.right - glyphA.left);
    const float spacing = em / 10.0f;

    float penX = x;
    float penY = y;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto ch = static_cast<unsigned char>(text[i]);
        if (ch == ' ') {
            penX += em;
        } else if (ch == '\t') {
            penX += static_cast<float>((i / 6 + 1) * 6 - i) * em;
        } else if (ch == '\n') {
            penY += size;
            penX = x + spacing;
        } else if (ch >= 33 && ch <= 126) {
            const Glyph& gl = m_glyphs[ch - 33];
            // Decoded rows run from the top, so an upright glyph needs no flip.
            m_image->blendImageRectEx(gl.left, gl.lineTop, gl.right, gl.lineBottom, penX, penY, 0.0f, zoom,
                                      1.0f, false, mirror, 0.0f, 0.0f);
            penX += monospace ? em : zoom * (gl.right - gl.left);
            penX += spacing;
        }
    }
}

float BitmapText::measureText(const std::string& text, float size) const
{
    if (m_lineHeight <= 0.0f)
        return 0.0f;
    const float zoom = size / m_lineHeight;
    const Glyph& glyphA = m_glyphs['A' - 33];
    const float em = zoom * (glyphA.right - glyphA.left);
    const float spacing = em / 10.0f;
    float width = 0.0f;
    float widest = 0.0f;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto ch = static_cast<unsigned char>(text[i]);
        if (ch == ' ') {
            width += em;
        } else if (ch == '\t') {
            width += static_cast<float>((i / 6 + 1) * 6 - i) * em;
        } else if (ch == '\n') {
            widest = std::max(widest, width);
            width = spacing;
        } else if (ch >= 33 && ch <= 126) {
            const Glyph& gl = m_glyphs[ch - 33];
            width += zoom * (gl.right - gl.left) + spacing;
        }
    }
    return std::max(widest, width);
}

float BitmapText::textHeight(const std::string& text, float size) const
{
    return size * static_cast<float>(1 + std::count(text.begin(), text.end(), '\n'));
}

} // namespace NLib
