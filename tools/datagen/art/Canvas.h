#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace datagen::art {

// One ARGB picture drawn with cairo. Owns its surface and context.
class Canvas final {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return m_cr; }
    cairo_surface_t* surface() const { return m_surface; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // Places another canvas with its top-left corner at (x, y).
    void paint(const Canvas& other, double x, double y, double alpha = 1.0);

    // Premultiplied alpha of one pixel, 0..255.
    int alphaAt(int x, int y) const;

    std::vector<std::uint8_t> png() const;
    // Opaque pictures that the game loads as ".jpg".
    std::vector<std::uint8_t> jpeg(int quality = 90) const;

private:
    int m_width;
    int m_height;
    cairo_surface_t* m_surface;
    cairo_t* m_cr;
};

} // namespace datagen::art
