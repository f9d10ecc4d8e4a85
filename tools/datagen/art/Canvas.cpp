#include "art/Canvas.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace datagen::art {

Canvas::Canvas(int width, int height)
    : m_width(width), m_height(height),
      m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), m_cr(cairo_create(m_surface))
{
    if (cairo_surface_status(m_surface) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a picture of " + std::to_string(width) + "x" +
                                 std::to_string(height));
    cairo_set_antialias(m_cr, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas()
{
    cairo_destroy(m_cr);
    cairo_surface_destroy(m_surface);
}

void Canvas::paint(const Canvas& other, double x, double y, double alpha)
{
    cairo_save(m_cr);
    cairo_set_source_surface(m_cr, other.surface(), x, y);
    cairo_paint_with_alpha(m_cr, alpha);
    cairo_restore(m_cr);
}

int Canvas::alphaAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    cairo_surface_flush(m_surface);
    const unsigned char* data = cairo_image_surface_get_data(m_surface);
    const int stride = cairo_image_surface_get_stride(m_surface);
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
    return static_cast<int>(row[x] >> 24);
}

namespace {

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

std::vector<std::uint8_t> Canvas::png() const
{
    cairo_surface_flush(m_surface);
    std::vector<std::uint8_t> out;
    if (cairo_surface_write_to_png_stream(m_surface, appendBytes, &out) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot encode a PNG picture");
    return out;
}

std::vector<std::uint8_t> Canvas::jpeg(int quality) const
{
    cairo_surface_flush(m_surface);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(m_width);
    info.image_height = static_cast<JDIMENSION>(m_height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    const unsigned char* data = cairo_image_surface_get_data(m_surface);
    const int stride = cairo_image_surface_get_stride(m_surface);
    std::vector<unsigned char> row(static_cast<std::size_t>(m_width) * 3);
    for (int y = 0; y < m_height; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < m_width; ++x) {
            // Background pictures are opaque, so the premultiplied values are the colours.
            row[x * 3 + 0] = static_cast<unsigned char>((src[x] >> 16) & 0xFF);
            row[x * 3 + 1] = static_cast<unsigned char>((src[x] >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<unsigned char>(src[x] & 0xFF);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

} // namespace datagen::art
