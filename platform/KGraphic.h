#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// One image, drawable as a texture. Source rectangles are in image pixels, destinations in logical
// screen pixels. An image that failed to load has size 0 and draws nothing.
class KGraphic {
public:
    virtual ~KGraphic() = default;
    KGraphic(const KGraphic&) = delete;
    KGraphic& operator=(const KGraphic&) = delete;

    // Reads the file through the image file reader (see setImageFileReader) and decodes it.
    virtual bool loadFromFile(const std::string& path, bool optionA = true, bool optionB = true) = 0;
    // Decodes size bytes at data; the decoder is chosen by the name's ending. size 0 reads the
    // named file instead.
    virtual bool loadFromMemory(const std::string& name, const void* data, std::size_t size,
                                bool optionA = true, bool optionB = true) = 0;
    // width x height pixels of red, green, blue, alpha bytes, rows from the top. The image keeps a
    // copy so that it can rebuild its texture.
    virtual bool loadFromPixels(const std::uint8_t* pixels, int width, int height, int flags = 0) = 0;
    virtual void freeImage() = 0;
    virtual bool isLoaded() const = 0;
    virtual float getWidth() const = 0;
    virtual float getHeight() const = 0;

    // Bilinear filtering when on, nearest pixels (the default) when off.
    virtual void setFiltering(bool on) = 0;
    // On: drawing a source rectangle beyond the image repeats the image.
    virtual void setWrapMode(bool on) = 0;
    // 0 additive, 1 normal (default), 2 premultiplied, 3 darken.
    virtual void setBlendMode(int mode) = 0;
    virtual int getBlendMode() const = 0;
    // Colour that every following blit of this image is multiplied by (default opaque white).
    virtual void setModulateColor(float r, float g, float b, float a) = 0;
    // Pixels of exactly this colour get alpha 0 at the next load.
    virtual void setTransparentColor(bool enable, std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;

    // Opaque copy to an integer position, cut at the screen edges; no blending, no transform.
    virtual void copyImageRect(int x1, int y1, int x2, int y2, int destX, int destY) = 0;
    // As copyImageRect, but pixels of the colour key are left out.
    virtual void copyImageRectKeyed(int x1, int y1, int x2, int y2, int destX, int destY) = 0;
    // Untextured fill with alpha blending.
    virtual void fillSolidRect(float x1, float y1, float x2, float y2, float r, float g, float b,
                               float a) = 0;
    // The source rectangle at (destX, destY), same size, blending off, times the blit colour.
    virtual void putImageRect(float x1, float y1, float x2, float y2, float destX, float destY,
                              bool flipX = false, bool flipY = false) = 0;
    void putImageRectInt(float x1, float y1, float x2, float y2, std::int16_t destX, std::int16_t destY,
                         bool flipX = false, bool flipY = false)
    {
        putImageRect(x1, y1, x2, y2, destX, destY, flipX, flipY);
    }
    // As putImageRect with the blend mode on, times the blit colour including its alpha.
    virtual void blendImageRect(float x1, float y1, float x2, float y2, float destX, float destY,
                                bool flipX = false, bool flipY = false) = 0;
    void blendImageRectInt(float x1, float y1, float x2, float y2, std::int16_t destX, std::int16_t destY,
                           bool flipX = false, bool flipY = false)
    {
        blendImageRect(x1, y1, x2, y2, destX, destY, flipX, flipY);
    }
    // The w x h quad scaled by zoom about its top-left corner at (destX, destY), then turned by
    // angle degrees (positive: counter-clockwise on screen) about (destX + w/2 + pivotX,
    // destY + h/2 + pivotY); blended, blit colour alpha times alpha. Nothing for alpha <= 0,
    // zoom <= 0.
    virtual void blendImageRectEx(float x1, float y1, float x2, float y2, float destX, float destY,
                                  float angle, float zoom, float alpha, bool flipX = false,
                                  bool flipY = false, float pivotX = 0, float pivotY = 0) = 0;

protected:
    KGraphic() = default;
};

std::unique_ptr<KGraphic> createGraphic();

// How loadFromFile reads files; by default straight from disk. The game routes it through its
// resource archive.
using KFileReader = std::function<std::vector<std::uint8_t>(const std::string&)>;
void setImageFileReader(KFileReader reader);
std::vector<std::uint8_t> readImageFile(const std::string& path);
