#pragma once

#include "platform/ImageDecoder.h"
#include "platform/KGraphic.h"
#include "platform/KRenderContext.h"

#include <array>

class KQuadBuilder;

// KGraphic on an SDL texture of the image's own size. The image keeps what it was built from (a
// file name, the encoded bytes or the pixels) and rebuilds its texture after a renderer reset.
class KGraphicSDL final : public KGraphic {
public:
    KGraphicSDL();
    ~KGraphicSDL() override;

    bool loadFromFile(const std::string& path, bool optionA, bool optionB) override;
    bool loadFromMemory(const std::string& name, const void* data, std::size_t size, bool optionA,
                        bool optionB) override;
    bool loadFromPixels(const std::uint8_t* pixels, int width, int height, int flags) override;
    void freeImage() override;
    bool isLoaded() const override { return m_texture != nullptr; }
    float getWidth() const override { return static_cast<float>(m_width); }
    float getHeight() const override { return static_cast<float>(m_height); }

    void setFiltering(bool on) override;
    void setWrapMode(bool on) override { m_wrap = on; }
    void setBlendMode(int mode) override { m_blendMode = mode; }
    int getBlendMode() const override { return m_blendMode; }
    void setModulateColor(float r, float g, float b, float a) override { m_colour = {r, g, b, a}; }
    void setTransparentColor(bool enable, std::uint8_t r, std::uint8_t g, std::uint8_t b) override;

    void copyImageRect(int x1, int y1, int x2, int y2, int destX, int destY) override;
    void copyImageRectKeyed(int x1, int y1, int x2, int y2, int destX, int destY) override;
    void fillSolidRect(float x1, float y1, float x2, float y2, float r, float g, float b, float a) override;
    void putImageRect(float x1, float y1, float x2, float y2, float destX, float destY, bool flipX,
                      bool flipY) override;
    void blendImageRect(float x1, float y1, float x2, float y2, float destX, float destY, bool flipX,
                        bool flipY) override;
    void blendImageRectEx(float x1, float y1, float x2, float y2, float destX, float destY, float angle,
                          float zoom, float alpha, bool flipX, bool flipY, float pivotX,
                          float pivotY) override;

    // For the batch and the render context.
    SDL_Texture* texture() const { return m_texture; }
    bool wraps() const { return m_wrap; }
    // The blit colour as bytes, alpha times extraAlpha (each component x 255, truncated).
    SDL_Color blitColour(float extraAlpha = 1.0f) const;
    // Drops the texture only (renderer going away); the source stays for rebuildTexture().
    void dropTexture();
    bool rebuildTexture();

private:
    enum class Source { None, File, Memory, Pixels };

    bool buildFrom(DecodedImage image);
    // A quad of the source rectangle through toScreen (then the view): the plain copy when it
    // can, triangles otherwise.
    void drawRect(float x1, float y1, float x2, float y2, const KAffine& toScreen, bool flipX, bool flipY,
                  SDL_Color colour, bool blending, bool useView);

    Source m_source = Source::None;
    std::string m_name;
    std::vector<std::uint8_t> m_bytes; // encoded file (Memory) or RGBA pixels (Pixels)
    bool m_optionA = true;
    bool m_optionB = true;

    SDL_Texture* m_texture = nullptr;
    int m_width = 0;
    int m_height = 0;
    std::array<float, 4> m_colour{1, 1, 1, 1};
    int m_blendMode = 1;
    bool m_smooth = false;
    bool m_wrap = false;
    bool m_keyEnabled = false;
    std::array<std::uint8_t, 3> m_key{};
};
