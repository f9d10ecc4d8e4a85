#pragma once

#include "platform/KWindow.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A frame as read back from the renderer: RGBA rows.
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    struct Pixel {
        int r = 0, g = 0, b = 0, a = 0;
    };
    Pixel at(int x, int y) const;
    // Number of pixels whose red, green and blue differ from (r, g, b) by more than tolerance.
    int countNot(int r, int g, int b, int tolerance = 0) const;
    // Writes the frame as build/test-output/<folder>/<name>.png (for looking at it).
    bool save(const std::string& folder, const std::string& name) const;
};

// The platform started on SDL's dummy drivers with a software renderer and a manual clock, with
// an 800 x 600 window. Frames advance on demand; scripted input goes through the real event pump.
class HeadlessPlatform final {
public:
    explicit HeadlessPlatform(bool windowed = true);
    ~HeadlessPlatform();
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    KWindow& window() { return *m_window; }
    bool ok() const { return m_ok; }

    // Clears the picture to opaque (r, g, b) and starts a frame.
    void beginFrame(float r = 0, float g = 0, float b = 0);
    // Presents the frame (no pause while inactive) and pumps input.
    void endFrame();
    // Handles whatever input is queued.
    void pump();

    Frame readFrame() const;
    Frame readOutput() const;

    // Scripted input, positions in logical pixels.
    void moveMouse(int x, int y);
    void click(int button, int x, int y);
    void pressKey(int virtualKey);
    void releaseKey(int virtualKey);

private:
    std::unique_ptr<KWindow> m_window;
    bool m_ok = false;
};

// Build folder (SKYVANE_BUILD_DIR, else the working directory) / test-output / folder, created.
std::string testOutputFolder(const std::string& folder);
