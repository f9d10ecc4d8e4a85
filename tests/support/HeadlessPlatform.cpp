#include "HeadlessPlatform.h"

#include "platform/KClock.h"
#include "platform/KInjection.h"
#include "platform/PngWriter.h"

#include <cstdlib>
#include <filesystem>

Frame::Pixel Frame::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return {};
    const std::uint8_t* p = rgba.data() + (static_cast<std::size_t>(y) * width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

int Frame::countNot(int r, int g, int b, int tolerance) const
{
    int count = 0;
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4)
        if (std::abs(rgba[i] - r) > tolerance || std::abs(rgba[i + 1] - g) > tolerance ||
            std::abs(rgba[i + 2] - b) > tolerance)
            ++count;
    return count;
}

bool Frame::save(const std::string& folder, const std::string& name) const
{
    std::vector<std::uint8_t> opaque = rgba;
    for (std::size_t i = 3; i < opaque.size(); i += 4)
        opaque[i] = 255;
    return writePng(testOutputFolder(folder) + "/" + name + ".png", width, height, opaque);
}

std::string testOutputFolder(const std::string& folder)
{
    const char* build = std::getenv("SKYVANE_BUILD_DIR");
    const std::filesystem::path path = std::filesystem::path(build ? build : ".") / "test-output" / folder;
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return path.string();
}

HeadlessPlatform::HeadlessPlatform(bool windowed)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setManualClock(true);
    m_window = createWindow(0, true);
    m_ok = m_window->openWindow(800, 600, 32, windowed, "Skyvane test");
    m_window->setFrameRateCap(60);
}

HeadlessPlatform::~HeadlessPlatform()
{
    m_window.reset();
    setManualClock(false);
}

void HeadlessPlatform::beginFrame(float r, float g, float b)
{
    m_window->setClearColor(r, g, b, 1);
    m_window->setViewTransform(0, 0, 0, 1, true);
}

void HeadlessPlatform::endFrame()
{
    m_window->presentFrame(false, false);
}

void HeadlessPlatform::pump()
{
    m_window->pumpMessages();
}

Frame HeadlessPlatform::readFrame() const
{
    Frame frame;
    KInjection::readPicture(frame.rgba, frame.width, frame.height);
    return frame;
}

Frame HeadlessPlatform::readOutput() const
{
    Frame frame;
    KInjection::readOutput(frame.rgba, frame.width, frame.height);
    return frame;
}

void HeadlessPlatform::moveMouse(int x, int y)
{
    KInjection::mouseMove(x, y);
    pump();
}

void HeadlessPlatform::click(int button, int x, int y)
{
    KInjection::mouseButton(button, true, x, y);
    KInjection::mouseButton(button, false, x, y);
    pump();
}

void HeadlessPlatform::pressKey(int virtualKey)
{
    KInjection::key(virtualKey, true);
    pump();
}

void HeadlessPlatform::releaseKey(int virtualKey)
{
    KInjection::key(virtualKey, false);
    pump();
}
