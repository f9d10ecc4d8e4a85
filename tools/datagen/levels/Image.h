#pragma once

#include <cairo.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace datagen::levels {

// A plain RGBA picture, rows from the top, 4 bytes per pixel, not premultiplied.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    Image() = default;
    Image(int w, int h) : width(w), height(h), rgba(static_cast<std::size_t>(w) * h * 4, 0) {}
    std::uint8_t* at(int x, int y) { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
    const std::uint8_t* at(int x, int y) const
    {
        return &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
    }
};

// A new cairo surface (premultiplied ARGB32) holding the picture, and a picture from a surface;
// the caller destroys the surface.
cairo_surface_t* toSurface(const Image& image);
Image fromSurface(cairo_surface_t* surface);

std::vector<std::uint8_t> encodePng(const Image& image);
bool decodePng(std::span<const std::uint8_t> bytes, Image& out);
bool writePngFile(const Image& image, const std::string& path);

} // namespace datagen::levels
