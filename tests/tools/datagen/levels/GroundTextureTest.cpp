#include "levels/GroundTexture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

using namespace datagen::levels;

constexpr int kN = ground::kSize;
constexpr int kPool = 28;

int step(const Image& a, int ax, int ay, const Image& b, int bx, int by)
{
    int d = 0;
    for (int c = 0; c < 3; ++c)
        d += std::abs(a.at(ax, ay)[c] - b.at(bx, by)[c]);
    return d;
}

// Mean colour step between columns x and x + 1 of a picture, and rows likewise.
double columnStep(const Image& img, int x)
{
    double sum = 0;
    for (int y = 0; y < kN; ++y)
        sum += step(img, x, y, img, x + 1, y);
    return sum / kN;
}

double rowStep(const Image& img, int y)
{
    double sum = 0;
    for (int x = 0; x < kN; ++x)
        sum += step(img, x, y, img, x, y + 1);
    return sum / kN;
}

class GroundTexture : public testing::TestWithParam<Landscape> {};

// The game puts any two variants side by side in any direction: the step across their common
// edge must be no larger than the picture's own steps between neighbouring pixels.
TEST_P(GroundTexture, AnyTwoVariantsMeetWithoutASeam)
{
    std::vector<Image> pool;
    // Every step between neighbouring columns, and rows, inside the variants: grass, ripples
    // and strata are not the same across and down.
    std::vector<double> columns, rows;
    for (int v = 0; v < kPool; ++v) {
        pool.push_back(ground::variant(GetParam(), v));
        for (int i = 0; i + 1 < kN; ++i) {
            columns.push_back(columnStep(pool.back(), i));
            rows.push_back(rowStep(pool.back(), i));
        }
    }
    auto typical = [](std::vector<double>& steps) {
        std::sort(steps.begin(), steps.end());
        return steps[steps.size() * 99 / 100];
    };
    const double typicalAcross = typical(columns), typicalDown = typical(rows);
    double across = 0, down = 0;
    for (const Image& a : pool)
        for (const Image& b : pool) {
            double x = 0, y = 0;
            for (int i = 0; i < kN; ++i) {
                x += step(a, kN - 1, i, b, 0, i); // a left of b
                y += step(a, i, kN - 1, b, i, 0); // a above b
            }
            across = std::max(across, x / kN);
            down = std::max(down, y / kN);
        }
    EXPECT_LE(across, typicalAcross) << landscapeName(GetParam());
    EXPECT_LE(down, typicalDown) << landscapeName(GetParam());
}

// Each variant has its own detail, and the same bytes on every run.
TEST_P(GroundTexture, VariantsDifferInsideAndRepeatExactly)
{
    std::vector<Image> pool;
    for (int v = 0; v < kPool; ++v)
        pool.push_back(ground::variant(GetParam(), v));
    for (int a = 0; a < kPool; ++a)
        for (int b = a + 1; b < kPool; ++b) {
            double differ = 0;
            for (int y = 8; y < 24; ++y)
                for (int x = 8; x < 24; ++x)
                    differ += step(pool[static_cast<std::size_t>(a)], x, y, pool[static_cast<std::size_t>(b)], x, y);
            EXPECT_GT(differ / 256, 6) << landscapeName(GetParam()) << " variants " << a << " and " << b;
        }
    EXPECT_EQ(ground::variant(GetParam(), 5).rgba, pool[5].rgba);
}

INSTANTIATE_TEST_SUITE_P(EveryLandscape, GroundTexture,
                         testing::Values(Landscape::Grass, Landscape::Forest, Landscape::Autumn, Landscape::Scrub,
                                         Landscape::Desert, Landscape::Rock, Landscape::Snow, Landscape::Town),
                         [](const testing::TestParamInfo<Landscape>& info) {
                             return std::string(landscapeName(info.param));
                         });

} // namespace
