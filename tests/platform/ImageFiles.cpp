#include "ImageFiles.h"

#include <png.h>

#include <cstdio>
#include <jpeglib.h>

namespace ImageFiles {

namespace {

void append(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flush(png_structp)
{
}

// Samples per pixel (a palette index is one).
int channels(int colourType)
{
    if (colourType & PNG_COLOR_MASK_PALETTE)
        return 1;
    return ((colourType & PNG_COLOR_MASK_COLOR) ? 3 : 1) + ((colourType & PNG_COLOR_MASK_ALPHA) ? 1 : 0);
}

} // namespace

std::vector<std::uint8_t> png(int width, int height, const std::vector<std::uint8_t>& samples,
                              const PngOptions& options)
{
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, append, flush);
    png_set_IHDR(png, info, width, height, options.bitDepth, options.colourType,
                 options.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (options.colourType == PNG_COLOR_TYPE_PALETTE) {
        std::vector<png_color> palette;
        for (std::size_t i = 0; i + 2 < options.palette.size(); i += 3)
            palette.push_back({options.palette[i], options.palette[i + 1], options.palette[i + 2]});
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
        if (!options.paletteAlpha.empty())
            png_set_tRNS(png, info, options.paletteAlpha.data(),
                         static_cast<int>(options.paletteAlpha.size()), nullptr);
    }
    if (options.backgroundBlue > 0) {
        png_color_16 bg{};
        bg.blue = options.backgroundBlue;
        png_set_bKGD(png, info, &bg);
    }
    if (options.gamma > 0)
        png_set_gAMA(png, info, options.gamma);
    png_write_info(png, info);
    const int passes = options.interlaced ? png_set_interlace_handling(png) : 1;
    const std::size_t rowBytes =
        (static_cast<std::size_t>(width) * channels(options.colourType) * options.bitDepth + 7) / 8;
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < height; ++y)
            png_write_row(png, samples.data() + y * rowBytes);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<std::uint8_t> jpeg(int width, int height, const std::vector<std::uint8_t>& samples, bool grey)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    const int stride = width * cinfo.input_components;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(samples.data() + cinfo.next_scanline * stride);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

std::vector<std::uint8_t> pattern(int width, int height, std::uint8_t alpha)
{
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = rgba.data() + (static_cast<std::size_t>(y) * width + x) * 4;
            p[0] = static_cast<std::uint8_t>(x * 2 + 1);
            p[1] = static_cast<std::uint8_t>(y * 5 + 3);
            p[2] = static_cast<std::uint8_t>((x * 7 + y * 13) & 0xff);
            p[3] = alpha;
        }
    return rgba;
}

std::vector<std::uint8_t> solid(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                std::uint8_t a)
{
    std::vector<std::uint8_t> rgba;
    for (int i = 0; i < width * height; ++i)
        rgba.insert(rgba.end(), {r, g, b, a});
    return rgba;
}

std::unique_ptr<KGraphic> imageOf(const std::vector<std::uint8_t>& rgba, int width, int height)
{
    auto image = createGraphic();
    image->loadFromPixels(rgba.data(), width, height);
    return image;
}

} // namespace ImageFiles
