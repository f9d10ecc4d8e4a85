#include "ImageFiles.h"

#include "platform/ImageDecoder.h"
#include "platform/PngWriter.h"

#include <gtest/gtest.h>

#include <png.h>

namespace {

std::array<int, 4> pixelAt(const DecodedImage& image, int x, int y)
{
    const std::uint8_t* p = image.rgba.data() + (static_cast<std::size_t>(y) * image.width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

void expectNear(const std::array<int, 4>& actual, const std::array<int, 4>& expected, int tolerance)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "channel " << i;
}

} // namespace

TEST(ImageKind, ChosenByTheNameEnding)
{
    EXPECT_EQ(imageKindOfName("sprites/boat.tga"), ImageKind::Tga);
    EXPECT_EQ(imageKindOfName("MENU/TITLE.PNG"), ImageKind::Png);
    EXPECT_EQ(imageKindOfName("levels/01/water.jpg"), ImageKind::Jpeg);
    EXPECT_EQ(imageKindOfName("photo.jpeg"), ImageKind::Jpeg);
    EXPECT_EQ(imageKindOfName("picture.bmp"), ImageKind::None);
    EXPECT_EQ(imageKindOfName("g"), ImageKind::Jpeg);
    EXPECT_EQ(imageKindOfName(""), ImageKind::None);

    const auto rgba = ImageFiles::pattern(4, 3);
    const auto bytes = encodePng(4, 3, rgba);
    EXPECT_FALSE(decodeImage("a.png", bytes.data(), bytes.size()).empty());
    EXPECT_TRUE(decodeImage("a.jpg", bytes.data(), bytes.size()).empty());
    EXPECT_TRUE(decodeImage("a.bmp", bytes.data(), bytes.size()).empty());
}

TEST(PngDecoder, RoundTripsRgbaExactly)
{
    const auto rgba = ImageFiles::pattern(37, 11, 77);
    const auto bytes = encodePng(37, 11, rgba);
    const DecodedImage image = decodePng(bytes.data(), bytes.size());
    ASSERT_EQ(image.width, 37);
    ASSERT_EQ(image.height, 11);
    EXPECT_EQ(image.rgba, rgba);
}

TEST(PngDecoder, ExpandsPaletteGreyLowDepthsAndSixteenBits)
{
    ImageFiles::PngOptions palette;
    palette.colourType = PNG_COLOR_TYPE_PALETTE;
    palette.bitDepth = 2;
    palette.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 8, 7};
    palette.paletteAlpha = {255, 128};
    // Four 2-bit indices 0, 1, 2, 3 in one byte.
    DecodedImage image = decodePng(ImageFiles::png(4, 1, {0x1B}, palette).data(),
                                   ImageFiles::png(4, 1, {0x1B}, palette).size());
    ASSERT_EQ(image.width, 4);
    expectNear(pixelAt(image, 0, 0), {255, 0, 0, 255}, 0);
    expectNear(pixelAt(image, 1, 0), {0, 255, 0, 128}, 0);
    expectNear(pixelAt(image, 2, 0), {0, 0, 255, 255}, 0);
    expectNear(pixelAt(image, 3, 0), {9, 8, 7, 255}, 0);

    ImageFiles::PngOptions grey1;
    grey1.colourType = PNG_COLOR_TYPE_GRAY;
    grey1.bitDepth = 1;
    const auto greyBytes = ImageFiles::png(3, 1, {0xA0}, grey1); // 1, 0, 1
    image = decodePng(greyBytes.data(), greyBytes.size());
    ASSERT_EQ(image.width, 3);
    expectNear(pixelAt(image, 0, 0), {255, 255, 255, 255}, 0);
    expectNear(pixelAt(image, 1, 0), {0, 0, 0, 255}, 0);
    expectNear(pixelAt(image, 2, 0), {255, 255, 255, 255}, 0);

    ImageFiles::PngOptions wide;
    wide.colourType = PNG_COLOR_TYPE_RGB;
    wide.bitDepth = 16;
    const auto wideBytes = ImageFiles::png(1, 1, {0xAB, 0xAB, 0x12, 0x12, 0xFE, 0xFE}, wide);
    image = decodePng(wideBytes.data(), wideBytes.size());
    ASSERT_EQ(image.width, 1);
    expectNear(pixelAt(image, 0, 0), {0xAB, 0x12, 0xFE, 255}, 0);

    ImageFiles::PngOptions greyAlpha;
    greyAlpha.colourType = PNG_COLOR_TYPE_GRAY_ALPHA;
    const auto gaBytes = ImageFiles::png(2, 1, {10, 20, 200, 255}, greyAlpha);
    image = decodePng(gaBytes.data(), gaBytes.size());
    ASSERT_EQ(image.width, 2);
    expectNear(pixelAt(image, 0, 0), {10, 10, 10, 20}, 0);
    expectNear(pixelAt(image, 1, 0), {200, 200, 200, 255}, 0);
}

