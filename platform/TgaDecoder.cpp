#include "platform/ByteReader.h"
#include "platform/ImageDecoder.h"

#include <array>

namespace {

struct TgaHeader {
    std::uint8_t idLength = 0;
    std::uint8_t mapType = 0;
    std::uint8_t imageType = 0;
    std::uint16_t mapFirst = 0;
    std::uint16_t mapLength = 0;
    std::uint8_t mapEntryBits = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t pixelBits = 0;
    std::uint8_t descriptor = 0;
};

using Pixel = std::array<std::uint8_t, 4>;

// One stored colour of 8 (grey), 15/16, 24 or 32 bits; TGA keeps blue first.
Pixel readColour(ByteReader& in, int bits, bool grey, bool alphaBit)
{
    switch (bits) {
    case 8: {
        const std::uint8_t v = in.u8();
        return grey ? Pixel{v, v, v, 255} : Pixel{0, 0, 0, 255};
    }
    case 15:
    case 16: {
        const std::uint16_t v = in.u16();
        auto expand = [](int five) { return static_cast<std::uint8_t>((five << 3) | (five >> 2)); };
        const std::uint8_t alpha = (alphaBit && !(v & 0x8000)) ? 0 : 255;
        return {expand((v >> 10) & 31), expand((v >> 5) & 31), expand(v & 31), alpha};
    }
    case 24: {
        const auto b = in.bytes(3);
        return b.size() == 3 ? Pixel{b[2], b[1], b[0], 255} : Pixel{};
    }
    case 32: {
        const auto b = in.bytes(4);
        return b.size() == 4 ? Pixel{b[2], b[1], b[0], b[3]} : Pixel{};
    }
    default:
        return {};
    }
}

} // namespace

DecodedImage decodeTga(const std::uint8_t* data, std::size_t size)
{
    ByteReader in(data, size);
    TgaHeader h;
    h.idLength = in.u8();
    h.mapType = in.u8();
    h.imageType = in.u8();
    h.mapFirst = in.u16();
    h.mapLength = in.u16();
    h.mapEntryBits = in.u8();
    in.skip(4); // origin
    h.width = in.u16();
    h.height = in.u16();
    h.pixelBits = in.u8();
    h.descriptor = in.u8();
    if (!in.ok() || !imageSizeAcceptable(h.width, h.height))
        return {};

    const bool rle = h.imageType >= 9;
    const int kind = rle ? h.imageType - 8 : h.imageType; // 1 colour-mapped, 2 true colour, 3 grey
    const bool mapped = kind == 1;
    const bool grey = kind == 3;
    if (kind < 1 || kind > 3)
        return {};
    if (mapped ? (h.mapType != 1 || (h.pixelBits != 8 && h.pixelBits != 16))
               : (grey ? h.pixelBits != 8
                       : (h.pixelBits != 15 && h.pixelBits != 16 && h.pixelBits != 24 && h.pixelBits != 32)))
        return {};
    in.skip(h.idLength);

    std::vector<Pixel> palette;
    if (h.mapType == 1) {
        if (h.mapEntryBits != 15 && h.mapEntryBits != 16 && h.mapEntryBits != 24 && h.mapEntryBits != 32)
            return {};
        palette.reserve(h.mapLength);
        for (int i = 0; i < h.mapLength; ++i)
            palette.push_back(readColour(in, h.mapEntryBits, false, false));
        if (!in.ok())
            return {};
    }

    // A 16-bit pixel's top bit is alpha only when the descriptor says the image has alpha bits.
    const bool alphaBit = h.pixelBits == 16 && (h.descriptor & 0x0f) != 0;
    auto readPixel = [&]() -> Pixel {
        if (!mapped)
            return readColour(in, h.pixelBits, grey, alphaBit);
        const int index = (h.pixelBits == 8 ? in.u8() : in.u16()) - h.mapFirst;
        if (index < 0 || index >= static_cast<int>(palette.size()))
            return {0, 0, 0, 255};
        return palette[static_cast<std::size_t>(index)];
    };

    const std::size_t count = static_cast<std::size_t>(h.width) * h.height;
    // Even run-length packets cover at most 128 pixels for two bytes: refuse sizes the data cannot
    // hold before allocating for them.
    const std::size_t minBytes = rle ? count / 64 : count * ((h.pixelBits + 7u) / 8u);
    if (in.remaining() < minBytes)
        return {};
    std::vector<Pixel> pixels;
    pixels.reserve(count);
    while (pixels.size() < count) {
        if (!in.ok())
            return {};
        if (!rle) {
            pixels.push_back(readPixel());
            continue;
        }
        const std::uint8_t packet = in.u8();
        const std::size_t run = std::min<std::size_t>((packet & 0x7f) + 1u, count - pixels.size());
        if (packet & 0x80) {
            const Pixel p = readPixel();
            pixels.insert(pixels.end(), run, p);
        } else {
            for (std::size_t i = 0; i < run; ++i)
                pixels.push_back(readPixel());
        }
    }
    if (!in.ok())
        return {};

    DecodedImage image;
    image.width = h.width;
    image.height = h.height;
    image.rgba.resize(count * 4);
    const bool fromTop = h.descriptor & 0x20;
    const bool fromRight = h.descriptor & 0x10;
    for (int y = 0; y < h.height; ++y) {
        const int row = fromTop ? y : h.height - 1 - y;
        for (int x = 0; x < h.width; ++x) {
            const int column = fromRight ? h.width - 1 - x : x;
            const Pixel& p = pixels[static_cast<std::size_t>(y) * h.width + x];
            std::uint8_t* out = image.rgba.data() + (static_cast<std::size_t>(row) * h.width + column) * 4;
            out[0] = p[0];
            out[1] = p[1];
            out[2] = p[2];
            out[3] = p[3];
        }
    }
    return image;
}
