#include "art/ArtParts.h"
#include "art/Draw.h"
#include "art/Params.h"

#include <cmath>

namespace datagen::art {

namespace {

constexpr int kBridgeW = 256, kBridgeH = 88;
constexpr int kRoadW = 64, kRoadH = 88;
constexpr double kDeck = 40; // deck and road width (screen height of the band)

const Rgb kAsphalt{0.30, 0.30, 0.31};
const Rgb kConcrete{0.66, 0.64, 0.60};

void roadBand(cairo_t* cr, double x0, double x1, bool dashes)
{
    cairo_rectangle(cr, x0, -kDeck / 2, x1 - x0, kDeck);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -kDeck / 2, 0, kDeck / 2);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.36, 0.36, 0.37);
    cairo_pattern_add_color_stop_rgb(p, 0.5, kAsphalt.r, kAsphalt.g, kAsphalt.b);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.24, 0.24, 0.25);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    if (dashes)
        for (double x = x0 + 6; x < x1 - 4; x += 32) {
            cairo_rectangle(cr, x, -1.2, 16, 2.4);
            setColor(cr, {0.95, 0.88, 0.5}, 0.9);
            cairo_fill(cr);
        }
    for (double y : {-kDeck / 2 + 3, kDeck / 2 - 3}) {
        cairo_move_to(cr, x0, y);
        cairo_line_to(cr, x1, y);
        strokeLine(cr, {0.85, 0.85, 0.82}, 0.7, 1.2);
    }
}

void paintBridge(cairo_t* cr, bool broken)
{
    const double half = kBridgeW / 2.0;
    // piers standing in the water below the deck
    for (double x : {-half * 0.55, 0.0, half * 0.55}) {
        if (broken && std::fabs(x) < 1)
            continue;
        roundedRect(cr, x - 7, -kDeck / 2 - 10, 14, kDeck + 20, 5);
        fillLit(cr, shade(kConcrete, 0.8), 0.3);
        strokeLine(cr, pal::black, 0.4, 1);
        ellipse(cr, x, kDeck / 2 + 12, 9, 3);
        setColor(cr, pal::white, 0.35);
        cairo_fill(cr);
    }
    // abutments where the bridge meets the banks
    for (double s : {-1.0, 1.0}) {
        cairo_rectangle(cr, s > 0 ? half - 16 : -half, -kDeck / 2 - 8, 16, kDeck + 16);
        fillLit(cr, kConcrete, 0.3);
        strokeLine(cr, pal::black, 0.35, 1);
    }
    auto span = [&](double x0, double x1) {
        cairo_rectangle(cr, x0, -kDeck / 2 - 4, x1 - x0, kDeck + 8);
        fillLit(cr, kConcrete, 0.25);
        strokeLine(cr, pal::black, 0.4, 1);
        roadBand(cr, x0, x1, true);
        // railings with posts
        for (double y : {-kDeck / 2 - 2.5, kDeck / 2 + 2.5}) {
            cairo_move_to(cr, x0, y);
            cairo_line_to(cr, x1, y);
            strokeLine(cr, {0.55, 0.2, 0.15}, 1, 2);
            for (double x = x0 + 4; x < x1; x += 10) {
                ellipse(cr, x, y, 1.4, 1.4);
                setColor(cr, {0.35, 0.12, 0.1});
                cairo_fill(cr);
            }
        }
    };
    if (!broken) {
        span(-half + 4, half - 4);
        return;
    }
    // the middle span is gone: jagged ends, twisted beams, scorch marks and debris in the water
    span(-half + 4, -half * 0.3);
    span(half * 0.3, half - 4);
    Rng rng(99);
    for (double s : {-1.0, 1.0}) {
        cairo_move_to(cr, s * half * 0.3, -kDeck / 2 - 6);
        for (double y = -kDeck / 2 - 6; y <= kDeck / 2 + 6; y += 6)
            cairo_line_to(cr, s * (half * 0.3 - rng.range(0, 9)), y);
        cairo_line_to(cr, s * (half * 0.3 + 3), kDeck / 2 + 6);
        cairo_line_to(cr, s * (half * 0.3 + 3), -kDeck / 2 - 6);
        cairo_close_path(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        cairo_pattern_t* p = cairo_pattern_create_radial(s * half * 0.3, 0, 2, s * half * 0.3, 0, 34);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.05, 0.04, 0.03, 0.85);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.05, 0.04, 0.03, 0);
        cairo_set_source(cr, p);
        cairo_rectangle(cr, s > 0 ? half * 0.3 : -half * 0.3 - 34, -kDeck / 2 - 6, 34, kDeck + 12);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, s * half * 0.3, -kDeck / 2 + 6 + i * 12);
            cairo_line_to(cr, s * (half * 0.3 - rng.range(10, 20)),
                          -kDeck / 2 + 2 + i * 14 + rng.range(-3, 3));
            strokeLine(cr, {0.25, 0.2, 0.18}, 1, 2);
        }
    }
    for (int i = 0; i < 7; ++i) {
        const double x = rng.range(-half * 0.22, half * 0.22), y = rng.range(-kDeck / 2, kDeck / 2);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, rng.range(0, kPi));
        const double w = rng.range(6, 14), h = rng.range(4, 8);
        cairo_rectangle(cr, -w / 2, -h / 2, w, h);
        fillLit(cr, shade(kConcrete, 0.7), 0.3);
        strokeLine(cr, pal::black, 0.5, 0.8);
        cairo_restore(cr);
        ellipse(cr, x + 2, y + 5, w * 0.6, 2);
        setColor(cr, pal::white, 0.3);
        cairo_fill(cr);
    }
}

