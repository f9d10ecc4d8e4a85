#include "platform/KGraphicSDL.h"

#include "platform/FileBytes.h"
#include "platform/KQuadBuilder.h"
#include "platform/Log.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

KFileReader& fileReader()
{
    static KFileReader reader;
    return reader;
}

std::uint8_t toByte(float component)
{
    if (!(component > 0.0f))
        return 0;
    if (component >= 1.0f)
        return 255;
    return static_cast<std::uint8_t>(component * 255.0f);
}

bool isWhole(float v)
{
    return std::floor(v) == v && std::fabs(v) < 1e7f;
}

} // namespace

std::unique_ptr<KGraphic> createGraphic()
{
    return std::make_unique<KGraphicSDL>();
}

void setImageFileReader(KFileReader reader)
{
    fileReader() = std::move(reader);
}

std::vector<std::uint8_t> readImageFile(const std::string& path)
{
    return fileReader() ? fileReader()(path) : readFileBytes(path);
}

KGraphicSDL::KGraphicSDL()
{
    KRenderContext::get().registerGraphic(this);
}

KGraphicSDL::~KGraphicSDL()
{
    dropTexture();
    KRenderContext::get().unregisterGraphic(this);
}

bool KGraphicSDL::loadFromFile(const std::string& path, bool optionA, bool optionB)
{
    freeImage();
    m_name = path;
    m_optionA = optionA;
    m_optionB = optionB;
    if (!KRenderContext::get().renderer())
        return false;
    m_source = Source::File;
    const std::vector<std::uint8_t> bytes = readImageFile(path);
    if (bytes.empty()) {
        LOG_ERROR("image %s not found", path.c_str());
        return false;
    }
    return buildFrom(decodeImage(path, bytes.data(), bytes.size()));
}

bool KGraphicSDL::loadFromMemory(const std::string& name, const void* data, std::size_t size, bool optionA,
                                 bool optionB)
{
    if (size == 0 || !data)
        return loadFromFile(name, optionA, optionB);
    freeImage();
    m_name = name;
    m_optionA = optionA;
    m_optionB = optionB;
    if (!KRenderContext::get().renderer())
        return false;
    m_source = Source::Memory;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    m_bytes.assign(bytes, bytes + size);
    return buildFrom(decodeImage(name, bytes, size));
}

bool KGraphicSDL::loadFromPixels(const std::uint8_t* pixels, int width, int height, int)
{
    freeImage();
    if (!KRenderContext::get().renderer() || !pixels || !imageSizeAcceptable(width, height))
        return false;
    DecodedImage image;
    image.width = width;
    image.height = height;
    image.rgba.assign(pixels, pixels + static_cast<std::size_t>(width) * height * 4);
    m_source = Source::Pixels;
    m_bytes = image.rgba;
    return buildFrom(std::move(image));
}

void KGraphicSDL::freeImage()
{
    dropTexture();
    m_source = Source::None;
    m_name.clear();
    m_bytes.clear();
    m_bytes.shrink_to_fit();
    m_width = 0;
    m_height = 0;
}

void KGraphicSDL::dropTexture()
{
    if (m_texture)
        SDL_DestroyTexture(m_texture);
    m_texture = nullptr;
}

bool KGraphicSDL::rebuildTexture()
{
    dropTexture();
    switch (m_source) {
    case Source::None:
        return false;
    case Source::File: {
        const std::vector<std::uint8_t> bytes = readImageFile(m_name);
        return buildFrom(decodeImage(m_name, bytes.data(), bytes.size()));
    }
    case Source::Memory:
        return buildFrom(decodeImage(m_name, m_bytes.data(), m_bytes.size()));
    case Source::Pixels: {
        DecodedImage image;
        image.width = m_width;
        image.height = m_height;
        image.rgba = m_bytes;
        return buildFrom(std::move(image));
    }
    }
    return false;
}

