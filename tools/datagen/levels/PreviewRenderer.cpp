#include "levels/PreviewRenderer.h"

#include "levels/DecorArt.h"
#include "levels/Placement.h"
#include "levels/TileSet.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace datagen::levels {

namespace {

constexpr int kStrip = 6000; // one minute of flight per strip
constexpr int kGap = 40;
constexpr int kWidth = 800;

void blend(std::uint8_t* d, const std::uint8_t* s, float a)
{
    for (int c = 0; c < 3; ++c)
        d[c] = static_cast<std::uint8_t>(std::lround(d[c] + (s[c] - d[c]) * a));
}

// A premultiplied cairo surface of one atlas piece with every pixel multiplied by a colour.
cairo_surface_t* tintedPiece(const Image& atlas, const NVolant::DecorPiece& r, std::uint32_t colour)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, r.width, r.height);
    cairo_surface_flush(s);
    unsigned char* pix = cairo_image_surface_get_data(s);
    const int st = cairo_image_surface_get_stride(s);
    const std::uint32_t k[4] = {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF, colour >> 24};
    for (int y = 0; y < r.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(pix + static_cast<std::size_t>(y) * st);
        for (int x = 0; x < r.width; ++x) {
            const int ax = r.x + x, ay = r.y + y;
            if (ax < 0 || ay < 0 || ax >= atlas.width || ay >= atlas.height) {
                row[x] = 0;
                continue;
            }
            const std::uint8_t* p = atlas.at(ax, ay);
            const std::uint32_t a = p[3] * k[3] / 255;
            const std::uint32_t c0 = p[0] * k[0] / 255 * a / 255, c1 = p[1] * k[1] / 255 * a / 255,
                                c2 = p[2] * k[2] / 255 * a / 255;
            row[x] = (a << 24) | (c0 << 16) | (c1 << 8) | c2;
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

// The decor as the game draws it: layer by layer, within a layer from the top of the level
// down, each piece centred on its place, scaled and turned about its centre, smoothed.
void drawDecor(cairo_t* cr, const NVolant::Decor& decor, int strips)
{
    if (decor.props.empty())
        return;
    const Image atlas = decor_art::atlas();
    std::vector<const NVolant::DecorProp*> order;
    for (const auto& p : decor.props)
        if (NVolant::DecorFile::usable(p, decor.pieces))
            order.push_back(&p);
    std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
        return a->layer != b->layer ? a->layer < b->layer : a->y > b->y;
    });
    std::map<std::pair<int, std::uint32_t>, cairo_surface_t*> cache;
    for (const NVolant::DecorProp* p : order) {
        const NVolant::DecorPiece& r = decor.pieces[static_cast<std::size_t>(p->piece)];
        cairo_surface_t*& surface = cache[{p->piece, p->colour}];
        if (!surface)
            surface = tintedPiece(atlas, r, p->colour);
        const double reach = 0.75 * std::hypot(r.width, r.height) * p->scale;
        for (int s = 0; s < strips; ++s) {
            const double lo = static_cast<double>(s) * kStrip, hi = lo + kStrip;
            if (p->y + reach < lo || p->y - reach > hi)
                continue;
            const double x0 = kGap + s * (kWidth + kGap);
            cairo_save(cr);
            cairo_rectangle(cr, x0, 40, kWidth, kStrip);
            cairo_clip(cr);
            cairo_translate(cr, x0 + p->x, 40 + (kStrip - 1) - (p->y - lo));
            cairo_rotate(cr, -p->angle * 3.14159265358979 / 180);
            cairo_scale(cr, p->scale, p->scale);
            cairo_set_source_surface(cr, surface, -r.width / 2.0, -r.height / 2.0);
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
            cairo_paint(cr);
            cairo_restore(cr);
        }
    }
    for (auto& [key, surface] : cache)
        cairo_surface_destroy(surface);
}

} // namespace

