#include "levels/Image.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <fstream>

namespace datagen::levels {

namespace {

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

struct Source {
    std::span<const std::uint8_t> bytes;
    std::size_t pos = 0;
};

cairo_status_t readBytes(void* closure, unsigned char* data, unsigned int length)
{
    auto* src = static_cast<Source*>(closure);
    if (src->bytes.size() - src->pos < length)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, src->bytes.data() + src->pos, length);
    src->pos += length;
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

cairo_surface_t* toSurface(const Image& image)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.at(x, y);
            const std::uint32_t a = p[3];
            auto pre = [a](std::uint32_t c) { return (c * a + 127) / 255; };
            row[x] = (a << 24) | (pre(p[0]) << 16) | (pre(p[1]) << 8) | pre(p[2]);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

Image fromSurface(cairo_surface_t* surface)
{
    const cairo_format_t format = cairo_image_surface_get_format(surface);
    Image out(cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface));
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < out.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < out.width; ++x) {
            const std::uint32_t v = row[x];
            std::uint8_t* p = out.at(x, y);
            const std::uint32_t a = format == CAIRO_FORMAT_RGB24 ? 255 : v >> 24;
            auto un = [a](std::uint32_t c) { return a == 0 ? 0u : std::min(255u, (c * 255 + a / 2) / a); };
            p[0] = static_cast<std::uint8_t>(un((v >> 16) & 255));
            p[1] = static_cast<std::uint8_t>(un((v >> 8) & 255));
            p[2] = static_cast<std::uint8_t>(un(v & 255));
            p[3] = static_cast<std::uint8_t>(a);
        }
    }
    return out;
}

std::vector<std::uint8_t> encodePng(const Image& image)
{
    cairo_surface_t* s = toSurface(image);
    std::vector<std::uint8_t> out;
    cairo_surface_write_to_png_stream(s, appendBytes, &out);
    cairo_surface_destroy(s);
    return out;
}

bool decodePng(std::span<const std::uint8_t> bytes, Image& out)
{
    Source src{bytes};
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(readBytes, &src);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return false;
    }
    out = fromSurface(s);
    cairo_surface_destroy(s);
    return true;
}

bool writePngFile(const Image& image, const std::string& path)
{
    const std::vector<std::uint8_t> bytes = encodePng(image);
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

} // namespace datagen::levels
