#pragma once

#include "platform/KGraphic.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Small image files made in memory for the decoder and drawing tests.
namespace ImageFiles {

struct PngOptions {
    int colourType = 6; // PNG_COLOR_TYPE_RGB_ALPHA
    int bitDepth = 8;
    bool interlaced = false;
    // A bKGD chunk of pure blue at this level (colour types with red, green and blue).
    std::uint16_t backgroundBlue = 0;
    double gamma = 0.0;                // gAMA chunk when > 0
    std::vector<std::uint8_t> palette; // RGB triples for colour type 3
    std::vector<std::uint8_t> paletteAlpha;
};

// samples: one row after another, already in the file's layout (16-bit samples big-endian).
std::vector<std::uint8_t> png(int width, int height, const std::vector<std::uint8_t>& samples,
                              const PngOptions& options);
// RGB or grey JPEG at high quality.
std::vector<std::uint8_t> jpeg(int width, int height, const std::vector<std::uint8_t>& samples, bool grey);

// RGBA pixels whose every pixel differs from its neighbours (red = x, green = y, blue mixes both).
std::vector<std::uint8_t> pattern(int width, int height, std::uint8_t alpha = 255);
// RGBA pixels of one colour.
std::vector<std::uint8_t> solid(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                std::uint8_t a = 255);
// An image of these pixels, for the renderer that is open (an empty one without a renderer).
std::unique_ptr<KGraphic> imageOf(const std::vector<std::uint8_t>& rgba, int width, int height);

} // namespace ImageFiles
