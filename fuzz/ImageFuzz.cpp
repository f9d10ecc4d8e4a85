// An image decoder (SKYVANE_DECODE: decodePng, decodeJpeg or decodeTga) on arbitrary bytes: any
// input decodes to a well-formed image or to nothing, never reads outside the buffer and never
// allocates beyond the size limit.
#include "platform/ImageDecoder.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const DecodedImage image = SKYVANE_DECODE(data, size);
    if (!image.empty() && image.rgba.size() != static_cast<std::size_t>(image.width) * image.height * 4)
        std::abort();
    return 0;
}