Image renderTerrain(const LevelData& level, const ComposedTerrain& terrain)
{
    const TileMap& map = level.map;
    const int k = map.cellSize, total = map.rows * k;
    Image out(kWidth, total);
    // Water: at world height y the game shows row (600 - y) mod H of the image, whatever the
    // scroll, so the water is fixed to the ground.
    const Image& w = terrain.water;
    for (int y = 0; y < total; ++y) {
        const int worldY = total - y;
        for (int x = 0; x < kWidth; ++x) {
            std::uint8_t* d = out.at(x, y);
            if (w.width > 0) {
                const int wy = (((600 - worldY) % w.height) + w.height) % w.height;
                const std::uint8_t* s = w.at(x % w.width, wy);
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
            }
            d[3] = 255;
        }
    }
    if (terrain.graphics.empty())
        return out;
    static const std::uint8_t black[3] = {0, 0, 0};
    for (int pass = 1; pass <= 3; ++pass) {
        for (int r = 0; r < map.rows; ++r) {
            const int top = total - (r + 1) * k;
            for (int c = 0; c < map.columns; ++c) {
                const int v = map.at(c, r);
                const int tile = v < 0 ? 0 : v % 1000, sector = v < 0 ? 0 : v / 1000;
                if (tile == 0 || sector >= static_cast<int>(terrain.graphics.size()))
                    continue;
                const Image& g = terrain.graphics[static_cast<std::size_t>(sector)];
                const int rows = g.height / k;
                const int sx = (tile / rows) * k, sy = (tile % rows) * k;
                if (sx + k > g.width)
                    continue;
                const bool land = tile > 10;
                if ((pass == 1 || pass == 3) && !land)
                    continue;
                if (pass == 2 && land)
                    continue;
                for (int y = 0; y < k; ++y) {
                    for (int x = 0; x < k; ++x) {
                        const std::uint8_t* s = g.at(sx + x, sy + y);
                        if (pass == 1) {
                            for (int off : {5, -5}) {
                                const int dx = c * k + x + off;
                                if (dx >= 0 && dx < kWidth)
                                    blend(out.at(dx, top + y), black,
                                          0.3f * static_cast<float>(s[3]) / 255.0f);
                            }
                        } else if (pass == 2) {
                            std::uint8_t* d = out.at(c * k + x, top + y);
                            d[0] = s[0];
                            d[1] = s[1];
                            d[2] = s[2];
                        } else {
                            blend(out.at(c * k + x, top + y), s, static_cast<float>(s[3]) / 255.0f);
                        }
                    }
                }
            }
        }
    }
    return out;
}

