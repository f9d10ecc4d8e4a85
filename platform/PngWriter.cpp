#include "platform/PngWriter.h"

#include "platform/Log.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>

namespace {

void appendToVector(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp)
{
}

bool encodeInto(png_structp png, png_infop info, int width, int height, const std::vector<std::uint8_t>& rgba,
                std::vector<png_bytep>& rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 6);
    rows.resize(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[static_cast<std::size_t>(y)] =
            const_cast<png_bytep>(rgba.data() + static_cast<std::size_t>(y) * width * 4);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
}

} // namespace

std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t>& rgba)
{
    std::vector<std::uint8_t> out;
    if (width <= 0 || height <= 0 || rgba.size() < static_cast<std::size_t>(width) * height * 4)
        return out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return out;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return out;
    }
    png_set_write_fn(png, &out, appendToVector, noFlush);
    std::vector<png_bytep> rows;
    const bool ok = encodeInto(png, info, width, height, rgba, rows);
    png_destroy_write_struct(&png, &info);
    if (!ok)
        out.clear();
    return out;
}

bool writePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgba)
{
    const std::vector<std::uint8_t> bytes = encodePng(width, height, rgba);
    if (bytes.empty())
        return false;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        LOG_ERROR("cannot write %s", path.c_str());
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}
