#include "platform/ImageDecoder.h"
#include "platform/Log.h"

#include <cstdio>
#include <csetjmp>

#include <jpeglib.h>
#include <jerror.h>

namespace {

struct JumpingErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void errorExit(j_common_ptr cinfo)
{
    char message[JMSG_LENGTH_MAX];
    cinfo->err->format_message(cinfo, message);
    LOG_DEBUG("JPEG decoding failed: %s", message);
    std::longjmp(reinterpret_cast<JumpingErrors*>(cinfo->err)->jump, 1);
}

// A stream that ends early is damage: libjpeg would pad it with grey and carry on.
void emitMessage(j_common_ptr cinfo, int level)
{
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        errorExit(cinfo);
}

// libjpeg reports errors by longjmp, so everything with a destructor lives outside this function.
bool decodeInto(jpeg_decompress_struct& cinfo, JumpingErrors& errors, const std::uint8_t* data,
                std::size_t size, DecodedImage& image)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK)
        return false;
    if (!imageSizeAcceptable(cinfo.image_width, cinfo.image_height))
        return false;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3)
        return false;
    const std::size_t width = cinfo.output_width;
    image.width = static_cast<int>(cinfo.output_width);
    image.height = static_cast<int>(cinfo.output_height);
    image.rgba.resize(width * cinfo.output_height * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        // Decode the row into the last three quarters of its own RGBA row, then spread it out
        // front to back so no byte is overwritten before it is read.
        std::uint8_t* row = image.rgba.data() + cinfo.output_scanline * width * 4;
        JSAMPROW target = row + width;
        if (jpeg_read_scanlines(&cinfo, &target, 1) != 1)
            return false;
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint8_t* in = row + width + x * 3;
            std::uint8_t* out = row + x * 4;
            const std::uint8_t r = in[0], g = in[1], b = in[2];
            out[0] = r;
            out[1] = g;
            out[2] = b;
            out[3] = 255;
        }
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

} // namespace

DecodedImage decodeJpeg(const std::uint8_t* data, std::size_t size)
{
    DecodedImage image;
    if (!data || size < 4)
        return image;
    jpeg_decompress_struct cinfo{};
    JumpingErrors errors{};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = errorExit;
    errors.base.emit_message = emitMessage;
    const bool ok = decodeInto(cinfo, errors, data, size, image);
    jpeg_destroy_decompress(&cinfo);
    if (!ok)
        return DecodedImage{};
    return image;
}
