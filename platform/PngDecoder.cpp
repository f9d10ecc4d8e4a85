#include "platform/ByteReader.h"
#include "platform/ImageDecoder.h"
#include "platform/Log.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace {

void readFromReader(png_structp png, png_bytep out, png_size_t count)
{
    auto* reader = static_cast<ByteReader*>(png_get_io_ptr(png));
    const auto bytes = reader->bytes(count);
    if (bytes.size() != count)
        png_error(png, "truncated PNG data");
    std::memcpy(out, bytes.data(), count);
}

void quietWarning(png_structp, png_const_charp)
{
}

void errorToJump(png_structp png, [[maybe_unused]] png_const_charp message)
{
    LOG_DEBUG("PNG decoding failed: %s", message);
    png_longjmp(png, 1);
}

// libpng reports errors by longjmp, so everything with a destructor lives outside this function
// and nothing is constructed between setjmp and the end of decoding.
bool decodeInto(png_structp png, png_infop info, DecodedImage& image, std::vector<png_bytep>& rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;

    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_set_sig_bytes(png, 8);
    png_read_info(png, info);

    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colourType = 0, interlace = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, &interlace, nullptr, nullptr);
    if (!imageSizeAcceptable(width, height))
        return false;

    png_set_expand(png);
    png_set_strip_16(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_color_16p background = nullptr;
    if (png_get_bKGD(png, info, &background))
        png_set_background(png, background, PNG_BACKGROUND_GAMMA_FILE, 1, 1.0);
    double fileGamma = 0.0;
    if (png_get_gAMA(png, info, &fileGamma))
        png_set_gamma(png, 2.2, fileGamma);
    // Whatever is left without alpha gets an opaque one, so every row is four bytes a pixel.
    png_set_filler(png, 0xff, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4)
        return false;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.rgba.resize(static_cast<std::size_t>(width) * height * 4);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = image.rgba.data() + static_cast<std::size_t>(y) * width * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    return true;
}

} // namespace

DecodedImage decodePng(const std::uint8_t* data, std::size_t size)
{
    DecodedImage image;
    ByteReader reader(data, size);
    const auto signature = reader.bytes(8);
    if (signature.size() != 8 || png_sig_cmp(signature.data(), 0, 8) != 0)
        return image;

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, errorToJump, quietWarning);
    if (!png)
        return image;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return image;
    }
    png_set_read_fn(png, &reader, readFromReader);

    std::vector<png_bytep> rows;
    const bool ok = decodeInto(png, info, image, rows);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok)
        return DecodedImage{};
    return image;
}