bool KGraphicSDL::buildFrom(DecodedImage image)
{
    SDL_Renderer* renderer = KRenderContext::get().renderer();
    if (image.empty() || !renderer) {
        if (image.empty() && m_source != Source::Pixels)
            LOG_ERROR("cannot decode image %s", m_name.c_str());
        m_width = m_height = 0;
        return false;
    }
    if (m_keyEnabled)
        for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4)
            if (image.rgba[i] == m_key[0] && image.rgba[i + 1] == m_key[1] && image.rgba[i + 2] == m_key[2])
                image.rgba[i + 3] = 0;

    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                             image.width, image.height);
    if (!texture) {
        LOG_ERROR("cannot make a %dx%d texture for %s: %s", image.width, image.height, m_name.c_str(),
                  SDL_GetError());
        m_width = m_height = 0;
        return false;
    }
    const int pitch = image.width * 4;
    std::vector<std::uint8_t> converted(image.rgba.size());
    SDL_ConvertPixels(image.width, image.height, SDL_PIXELFORMAT_RGBA32, image.rgba.data(), pitch,
                      SDL_PIXELFORMAT_ARGB8888, converted.data(), pitch);
    if (SDL_UpdateTexture(texture, nullptr, converted.data(), pitch) != 0) {
        LOG_ERROR("cannot fill the texture of %s: %s", m_name.c_str(), SDL_GetError());
        SDL_DestroyTexture(texture);
        m_width = m_height = 0;
        return false;
    }
    SDL_SetTextureScaleMode(texture, m_smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    m_texture = texture;
    m_width = image.width;
    m_height = image.height;
    return true;
}

void KGraphicSDL::setFiltering(bool on)
{
    m_smooth = on;
    if (m_texture)
        SDL_SetTextureScaleMode(m_texture, on ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
}

void KGraphicSDL::setTransparentColor(bool enable, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    m_keyEnabled = enable;
    m_key = {r, g, b};
}

SDL_Color KGraphicSDL::blitColour(float extraAlpha) const
{
    return {toByte(m_colour[0]), toByte(m_colour[1]), toByte(m_colour[2]), toByte(m_colour[3] * extraAlpha)};
}

void KGraphicSDL::drawRect(float x1, float y1, float x2, float y2, const KAffine& toScreen, bool flipX,
                           bool flipY, SDL_Color colour, bool blending, bool useView)
{
    KRenderContext& context = KRenderContext::get();
    SDL_Renderer* renderer = context.renderer();
    if (!m_texture || !renderer || !(x2 > x1) || !(y2 > y1))
        return;
    const KAffine map = useView ? context.view().after(toScreen) : toScreen;
    KRenderContext::applyBlendMode(m_texture, m_blendMode, blending);

    // Unturned blits of whole pixels inside the image are plain (possibly scaled) copies, much
    // cheaper than triangles on the software renderer.
    const bool insideImage = x1 >= 0 && y1 >= 0 && x2 <= m_width && y2 <= m_height;
    const bool upright = map.b == 0 && map.c == 0 && map.a > 0 && map.d > 0;
    if (upright && insideImage && isWhole(x1) && isWhole(y1) && isWhole(x2) && isWhole(y2)) {
        const SDL_Rect source{static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2 - x1),
                              static_cast<int>(y2 - y1)};
        const SDL_FRect dest{map.tx, map.ty, (x2 - x1) * map.a, (y2 - y1) * map.d};
        const int flip = (flipX ? SDL_FLIP_HORIZONTAL : 0) | (flipY ? SDL_FLIP_VERTICAL : 0);
        SDL_SetTextureColorMod(m_texture, colour.r, colour.g, colour.b);
        SDL_SetTextureAlphaMod(m_texture, colour.a);
        context.countDrawCall();
        SDL_RenderCopyExF(renderer, m_texture, &source, &dest, 0.0, nullptr,
                          static_cast<SDL_RendererFlip>(flip));
        return;
    }
    KQuadSpec quad;
    quad.imageWidth = static_cast<float>(m_width);
    quad.imageHeight = static_cast<float>(m_height);
    quad.x1 = x1;
    quad.y1 = y1;
    quad.x2 = x2;
    quad.y2 = y2;
    quad.flipX = flipX;
    quad.flipY = flipY;
    quad.wrap = m_wrap;
    quad.toScreen = map;
    quad.colour = colour;
    thread_local KQuadBuilder builder;
    builder.clear();
    if (builder.add(quad))
        builder.draw(renderer, m_texture);
}