void paintRoad(cairo_t* cr)
{
    const double half = kRoadW / 2.0;
    // gravel shoulders fading into the bank, then the asphalt band
    cairo_rectangle(cr, -half, -kDeck / 2 - 8, kRoadW, kDeck + 16);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -kDeck / 2 - 8, 0, kDeck / 2 + 8);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.55, 0.5, 0.4, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 0.18, 0.58, 0.53, 0.42, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 0.82, 0.5, 0.46, 0.36, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.45, 0.4, 0.3, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    roadBand(cr, -half, half, true);
}

} // namespace

void generateBridge(const DataTree& tree, SpriteBook* book)
{
    writeStripSprite(tree, book, "dat/bridge/bridge.xml", "dat/bridge/bridge.png", kBridgeW, kBridgeH, 1, 2,
                     0, [](cairo_t* cr, int, int g) {
                         paintBridge(cr, g == 1);
                         lightPass(cr, -kBridgeW / 2.0, -kBridgeH / 2.0, kBridgeW, kBridgeH, 0.4);
                     });
    writeStripSprite(tree, book, "dat/bridge/road.xml", "dat/bridge/road.png", kRoadW, kRoadH, 1, 1, 0,
                     [](cairo_t* cr, int, int) { paintRoad(cr); });
    constexpr int kFrames = 16;
    // The game asks for "bridgeExplode.xml"; names are looked up in lower case, in the pack and on disk.
    writeFramedSprite(tree, book, "dat/bridge/bridgeexplode.xml", "dat/bridge/explode", 256, 160, kFrames, 1,
                      16, [](cairo_t* cr, int f, int) {
                          const double t = (f + 0.5) / kFrames;
                          const double offsets[4] = {0.0, -70.0, 68.0, -28.0};
                          for (int k = 0; k < 4; ++k) {
                              const double start = k * 0.08;
                              const double u = (t - start) / (1 - start);
                              if (u <= 0)
                                  continue;
                              cairo_save(cr);
                              cairo_translate(cr, offsets[k], (k % 2) * 8 - 4);
                              paintExplosion(cr, u, k == 0 ? 62 : 44, 200 + k * 13, k == 0);
                              cairo_restore(cr);
                          }
                      });
    // The bridge is the level's checkpoint: tough enough to take a missile and a burst.
    ParamFile params;
    std::vector<Circle> circles;
    for (double x = -108; x <= 108.1; x += 24)
        circles.push_back({x, 0, 20});
    params.circles(circles);
    params.value("hull", 250);
    params.write(tree, "dat/bridge/params.xml");
}

} // namespace datagen::art
