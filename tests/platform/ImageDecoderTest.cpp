#include "ImageFiles.h"

#include "platform/ImageDecoder.h"
#include "platform/PngWriter.h"

#include <gtest/gtest.h>

#include <png.h>

namespace {

using Px = std::array<int, 4>;

Px pixelAt(const DecodedImage& image, int x)
{
    const std::uint8_t* p = image.rgba.data() + static_cast<std::size_t>(x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

ImageFiles::PngOptions options(int colourType, int bitDepth = 8)
{
    ImageFiles::PngOptions o;
    o.colourType = colourType;
    o.bitDepth = bitDepth;
    return o;
}

} // namespace

TEST(ImageKind, ChosenByTheNameEnding)
{
    const std::pair<const char*, ImageKind> names[] = {{"sprites/boat.tga", ImageKind::Tga},
                                                       {"MENU/TITLE.PNG", ImageKind::Png},
                                                       {"levels/01/water.jpg", ImageKind::Jpeg},
                                                       {"photo.jpeg", ImageKind::Jpeg},
                                                       {"picture.bmp", ImageKind::None},
                                                       {"g", ImageKind::Jpeg},
                                                       {"", ImageKind::None}};
    for (const auto& [name, kind] : names)
        EXPECT_EQ(imageKindOfName(name), kind) << name;

    const auto bytes = encodePng(4, 3, ImageFiles::pattern(4, 3));
    EXPECT_FALSE(decodeImage("a.png", bytes.data(), bytes.size()).empty());
    EXPECT_TRUE(decodeImage("a.jpg", bytes.data(), bytes.size()).empty());
    EXPECT_TRUE(decodeImage("a.bmp", bytes.data(), bytes.size()).empty());
}

TEST(PngDecoder, RoundTripsRgbaExactlyInterlacedOrNot)
{
    for (bool interlaced : {false, true}) {
        const auto rgba = ImageFiles::pattern(37, 11, 77);
        ImageFiles::PngOptions o;
        o.interlaced = interlaced;
        const auto bytes = ImageFiles::png(37, 11, rgba, o);
        const DecodedImage image = decodePng(bytes.data(), bytes.size());
        ASSERT_EQ(image.width, 37);
        ASSERT_EQ(image.height, 11);
        EXPECT_EQ(image.rgba, rgba) << interlaced;
    }
}

TEST(PngDecoder, ExpandsEveryLayoutToRgba)
{
    ImageFiles::PngOptions palette = options(PNG_COLOR_TYPE_PALETTE, 2);
    palette.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 8, 7};
    palette.paletteAlpha = {255, 128};
    ImageFiles::PngOptions background;
    background.backgroundBlue = 255;
    ImageFiles::PngOptions linear = options(PNG_COLOR_TYPE_GRAY);
    linear.gamma = 1.0;

    // One row of samples in the file's layout, and the pixels it must give (within one level).
    struct Case {
        ImageFiles::PngOptions options;
        std::vector<std::uint8_t> samples;
        std::vector<Px> pixels;
    };
    const Case cases[] = {
        // A 2-bit palette: indices 0 to 3 in one byte.
        {palette, {0x1B}, {{255, 0, 0, 255}, {0, 255, 0, 128}, {0, 0, 255, 255}, {9, 8, 7, 255}}},
        {options(PNG_COLOR_TYPE_GRAY, 1),
         {0xA0},
         {{255, 255, 255, 255}, {0, 0, 0, 255}, {255, 255, 255, 255}}},
        {options(PNG_COLOR_TYPE_RGB, 16), {0xAB, 0xAB, 0x12, 0x12, 0xFE, 0xFE}, {{0xAB, 0x12, 0xFE, 255}}},
        {options(PNG_COLOR_TYPE_GRAY_ALPHA), {10, 20, 200, 255}, {{10, 10, 10, 20}, {200, 200, 200, 255}}},
        // Transparent red, half red and opaque green over a blue background chunk.
        {background,
         {255, 0, 0, 0, 255, 0, 0, 128, 0, 255, 0, 255},
         {{0, 0, 255, 255}, {128, 0, 127, 255}, {0, 255, 0, 255}}},
        // (64 / 255) ^ (1 / 2.2) * 255 = 136 for a linear file; without gAMA the samples stay.
        {linear, {64, 255}, {{136, 136, 136, 255}, {255, 255, 255, 255}}},
        {options(PNG_COLOR_TYPE_GRAY), {64, 255}, {{64, 64, 64, 255}, {255, 255, 255, 255}}},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const Case& c = cases[n];
        const int width = static_cast<int>(c.pixels.size());
        const auto bytes = ImageFiles::png(width, 1, c.samples, c.options);
        const DecodedImage image = decodePng(bytes.data(), bytes.size());
        ASSERT_EQ(image.width, width) << "case " << n;
        for (int x = 0; x < width; ++x)
            for (int i = 0; i < 4; ++i)
                EXPECT_NEAR(pixelAt(image, x)[i], c.pixels[x][i], 1) << "case " << n << ", pixel " << x;
    }
}

TEST(JpegDecoder, DecodesRgbAndGreyToOpaqueRgba)
{
    std::vector<std::uint8_t> rgb;
    for (int i = 0; i < 16 * 16; ++i)
        rgb.insert(rgb.end(), {200, 100, 50});
    auto bytes = ImageFiles::jpeg(16, 16, rgb, false);
    DecodedImage image = decodeJpeg(bytes.data(), bytes.size());
    ASSERT_EQ(image.width, 16);
    ASSERT_EQ(image.height, 16);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(pixelAt(image, 9 * 16 + 7)[i], (Px{200, 100, 50, 255})[i], 3);
    // A file cut short gives no picture rather than part of one.
    EXPECT_TRUE(decodeJpeg(bytes.data(), bytes.size() - 2).empty());

    bytes = ImageFiles::jpeg(8, 8, std::vector<std::uint8_t>(64, 90), true);
    image = decodeJpeg(bytes.data(), bytes.size());
    ASSERT_EQ(image.width, 8);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(pixelAt(image, 3 * 8 + 3)[i], (Px{90, 90, 90, 255})[i], 2);
}
