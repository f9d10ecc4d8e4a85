#include "platform/ImageDecoder.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Px = std::array<int, 4>;

// A TGA file: the 18-byte header, then whatever bytes follow (colour map, pixels).
std::vector<std::uint8_t> tga(int type, int width, int height, int bits, int descriptor,
                              std::initializer_list<int> rest, int mapLength = 0, int mapBits = 0)
{
    std::vector<std::uint8_t> bytes(18, 0);
    auto put16 = [&bytes](int at, int v) {
        bytes[at] = static_cast<std::uint8_t>(v);
        bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
    };
    bytes[1] = mapLength > 0 ? 1 : 0;
    bytes[2] = static_cast<std::uint8_t>(type);
    put16(5, mapLength);
    bytes[7] = static_cast<std::uint8_t>(mapBits);
    put16(12, width);
    put16(14, height);
    bytes[16] = static_cast<std::uint8_t>(bits);
    bytes[17] = static_cast<std::uint8_t>(descriptor);
    for (int v : rest)
        bytes.push_back(static_cast<std::uint8_t>(v));
    return bytes;
}

DecodedImage decode(const std::vector<std::uint8_t>& bytes)
{
    return decodeTga(bytes.data(), bytes.size());
}

} // namespace

TEST(TgaDecoder, EveryLayoutTheGameReads)
{
    // A file and its pixels as RGBA, top row first.
    const std::pair<std::vector<std::uint8_t>, std::vector<Px>> cases[] = {
        // 24 bits are blue first, rows from the bottom by default.
        {tga(2, 2, 2, 24, 0, {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30}),
         {{255, 0, 0, 255}, {30, 20, 10, 255}, {0, 0, 255, 255}, {0, 255, 0, 255}}},
        // 32 bits keep their alpha; top down, then also right to left.
        {tga(2, 2, 1, 32, 0x28, {1, 2, 3, 4, 5, 6, 7, 8}), {{3, 2, 1, 4}, {7, 6, 5, 8}}},
        {tga(2, 2, 1, 32, 0x38, {1, 2, 3, 4, 5, 6, 7, 8}), {{7, 6, 5, 8}, {3, 2, 1, 4}}},
        // Run length: a run of three red, then one raw green.
        {tga(10, 4, 1, 24, 0x20, {0x82, 0, 0, 255, 0x00, 0, 255, 0}),
         {{255, 0, 0, 255}, {255, 0, 0, 255}, {255, 0, 0, 255}, {0, 255, 0, 255}}},
        {tga(3, 2, 1, 8, 0x20, {17, 240}), {{17, 17, 17, 255}, {240, 240, 240, 255}}},
        // Colour mapped with two 24-bit entries; the last index lies outside the map.
        {tga(1, 3, 1, 8, 0x20, {0, 0, 255, 255, 0, 0, 1, 0, 7}, 2, 24),
         {{0, 0, 255, 255}, {255, 0, 0, 255}, {0, 0, 0, 255}}},
        // 0x7C00 is pure red with the top bit clear, which is alpha only with alpha bits.
        {tga(2, 1, 1, 16, 0x21, {0x00, 0x7C}), {{255, 0, 0, 0}}},
        {tga(2, 1, 1, 16, 0x20, {0x00, 0x7C}), {{255, 0, 0, 255}}},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const auto& [file, pixels] = cases[n];
        const DecodedImage image = decode(file);
        ASSERT_EQ(image.width, file[12]) << "case " << n;
        ASSERT_EQ(image.height, file[14]) << "case " << n;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const std::uint8_t* p = image.rgba.data() + i * 4;
            EXPECT_EQ((Px{p[0], p[1], p[2], p[3]}), pixels[i]) << "case " << n << ", pixel " << i;
        }
    }
}

TEST(TgaDecoder, DamagedOrAbsurdFilesGiveAnEmptyImage)
{
    const auto full = tga(2, 2, 2, 24, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    ASSERT_FALSE(decode(full).empty());
    for (std::size_t cut = 0; cut < full.size(); ++cut)
        EXPECT_TRUE(decodeTga(full.data(), cut).empty()) << "cut at " << cut;

    const std::pair<const char*, std::vector<std::uint8_t>> broken[] = {
        {"a run past the data", tga(10, 300, 1, 24, 0, {0xFF, 1, 2, 3})},
        {"no width", tga(2, 0, 5, 24, 0, {})},
        {"absurd size", tga(2, 65535, 65535, 32, 0, {1, 2, 3, 4})},
        {"unknown type", tga(7, 1, 1, 24, 0, {1, 2, 3})},
        {"unknown depth", tga(2, 1, 1, 12, 0, {1, 2, 3})},
        {"colour mapped without a map", tga(1, 1, 1, 8, 0, {0})},
    };
    for (const auto& [what, file] : broken)
        EXPECT_TRUE(decode(file).empty()) << what;
}
