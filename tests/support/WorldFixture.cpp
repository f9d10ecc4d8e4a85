#include "support/WorldFixture.h"

#include "platform/KGraphic.h"
#include "platform/PngWriter.h"

void WorldFixture::SetUp()
{
    platform = std::make_unique<HeadlessPlatform>();
    ASSERT_TRUE(platform->ok());
    archive = NLib::ResourceArchive::create();
    archive->setLooseFolder(data.path());
    setImageFileReader(
        [](const std::string& path) { return NLib::ResourceArchive::instance()->readFile(path); });
}

void WorldFixture::TearDown()
{
    setImageFileReader(nullptr);
    NLib::ResourceArchive::destroy();
    platform.reset();
}

void WorldFixture::writePng(const std::string& path, int width, int height,
                            const std::vector<std::uint8_t>& rgba)
{
    data.write(path, encodePng(width, height, rgba));
}

std::vector<std::uint8_t> WorldFixture::solid(int width, int height, std::uint8_t r, std::uint8_t g,
                                              std::uint8_t b, std::uint8_t a)
{
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = r;
        rgba[i + 1] = g;
        rgba[i + 2] = b;
        rgba[i + 3] = a;
    }
    return rgba;
}
