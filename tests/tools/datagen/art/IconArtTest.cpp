#include "ArtTree.h"

#include <gtest/gtest.h>

#include <string>

using namespace arttest;

namespace {

struct Rgb8 {
    int r, g, b;
};

Rgb8 colourAt(const Picture& p, int x, int y)
{
    const unsigned v = p.argb[static_cast<std::size_t>(y) * p.width + x];
    return {static_cast<int>((v >> 16) & 255), static_cast<int>((v >> 8) & 255), static_cast<int>(v & 255)};
}

} // namespace

TEST(IconArt, EverySizeIsABadgeWithThePlaneOverTheRiver)
{
    for (int size : {32, 48, 64, 128, 256, 512}) {
        SCOPED_TRACE(size);
        const Picture icon = loadPng("icons/skyvane_" + std::to_string(size) + ".png");
        ASSERT_EQ(icon.width, size);
        ASSERT_EQ(icon.height, size);
        // Rounded corners are see-through, the face is solid.
        EXPECT_EQ(icon.alpha(0, 0), 0);
        EXPECT_EQ(icon.alpha(size - 1, 0), 0);
        EXPECT_EQ(icon.alpha(size / 2, size / 2), 255);
        EXPECT_EQ(icon.alpha(size / 5, size / 2), 255);

        // The silver plane fills a good part of the middle, and blue water shows around it.
        int silver = 0, water = 0, middle = 0;
        for (int y = size / 4; y < size * 3 / 4; ++y)
            for (int x = size / 4; x < size * 3 / 4; ++x) {
                const Rgb8 c = colourAt(icon, x, y);
                ++middle;
                silver += c.r > 150 && c.g > 150 && c.b > 150 && std::abs(c.r - c.b) < 40;
                water += c.b > c.r + 40 && c.b > c.g;
            }
        EXPECT_GT(silver, middle / 10);
        EXPECT_GT(water, middle / 20);
    }
}
