#include "platform/KRenderContext.h"

#include "platform/KGraphicSDL.h"
#include "platform/Log.h"

#include <algorithm>

KRenderContext& KRenderContext::get()
{
    static KRenderContext context;
    return context;
}

bool KRenderContext::attach(SDL_Renderer* renderer, int logicalWidth, int logicalHeight)
{
    detach();
    m_renderer = renderer;
    m_direct = false;
    m_width = logicalWidth;
    m_height = logicalHeight;
    if (!m_renderer)
        return false;
    m_picture =
        SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, m_width, m_height);
    if (!m_picture) {
        LOG_ERROR("cannot make the %dx%d picture: %s", m_width, m_height, SDL_GetError());
        return false;
    }
    for (KGraphicSDL* graphic : m_graphics)
        graphic->rebuildTexture();
    return beginPicture();
}

void KRenderContext::detach()
{
    for (KGraphicSDL* graphic : m_graphics)
        graphic->dropTexture();
    if (m_picture)
        SDL_DestroyTexture(m_picture);
    m_picture = nullptr;
    if (m_renderer)
        SDL_DestroyRenderer(m_renderer);
    m_renderer = nullptr;
}

void KRenderContext::rebuildTextures()
{
    if (!m_renderer)
        return;
    if (m_picture)
        SDL_DestroyTexture(m_picture);
    m_picture =
        SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, m_width, m_height);
    for (KGraphicSDL* graphic : m_graphics)
        graphic->rebuildTexture();
    beginPicture();
}

bool KRenderContext::beginPicture()
{
    if (!m_renderer || !m_picture)
        return false;
    return SDL_SetRenderTarget(m_renderer, m_direct ? nullptr : m_picture) == 0;
}

void KRenderContext::registerGraphic(KGraphicSDL* graphic)
{
    m_graphics.push_back(graphic);
}

void KRenderContext::unregisterGraphic(KGraphicSDL* graphic)
{
    m_graphics.erase(std::remove(m_graphics.begin(), m_graphics.end(), graphic), m_graphics.end());
}

void KRenderContext::applyBlendMode(SDL_Texture* texture, int mode, bool blending)
{
    SDL_BlendMode blend = SDL_BLENDMODE_NONE;
    if (blending) {
        switch (mode) {
        case 0:
            blend = SDL_BLENDMODE_ADD;
            break;
        case 2:
            blend = SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA,
                                               SDL_BLENDOPERATION_ADD, SDL_BLENDFACTOR_ONE,
                                               SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD);
            break;
        case 3:
            blend = SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA,
                                               SDL_BLENDOPERATION_ADD, SDL_BLENDFACTOR_ZERO,
                                               SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD);
            break;
        default:
            blend = SDL_BLENDMODE_BLEND;
            break;
        }
    }
    if (SDL_SetTextureBlendMode(texture, blend) != 0)
        SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
}