TEST(PngDecoder, ReadsInterlacedImages)
{
    const auto rgba = ImageFiles::pattern(13, 9);
    ImageFiles::PngOptions options;
    options.interlaced = true;
    const auto bytes = ImageFiles::png(13, 9, rgba, options);
    const DecodedImage image = decodePng(bytes.data(), bytes.size());
    ASSERT_EQ(image.width, 13);
    EXPECT_EQ(image.rgba, rgba);
}

TEST(PngDecoder, CompositesOntoTheBackgroundChunk)
{
    ImageFiles::PngOptions options;
    options.background = true;
    options.backgroundBlue = 255;
    // Transparent red, half red, opaque green.
    const auto bytes = ImageFiles::png(3, 1, {255, 0, 0, 0, 255, 0, 0, 128, 0, 255, 0, 255}, options);
    const DecodedImage image = decodePng(bytes.data(), bytes.size());
    ASSERT_EQ(image.width, 3);
    expectNear(pixelAt(image, 0, 0), {0, 0, 255, 255}, 0);
    expectNear(pixelAt(image, 1, 0), {128, 0, 127, 255}, 1);
    expectNear(pixelAt(image, 2, 0), {0, 255, 0, 255}, 0);
}

TEST(PngDecoder, CorrectsTheGammaChunkToDisplayGamma)
{
    ImageFiles::PngOptions linear;
    linear.colourType = PNG_COLOR_TYPE_GRAY;
    linear.gamma = 1.0;
    auto bytes = ImageFiles::png(2, 1, {64, 255}, linear);
    DecodedImage image = decodePng(bytes.data(), bytes.size());
    ASSERT_EQ(image.width, 2);
    // (64 / 255) ^ (1 / 2.2) * 255 = 136
    EXPECT_NEAR(pixelAt(image, 0, 0)[0], 136, 1);
    EXPECT_EQ(pixelAt(image, 1, 0)[0], 255);

    ImageFiles::PngOptions none;
    none.colourType = PNG_COLOR_TYPE_GRAY;
    bytes = ImageFiles::png(2, 1, {64, 255}, none);
    image = decodePng(bytes.data(), bytes.size());
    EXPECT_EQ(pixelAt(image, 0, 0)[0], 64);
}

TEST(PngDecoder, DamagedFilesGiveAnEmptyImage)
{
    const auto rgba = ImageFiles::pattern(40, 30);
    const auto bytes = encodePng(40, 30, rgba);
    for (std::size_t cut : {std::size_t{0}, std::size_t{7}, std::size_t{8}, std::size_t{33}, bytes.size() / 2,
                            bytes.size() - 13}) {
        const DecodedImage image = decodePng(bytes.data(), cut);
        EXPECT_TRUE(image.empty()) << "cut at " << cut;
        EXPECT_TRUE(image.rgba.empty());
    }
    auto corrupt = bytes;
    corrupt[corrupt.size() / 2] ^= 0x5A;
    EXPECT_TRUE(decodePng(corrupt.data(), corrupt.size()).empty());
    auto badSignature = bytes;
    badSignature[1] = 'Q';
    EXPECT_TRUE(decodePng(badSignature.data(), badSignature.size()).empty());
    EXPECT_TRUE(decodePng(nullptr, 0).empty());
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
    expectNear(pixelAt(image, 7, 9), {200, 100, 50, 255}, 3);

    bytes = ImageFiles::jpeg(8, 8, std::vector<std::uint8_t>(64, 90), true);
    image = decodeJpeg(bytes.data(), bytes.size());
    ASSERT_EQ(image.width, 8);
    expectNear(pixelAt(image, 3, 3), {90, 90, 90, 255}, 2);
}

TEST(JpegDecoder, DamagedFilesGiveAnEmptyImage)
{
    std::vector<std::uint8_t> rgb;
    for (int i = 0; i < 64 * 64; ++i)
        rgb.insert(rgb.end(), {static_cast<std::uint8_t>(i), 100, static_cast<std::uint8_t>(i / 64)});
    const auto bytes = ImageFiles::jpeg(64, 64, rgb, false);
    ASSERT_FALSE(decodeJpeg(bytes.data(), bytes.size()).empty());
    for (std::size_t cut :
         {std::size_t{0}, std::size_t{3}, std::size_t{100}, bytes.size() / 2, bytes.size() - 2})
        EXPECT_TRUE(decodeJpeg(bytes.data(), cut).empty()) << "cut at " << cut;
    const std::vector<std::uint8_t> noise(500, 0x37);
    EXPECT_TRUE(decodeJpeg(noise.data(), noise.size()).empty());
}
