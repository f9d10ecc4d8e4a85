#include "platform/KBatchSDL.h"

#include "platform/KGraphicSDL.h"

std::unique_ptr<KBatch> createBatch()
{
    return std::make_unique<KBatchSDL>();
}

bool KBatchSDL::reserveQuads(int n)
{
    if (n <= 0)
        return false;
    m_capacity = 2 * n;
    return true;
}

void KBatchSDL::startQuads(KGraphic* graphic)
{
    m_graphic = dynamic_cast<KGraphicSDL*>(graphic);
    m_quads.clear();
    if (m_capacity == 0)
        reserveQuads(512);
}

void KBatchSDL::flushQuads()
{
    KRenderContext& context = KRenderContext::get();
    if (!m_quads.empty() && context.renderer()) {
        SDL_Texture* texture = m_graphic ? m_graphic->texture() : nullptr;
        if (texture) {
            KRenderContext::applyBlendMode(texture, m_graphic->getBlendMode(), m_blending);
            m_quads.draw(context.renderer(), texture);
        } else if (!m_graphic) {
            SDL_SetRenderDrawBlendMode(context.renderer(),
                                       m_blending ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
            m_quads.draw(context.renderer(), nullptr);
        }
    }
    m_quads.clear();
}

void KBatchSDL::add(float x1, float y1, float x2, float y2, const KAffine& toScreen, bool flipX, bool flipY,
                    SDL_Color colour)
{
    if (m_capacity == 0)
        reserveQuads(512);
    KQuadSpec quad;
    if (m_graphic) {
        quad.imageWidth = m_graphic->getWidth();
        quad.imageHeight = m_graphic->getHeight();
        quad.wrap = m_graphic->wraps();
    } else {
        quad.imageWidth = 1;
        quad.imageHeight = 1;
    }
    quad.x1 = x1;
    quad.y1 = y1;
    quad.x2 = x2;
    quad.y2 = y2;
    quad.flipX = flipX;
    quad.flipY = flipY;
    quad.toScreen = KRenderContext::get().view().after(toScreen);
    quad.colour = colour;
    if (!m_quads.add(quad))
        return;
    if (static_cast<int>(m_quads.quadCount()) >= m_capacity) {
        KGraphicSDL* graphic = m_graphic;
        flushQuads();
        startQuads(graphic);
    }
}

void KBatchSDL::addImageQuad(float x1, float y1, float x2, float y2, float destX, float destY, bool flipX,
                             bool flipY)
{
    KAffine at;
    at.tx = destX;
    at.ty = destY;
    add(x1, y1, x2, y2, at, flipX, flipY,
        m_graphic ? m_graphic->blitColour() : SDL_Color{255, 255, 255, 255});
}

void KBatchSDL::addImageQuadEx(float x1, float y1, float x2, float y2, float destX, float destY, float angle,
                               float zoom, float alpha, bool flipX, bool flipY)
{
    if (!(alpha > 0.0f) || !(zoom > 0.0f))
        return;
    add(x1, y1, x2, y2, transformedBlit(x2 - x1, y2 - y1, destX, destY, angle, zoom, 0, 0), flipX, flipY,
        m_graphic ? m_graphic->blitColour(alpha) : SDL_Color{255, 255, 255, 255});
}
