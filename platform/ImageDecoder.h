#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A decoded picture: 8-bit red, green, blue, alpha per pixel, rows from the top. Any failure
// (unknown type, corrupt or truncated data, absurd size) gives an empty image.
struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    bool empty() const { return width <= 0 || height <= 0; }
};

// Largest picture a decoder accepts; anything bigger is taken as damage, not content.
constexpr int kMaxImageSide = 16384;
constexpr std::size_t kMaxImagePixels = std::size_t{1} << 25;

// PNG: palette and low depths expanded, 16 bits reduced to 8, grey turned into RGB; a background
// chunk is composited in (background gamma 1.0) and a gamma chunk corrected to display gamma 2.2.
DecodedImage decodePng(const std::uint8_t* data, std::size_t size);
// JPEG: RGB (grey expanded), alpha 255.
DecodedImage decodeJpeg(const std::uint8_t* data, std::size_t size);
// TGA: colour-mapped, true-colour and grey, plain or run-length encoded, 8 to 32 bits.
DecodedImage decodeTga(const std::uint8_t* data, std::size_t size);

enum class ImageKind { None, Png, Jpeg, Tga };
// Chosen by the name's ending: last letter "a": TGA; else second-to-last "n": PNG; else last "g":
// JPEG.
ImageKind imageKindOfName(const std::string& name);
DecodedImage decodeImage(const std::string& name, const std::uint8_t* data, std::size_t size);

bool imageSizeAcceptable(long long width, long long height);
