#include "world/DecorBaker.h"

#include <algorithm>
#include <cmath>

namespace NVolant {

DecorBaker::DecorBaker(const DecodedImage& atlas)
    : m_width(atlas.width), m_height(atlas.height),
      m_premultiplied(static_cast<std::size_t>(std::max(0, atlas.width * atlas.height)) * 4)
{
    for (std::size_t i = 0; i + 3 < m_premultiplied.size() && i + 3 < atlas.rgba.size(); i += 4) {
        const float a = static_cast<float>(atlas.rgba[i + 3]) / 255.0f;
        for (std::size_t c = 0; c < 3; ++c)
            m_premultiplied[i + c] = static_cast<float>(atlas.rgba[i + c]) / 255.0f * a;
        m_premultiplied[i + 3] = a;
    }
}

void DecorBaker::texel(const DecorPiece& piece, int x, int y, float out[4]) const
{
    if (x < 0 || y < 0 || x >= piece.width || y >= piece.height || piece.x + x >= m_width ||
        piece.y + y >= m_height) {
        out[0] = out[1] = out[2] = out[3] = 0.0f;
        return;
    }
    const float* p = &m_premultiplied[(static_cast<std::size_t>(piece.y + y) * static_cast<std::size_t>(m_width) +
                                       static_cast<std::size_t>(piece.x + x)) *
                                      4];
    std::copy(p, p + 4, out);
}

void DecorBaker::paint(const DecorProp& prop, const DecorPiece& piece, std::vector<float>& band, int width,
                       int height, float top) const
{
    const float w = static_cast<float>(piece.width);
    const float h = static_cast<float>(piece.height);
    // The prop's centre in the band (y down from the band's top edge).
    const float cx = prop.x;
    const float cy = top - prop.y;
    const float radians = prop.angle * 3.14159265f / 180.0f;
    const float cs = std::cos(radians);
    const float sn = std::sin(radians);
    const float reach = 0.5f * prop.scale * std::hypot(w, h) + 1.0f;
    const int x0 = std::max(0, static_cast<int>(std::floor(cx - reach)));
    const int x1 = std::min(width - 1, static_cast<int>(std::ceil(cx + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(cy - reach)));
    const int y1 = std::min(height - 1, static_cast<int>(std::ceil(cy + reach)));
    float tint[4];
    for (int c = 0; c < 4; ++c)
        tint[c] = static_cast<float>((prop.colour >> (8 * c)) & 0xFFu) / 255.0f;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            // Back from the screen into the piece: undo the turn (counter-clockwise on a y-down
            // screen), then the scale; u, v in piece pixels from its top-left corner.
            const float dx = static_cast<float>(x) + 0.5f - cx;
            const float dy = static_cast<float>(y) + 0.5f - cy;
            const float u = (dx * cs - dy * sn) / prop.scale + w / 2.0f - 0.5f;
            const float v = (dx * sn + dy * cs) / prop.scale + h / 2.0f - 0.5f;
            if (u <= -1.0f || v <= -1.0f || u >= w || v >= h)
                continue;
            const int iu = static_cast<int>(std::floor(u));
            const int iv = static_cast<int>(std::floor(v));
            const float fu = u - static_cast<float>(iu);
            const float fv = v - static_cast<float>(iv);
            float a[4], b[4], c[4], d[4];
            texel(piece, iu, iv, a);
            texel(piece, iu + 1, iv, b);
            texel(piece, iu, iv + 1, c);
            texel(piece, iu + 1, iv + 1, d);
            float src[4];
            for (int k = 0; k < 4; ++k)
                src[k] = ((a[k] * (1 - fu) + b[k] * fu) * (1 - fv) + (c[k] * (1 - fu) + d[k] * fu) * fv) * tint[k] *
                         (k < 3 ? tint[3] : 1.0f);
            if (src[3] <= 0.0f)
                continue;
            float* dst = &band[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                static_cast<std::size_t>(x)) *
                               4];
            for (int k = 0; k < 4; ++k)
                dst[k] = src[k] + dst[k] * (1.0f - src[3]);
        }
}

std::vector<std::uint8_t> DecorBaker::bake(const std::vector<const DecorProp*>& props,
                                           const std::vector<DecorPiece>& pieces, int width, int height,
                                           float top) const
{
    std::vector<float> band(static_cast<std::size_t>(std::max(0, width * height)) * 4, 0.0f);
    for (const DecorProp* prop : props)
        paint(*prop, pieces[static_cast<std::size_t>(prop->piece)], band, width, height, top);
    std::vector<std::uint8_t> rgba(band.size());
    for (std::size_t i = 0; i + 3 < band.size(); i += 4) {
        const float a = std::clamp(band[i + 3], 0.0f, 1.0f);
        for (std::size_t c = 0; c < 3; ++c)
            rgba[i + c] = a > 0.0f ? static_cast<std::uint8_t>(std::lround(std::clamp(band[i + c] / a, 0.0f, 1.0f) * 255.0f)) : 0;
        rgba[i + 3] = static_cast<std::uint8_t>(std::lround(a * 255.0f));
    }
    return rgba;
}

} // namespace NVolant
