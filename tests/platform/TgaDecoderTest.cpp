#include "platform/ImageDecoder.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct Tga {
    std::vector<std::uint8_t> bytes;

    Tga(int type, int width, int height, int bits, int descriptor, int mapType = 0, int mapLength = 0,
        int mapBits = 0)
    {
        bytes = {0,
                 static_cast<std::uint8_t>(mapType),
                 static_cast<std::uint8_t>(type),
                 0,
                 0,
                 static_cast<std::uint8_t>(mapLength),
                 static_cast<std::uint8_t>(mapLength >> 8),
                 static_cast<std::uint8_t>(mapBits),
                 0,
                 0,
                 0,
                 0,
                 static_cast<std::uint8_t>(width),
                 static_cast<std::uint8_t>(width >> 8),
                 static_cast<std::uint8_t>(height),
                 static_cast<std::uint8_t>(height >> 8),
                 static_cast<std::uint8_t>(bits),
                 static_cast<std::uint8_t>(descriptor)};
    }
    Tga& add(std::initializer_list<int> values)
    {
        for (int v : values)
            bytes.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    DecodedImage decode() const { return decodeTga(bytes.data(), bytes.size()); }
};

std::array<int, 4> at(const DecodedImage& image, int x, int y)
{
    const std::uint8_t* p = image.rgba.data() + (static_cast<std::size_t>(y) * image.width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

using Px = std::array<int, 4>;

} // namespace

TEST(TgaDecoder, TrueColourRowsFromTheBottomByDefault)
{
    // 2 x 2, 24 bits, stored bottom row first, blue first.
    Tga tga(2, 2, 2, 24, 0);
    tga.add({255, 0, 0, 0, 255, 0}).add({0, 0, 255, 10, 20, 30});
    const DecodedImage image = tga.decode();
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(at(image, 0, 1), (Px{0, 0, 255, 255}));
    EXPECT_EQ(at(image, 1, 1), (Px{0, 255, 0, 255}));
    EXPECT_EQ(at(image, 0, 0), (Px{255, 0, 0, 255}));
    EXPECT_EQ(at(image, 1, 0), (Px{30, 20, 10, 255}));
}

TEST(TgaDecoder, ThirtyTwoBitsTopDownAndRightToLeftKeepAlpha)
{
    Tga topDown(2, 2, 1, 32, 0x28);
    topDown.add({1, 2, 3, 4, 5, 6, 7, 8});
    DecodedImage image = topDown.decode();
    ASSERT_EQ(image.width, 2);
    EXPECT_EQ(at(image, 0, 0), (Px{3, 2, 1, 4}));
    EXPECT_EQ(at(image, 1, 0), (Px{7, 6, 5, 8}));

    Tga mirrored(2, 2, 1, 32, 0x38);
    mirrored.add({1, 2, 3, 4, 5, 6, 7, 8});
    image = mirrored.decode();
    EXPECT_EQ(at(image, 0, 0), (Px{7, 6, 5, 8}));
}

TEST(TgaDecoder, RunLengthGreyAndColourMapped)
{
    // RLE true colour: a run of 3 red pixels, then 1 raw green one.
    Tga rle(10, 4, 1, 24, 0x20);
    rle.add({0x82, 0, 0, 255}).add({0x00, 0, 255, 0});
    DecodedImage image = rle.decode();
    ASSERT_EQ(image.width, 4);
    EXPECT_EQ(at(image, 2, 0), (Px{255, 0, 0, 255}));
    EXPECT_EQ(at(image, 3, 0), (Px{0, 255, 0, 255}));

    Tga grey(3, 2, 1, 8, 0x20);
    grey.add({17, 240});
    image = grey.decode();
    EXPECT_EQ(at(image, 0, 0), (Px{17, 17, 17, 255}));
    EXPECT_EQ(at(image, 1, 0), (Px{240, 240, 240, 255}));

    Tga mapped(1, 3, 1, 8, 0x20, 1, 2, 24);
    mapped.add({0, 0, 255, 255, 0, 0}).add({1, 0, 7});
    image = mapped.decode();
    ASSERT_EQ(image.width, 3);
    EXPECT_EQ(at(image, 0, 0), (Px{0, 0, 255, 255}));
    EXPECT_EQ(at(image, 1, 0), (Px{255, 0, 0, 255}));
    EXPECT_EQ(at(image, 2, 0), (Px{0, 0, 0, 255})); // index outside the map
}

TEST(TgaDecoder, SixteenBitAlphaOnlyWithAlphaBits)
{
    // 0x7C00: pure red with the top bit clear.
    Tga withAlpha(2, 1, 1, 16, 0x21);
    withAlpha.add({0x00, 0x7C});
    EXPECT_EQ(at(withAlpha.decode(), 0, 0), (Px{255, 0, 0, 0}));
    Tga opaque(2, 1, 1, 16, 0x20);
    opaque.add({0x00, 0x7C});
    EXPECT_EQ(at(opaque.decode(), 0, 0), (Px{255, 0, 0, 255}));
}

TEST(TgaDecoder, DamagedOrAbsurdFilesGiveAnEmptyImage)
{
    Tga full(2, 2, 2, 24, 0);
    full.add({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    ASSERT_FALSE(full.decode().empty());
    for (std::size_t cut = 0; cut < full.bytes.size(); ++cut)
        EXPECT_TRUE(decodeTga(full.bytes.data(), cut).empty()) << "cut at " << cut;

    Tga runPastData(10, 300, 1, 24, 0);
    runPastData.add({0xFF, 1, 2, 3});
    EXPECT_TRUE(runPastData.decode().empty());

    EXPECT_TRUE(Tga(2, 0, 5, 24, 0).decode().empty());
    EXPECT_TRUE(Tga(2, 65535, 65535, 32, 0).add({1, 2, 3, 4}).decode().empty());
    EXPECT_TRUE(Tga(7, 1, 1, 24, 0).add({1, 2, 3}).decode().empty());
    EXPECT_TRUE(Tga(2, 1, 1, 12, 0).add({1, 2, 3}).decode().empty());
    EXPECT_TRUE(Tga(1, 1, 1, 8, 0).add({0}).decode().empty()); // colour-mapped without a map
}