Image renderPreview(const LevelData& level, const ComposedTerrain& terrain, const UnitCatalog& catalog,
                    SpriteBook* sprites)
{
    const Image ground = renderTerrain(level, terrain);
    const int total = ground.height;
    const int strips = (total + kStrip - 1) / kStrip;
    const int width = strips * (kWidth + kGap) + kGap, height = kStrip + 60;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.14);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);

    // Terrain pixels straight into the surface, strip by strip.
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int s = 0; s < strips; ++s) {
        const int x0 = kGap + s * (kWidth + kGap);
        for (int y = 0; y < kStrip; ++y) {
            const int worldY = s * kStrip + (kStrip - 1 - y);
            if (worldY >= total)
                continue;
            const int gy = total - 1 - worldY;
            auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y + 40) * stride);
            for (int x = 0; x < kWidth; ++x) {
                const std::uint8_t* p = ground.at(x, gy);
                row[x0 + x] = 0xFF000000u | (static_cast<std::uint32_t>(p[0]) << 16) |
                              (static_cast<std::uint32_t>(p[1]) << 8) | p[2];
            }
        }
    }
    cairo_surface_mark_dirty(surface);
    drawDecor(cr, level.decor, strips);

    // World point to picture point; false when it lies in no strip.
    auto place = [&](float wx, float wy, double& px, double& py) {
        const int s = static_cast<int>(std::floor(wy / kStrip));
        if (s < 0 || s >= strips)
            return false;
        px = kGap + s * (kWidth + kGap) + wx;
        py = 40 + (kStrip - 1) - (wy - static_cast<float>(s * kStrip));
        return true;
    };
    auto label = [&](double x, double y, const std::string& text, double size, double r, double g, double b) {
        cairo_set_font_size(cr, size);
        cairo_move_to(cr, x + 1, y + 1);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_show_text(cr, text.c_str());
        cairo_move_to(cr, x, y);
        cairo_set_source_rgb(cr, r, g, b);
        cairo_show_text(cr, text.c_str());
    };

    // Time scale: a tick every 10 s of flight (the plane starts at height 100).
    char buf[64];
    for (int t = 0; t * 1000 < total; t += 10) {
        double px, py;
        if (!place(2, static_cast<float>(t * 1000), px, py))
            continue;
        cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
        cairo_rectangle(cr, px - 2, py, 14, 2);
        cairo_fill(cr);
        std::snprintf(buf, sizeof buf, "%ds", t);
        label(px + 14, py + 5, buf, 13, 1, 1, 1);
    }
    {
        double px, py;
        if (place(0, level.endScroll() + 600, px, py)) {
            cairo_set_source_rgba(cr, 1, 0.2, 0.2, 0.9);
            cairo_rectangle(cr, px, py - 1, kWidth, 3);
            cairo_fill(cr);
            label(px + 300, py - 6, "end of level", 14, 1, 0.4, 0.4);
        }
    }
    for (const Note& n : level.notes) {
        double px, py;
        if (place(800, n.y, px, py))
            label(px - 8 - 7.0 * static_cast<double>(n.text.size()), py, n.text, 12, 1, 1, 0.6);
    }

    // The units' own sprites first, in the game's drawing order, air units with their shadows.
    auto paint = [&](const Image* img, double cx, double cy, bool shadow) {
        if (!img)
            return;
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, img->width, img->height);
        cairo_surface_flush(s);
        unsigned char* pix = cairo_image_surface_get_data(s);
        const int st = cairo_image_surface_get_stride(s);
        for (int y = 0; y < img->height; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(pix + static_cast<std::size_t>(y) * st);
            for (int x = 0; x < img->width; ++x) {
                const std::uint8_t* p = img->at(x, y);
                const std::uint32_t a = p[3];
                row[x] = (a << 24) | ((p[0] * a / 255) << 16) | ((p[1] * a / 255) << 8) | (p[2] * a / 255);
            }
        }
        cairo_surface_mark_dirty(s);
        const double x0 = cx - img->width / 2.0, y0 = cy - img->height / 2.0;
        if (shadow) {
            cairo_set_source_rgba(cr, 0, 0, 0, 0.23);
            cairo_mask_surface(cr, s, x0 + 8, y0 + 8);
        }
        cairo_set_source_surface(cr, s, x0, y0);
        cairo_paint(cr);
        cairo_surface_destroy(s);
    };
    if (sprites) {
        for (int window : {0, 500, 400, 100, 300, 200}) {
            for (const EnemyRecord& e : level.enemies) {
                if (e.type < window || e.type >= window + 20)
                    continue;
                double px, py;
                if (!place(e.position.x, e.position.y, px, py))
                    continue;
                const EnemyKind kind = enemyKindOf(e.type);
                const int group = kind == EnemyKind::Plane && e.group == 0              ? 4
                                  : kind == EnemyKind::Building || kind == EnemyKind::Bridge ? 0
                                                                                   : e.group;
                paint(sprites->frame(spriteOfType(e.type), group), px, py,
                      kind == EnemyKind::Helic || kind == EnemyKind::Plane);
                if (kind == EnemyKind::Bridge) {
                    const Image* road = sprites->frame("dat/bridge/road.xml", 0);
                    const Image* bridge = sprites->frame(spriteOfType(e.type), 0);
                    if (road && bridge) {
                        for (double x = e.position.x - bridge->width / 2.0 - road->width / 2.0; x > 0;
                             x -= road->width)
                            paint(road, px - e.position.x + x, py, false);
                        for (double x = e.position.x + bridge->width / 2.0 + road->width / 2.0; x < 800;
                             x += road->width)
                            paint(road, px - e.position.x + x, py, false);
                    }
                }
            }
        }
        for (const BonusRecord& b : level.bonuses) {
            double px, py;
            if (place(b.position.x, b.position.y, px, py))
                paint(sprites->frame(spriteOfBonus(b.kind), 0), px, py, true);
        }
    }

    cairo_set_line_width(cr, sprites ? 1.2 : 2);
    for (const EnemyRecord& e : level.enemies) {
        double px, py;
        const EnemyKind kind = enemyKindOf(e.type);
        const UnitShape& s = catalog.shapeOf(e.type);
        if (!place(e.position.x, e.position.y, px, py))
            continue;
        const Point dir = placement::directionOfGroup(kind == EnemyKind::Plane && e.group == 0 ? 4 : e.group);
        const double r = std::max(8.0, std::min(s.frameWidth, s.frameHeight) / 2.0);
        switch (kind) {
        case EnemyKind::Boat:
        case EnemyKind::Helic: {
            const auto pts = placement::placedPoints(s, e.group, e.position.x, e.position.y);
            if (kind == EnemyKind::Boat)
                cairo_set_source_rgb(cr, 0.3, 0.7, 1);
            else
                cairo_set_source_rgb(cr, 1, 0.6, 0.1);
            if (pts.size() >= 3) {
                for (std::size_t i = 0; i < pts.size(); ++i) {
                    // Relative to the unit, so that an outline never spans two strips.
                    const double qx = px + (pts[i].x - e.position.x), qy = py - (pts[i].y - e.position.y);
                    if (i == 0)
                        cairo_move_to(cr, qx, qy);
                    else
                        cairo_line_to(cr, qx, qy);
                }
                cairo_close_path(cr);
                cairo_stroke(cr);
            } else {
                cairo_arc(cr, px, py, r, 0, 6.2832);
                cairo_stroke(cr);
            }
            if (kind == EnemyKind::Helic) {
                cairo_arc(cr, px, py, r, 0, 6.2832);
                cairo_stroke(cr);
            }
            break;
        }
        case EnemyKind::Plane:
            cairo_set_source_rgb(cr, 1, 0.25, 0.25);
            cairo_move_to(cr, px + dir.x * r, py - dir.y * r);
            cairo_line_to(cr, px - dir.x * r - dir.y * r * 0.7, py + dir.y * r - dir.x * r * 0.7);
            cairo_line_to(cr, px - dir.x * r + dir.y * r * 0.7, py + dir.y * r + dir.x * r * 0.7);
            cairo_close_path(cr);
            cairo_stroke(cr);
            break;
        case EnemyKind::Tank:
            if (s.flak != 0)
                cairo_set_source_rgb(cr, 1, 0.3, 1);
            else
                cairo_set_source_rgb(cr, 0.9, 0.15, 0.1);
            cairo_rectangle(cr, px - r * 0.8, py - r * 0.8, r * 1.6, r * 1.6);
            cairo_stroke(cr);
            break;
        case EnemyKind::Building: {
            const Point h = placement::groundHalfExtents(s);
            cairo_set_source_rgb(cr, 0.95, 0.85, 0.5);
            cairo_rectangle(cr, px - h.x, py - h.y, 2 * h.x, 2 * h.y);
            cairo_stroke(cr);
            break;
        }
        case EnemyKind::Bridge: {
            const UnitShape& b = catalog.bridge;
            cairo_set_source_rgba(cr, 0.55, 0.5, 0.45, 0.8);
            cairo_rectangle(cr, px - e.position.x, py - catalog.road.frameHeight / 4, 800,
                            catalog.road.frameHeight / 2);
            cairo_fill(cr);
            cairo_set_source_rgb(cr, 1, 0.9, 0.2);
            cairo_rectangle(cr, px - b.frameWidth / 2, py - b.frameHeight / 2, b.frameWidth, b.frameHeight);
            cairo_stroke(cr);
            break;
        }
        default:
            break;
        }
        if (kind != EnemyKind::Bridge && kind != EnemyKind::Building) {
            // Heading, and a dot when the unit fires.
            cairo_move_to(cr, px, py);
            cairo_line_to(cr, px + dir.x * (r + 10), py - dir.y * (r + 10));
            cairo_stroke(cr);
            if (e.weaponRange > 0) {
                cairo_arc(cr, px, py, 4, 0, 6.2832);
                cairo_fill(cr);
            }
        }
    }
    static const char* kBonusNames[11] = {"",      "ALL", "DMG", "2xGUN", "2xMSL", "STEALTH",
                                          "4xMSL", "AIM", "REP", "REP+",  "HULL"};
    for (const BonusRecord& b : level.bonuses) {
        double px, py;
        if (!place(b.position.x, b.position.y, px, py))
            continue;
        cairo_set_source_rgb(cr, 0.2, 1, 0.4);
        cairo_move_to(cr, px, py - 14);
        cairo_line_to(cr, px + 14, py);
        cairo_line_to(cr, px, py + 14);
        cairo_line_to(cr, px - 14, py);
        cairo_close_path(cr);
        cairo_stroke(cr);
        label(px + 17, py + 5, b.kind >= 1 && b.kind <= 10 ? kBonusNames[b.kind] : "?", 12, 0.4, 1, 0.5);
    }
    std::snprintf(buf, sizeof buf, "Level %d  -  %d s, %zu enemies, %zu bonuses, %zu bridges", level.number,
                  level.plan.seconds, level.enemies.size(), level.bonuses.size(), level.bridges.size());
    label(kGap, 26, buf, 20, 1, 1, 1);

    cairo_surface_flush(surface);
    Image out(width, height);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = out.at(x, y);
            p[0] = static_cast<std::uint8_t>(row[x] >> 16);
            p[1] = static_cast<std::uint8_t>(row[x] >> 8);
            p[2] = static_cast<std::uint8_t>(row[x]);
            p[3] = 255;
        }
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return out;
}

} // namespace datagen::levels
