#include "ui/WidgetImage.h"

#include "content/ResourceArchive.h"
#include "platform/KGraphic.h"

namespace NControls {

std::unique_ptr<KGraphic> loadWidgetImage(const std::string& path)
{
    std::unique_ptr<KGraphic> image = createGraphic();
    if (const NLib::ResourceArchive* archive = NLib::ResourceArchive::existing()) {
        const NLib::ByteBuffer bytes = archive->readFile(path);
        if (!bytes.empty())
            image->loadFromMemory(path, bytes.data(), bytes.size(), true, true);
    } else {
        image->loadFromFile(path, true, true);
    }
    image->setFiltering(true);
    return image;
}

StripFrame stripFrame(int width, int frameHeight, float look)
{
    const float h = static_cast<float>(frameHeight);
    return {0.0f, (3.0f - look) * h, static_cast<float>(width), (4.0f - look) * h};
}

} // namespace NControls
