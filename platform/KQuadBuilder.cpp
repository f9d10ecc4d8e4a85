#include "platform/KQuadBuilder.h"

#include "platform/Angles.h"
#include <cmath>

namespace {

struct Span {
    float local0, local1; // along the destination
    float tex0, tex1;     // texture coordinate at local0 and at local1, in pixels
};

// Pieces of the source interval [s1, s2] of length `size` and where they go, so that a wrapped
// image repeats. Without wrap the interval is one piece.
void spans(float s1, float s2, float size, bool flip, bool wrap, std::vector<Span>& out)
{
    out.clear();
    const float length = s2 - s1;
    auto place = [&](float a, float b, float ta, float tb) {
        if (flip)
            out.push_back({s2 - b, s2 - a, tb, ta});
        else
            out.push_back({a - s1, b - s1, ta, tb});
    };
    if (!wrap || size <= 0 || (s1 >= 0 && s2 <= size)) {
        place(s1, s2, s1, s2);
        return;
    }
    // Absurd rectangles would make millions of tiles; past this many one piece is drawn clamped.
    constexpr float kMaxTiles = 4096;
    if (length / size > kMaxTiles) {
        place(s1, s2, s1, s2);
        return;
    }
    float a = s1;
    while (a < s2) {
        const float tile = std::floor(a / size);
        const float end = std::fmin((tile + 1) * size, s2);
        const float ta = a - tile * size;
        place(a, end, ta, ta + (end - a));
        if (end <= a)
            break;
        a = end;
    }
}

} // namespace

KAffine KAffine::after(const KAffine& first) const
{
    KAffine r;
    r.a = a * first.a + b * first.c;
    r.b = a * first.b + b * first.d;
    r.c = c * first.a + d * first.c;
    r.d = c * first.b + d * first.d;
    r.tx = a * first.tx + b * first.ty + tx;
    r.ty = c * first.tx + d * first.ty + ty;
    return r;
}

bool KQuadBuilder::add(const KQuadSpec& quad)
{
    if (!(quad.x2 > quad.x1) || !(quad.y2 > quad.y1) || quad.imageWidth <= 0 || quad.imageHeight <= 0)
        return false;
    thread_local std::vector<Span> columns, rows;
    spans(quad.x1, quad.x2, quad.imageWidth, quad.flipX, quad.wrap, columns);
    spans(quad.y1, quad.y2, quad.imageHeight, quad.flipY, quad.wrap, rows);
    const float iw = 1.0f / quad.imageWidth;
    const float ih = 1.0f / quad.imageHeight;
    for (const Span& row : rows)
        for (const Span& column : columns) {
            const int base = static_cast<int>(m_vertices.size());
            auto corner = [&](float u, float v, float s, float t) {
                m_vertices.push_back({quad.toScreen.apply(u, v), quad.colour, {s * iw, t * ih}});
            };
            corner(column.local0, row.local0, column.tex0, row.tex0);
            corner(column.local1, row.local0, column.tex1, row.tex0);
            corner(column.local1, row.local1, column.tex1, row.tex1);
            corner(column.local0, row.local1, column.tex0, row.tex1);
            for (int i : {0, 1, 2, 0, 2, 3})
                m_indices.push_back(base + i);
        }
    return true;
}

void KQuadBuilder::clear()
{
    m_vertices.clear();
    m_indices.clear();
}

bool KQuadBuilder::draw(SDL_Renderer* renderer, SDL_Texture* texture) const
{
    if (!renderer || m_indices.empty())
        return false;
    KRenderContext::get().countDrawCall();
    return SDL_RenderGeometry(renderer, texture, m_vertices.data(), static_cast<int>(m_vertices.size()),
                              m_indices.data(), static_cast<int>(m_indices.size())) == 0;
}

KAffine transformedBlit(float w, float h, float destX, float destY, float angle, float zoom, float pivotX,
                        float pivotY)
{
    const float radians = degToRad(angle);
    const float cs = std::cos(radians);
    const float sn = std::sin(radians);
    const float px = destX + w / 2 + pivotX;
    const float py = destY + h / 2 + pivotY;
    // Counter-clockwise on a y-down screen: (x, y) -> (x cos + y sin, -x sin + y cos) about the pivot.
    KAffine r;
    r.a = zoom * cs;
    r.b = zoom * sn;
    r.c = -zoom * sn;
    r.d = zoom * cs;
    const float ox = destX - px;
    const float oy = destY - py;
    r.tx = px + ox * cs + oy * sn;
    r.ty = py - ox * sn + oy * cs;
    return r;
}
