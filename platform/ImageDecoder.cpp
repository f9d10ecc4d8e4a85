#include "platform/ImageDecoder.h"

#include <cctype>

ImageKind imageKindOfName(const std::string& name)
{
    const std::size_t n = name.size();
    if (n >= 1 && std::tolower(static_cast<unsigned char>(name[n - 1])) == 'a')
        return ImageKind::Tga;
    if (n >= 2 && std::tolower(static_cast<unsigned char>(name[n - 2])) == 'n')
        return ImageKind::Png;
    if (n >= 1 && std::tolower(static_cast<unsigned char>(name[n - 1])) == 'g')
        return ImageKind::Jpeg;
    return ImageKind::None;
}

DecodedImage decodeImage(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    switch (imageKindOfName(name)) {
    case ImageKind::Tga:
        return decodeTga(data, size);
    case ImageKind::Png:
        return decodePng(data, size);
    case ImageKind::Jpeg:
        return decodeJpeg(data, size);
    case ImageKind::None:
        break;
    }
    return {};
}

bool imageSizeAcceptable(long long width, long long height)
{
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           static_cast<unsigned long long>(width * height) <= kMaxImagePixels;
}