void KGraphicSDL::copyImageRect(int x1, int y1, int x2, int y2, int destX, int destY)
{
    KAffine at;
    at.tx = static_cast<float>(destX);
    at.ty = static_cast<float>(destY);
    drawRect(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2),
             at, false, false, SDL_Color{255, 255, 255, 255}, false, false);
}

void KGraphicSDL::copyImageRectKeyed(int x1, int y1, int x2, int y2, int destX, int destY)
{
    // The key's pixels carry alpha 0 from the load, so a blended copy leaves them out.
    KAffine at;
    at.tx = static_cast<float>(destX);
    at.ty = static_cast<float>(destY);
    const int mode = m_blendMode;
    m_blendMode = 1;
    drawRect(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2),
             at, false, false, SDL_Color{255, 255, 255, 255}, true, false);
    m_blendMode = mode;
}

void KGraphicSDL::fillSolidRect(float x1, float y1, float x2, float y2, float r, float g, float b, float a)
{
    KRenderContext& context = KRenderContext::get();
    SDL_Renderer* renderer = context.renderer();
    if (!renderer || !(x2 > x1) || !(y2 > y1))
        return;
    const KAffine& view = context.view();
    const SDL_Color colour{toByte(r), toByte(g), toByte(b), toByte(a)};
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    context.countDrawCall();
    if (view.b == 0 && view.c == 0) {
        // An upright rectangle: a plain fill, far cheaper than two triangles in software.
        const SDL_FPoint from = view.apply(x1, y1);
        const SDL_FPoint to = view.apply(x2, y2);
        const SDL_FRect rect{std::min(from.x, to.x), std::min(from.y, to.y), std::abs(to.x - from.x),
                             std::abs(to.y - from.y)};
        SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, colour.a);
        SDL_RenderFillRectF(renderer, &rect);
        return;
    }
    const SDL_FPoint corners[4] = {view.apply(x1, y1), view.apply(x2, y1), view.apply(x2, y2),
                                   view.apply(x1, y2)};
    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; ++i)
        vertices[i] = {corners[i], colour, {0, 0}};
    const int indices[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(renderer, nullptr, vertices, 4, indices, 6);
}

void KGraphicSDL::putImageRect(float x1, float y1, float x2, float y2, float destX, float destY, bool flipX,
                               bool flipY)
{
    KAffine at;
    at.tx = destX;
    at.ty = destY;
    drawRect(x1, y1, x2, y2, at, flipX, flipY, blitColour(), false, true);
}

void KGraphicSDL::blendImageRect(float x1, float y1, float x2, float y2, float destX, float destY, bool flipX,
                                 bool flipY)
{
    KAffine at;
    at.tx = destX;
    at.ty = destY;
    drawRect(x1, y1, x2, y2, at, flipX, flipY, blitColour(), true, true);
}

void KGraphicSDL::blendImageRectEx(float x1, float y1, float x2, float y2, float destX, float destY,
                                   float angle, float zoom, float alpha, bool flipX, bool flipY, float pivotX,
                                   float pivotY)
{
    if (!(alpha > 0.0f) || !(zoom > 0.0f) || !m_texture)
        return;
    const KAffine map = transformedBlit(x2 - x1, y2 - y1, destX, destY, angle, zoom, pivotX, pivotY);
    drawRect(x1, y1, x2, y2, map, flipX, flipY, blitColour(alpha), true, true);
}
