#pragma once

#include "platform/KBatch.h"
#include "platform/KQuadBuilder.h"

class KGraphicSDL;

class KBatchSDL final : public KBatch {
public:
    bool reserveQuads(int n) override;
    void startQuads(KGraphic* graphic) override;
    void flushQuads() override;
    void setQuadBlending(bool on) override { m_blending = on; }
    void addImageQuad(float x1, float y1, float x2, float y2, float destX, float destY, bool flipX,
                      bool flipY) override;
    void addImageQuadEx(float x1, float y1, float x2, float y2, float destX, float destY, float angle,
                        float zoom, float alpha, bool flipX, bool flipY) override;
    int capacityQuads() const override { return m_capacity; }
    int pendingQuads() const override { return static_cast<int>(m_quads.quadCount()); }

private:
    void add(float x1, float y1, float x2, float y2, const KAffine& toScreen, bool flipX, bool flipY,
             SDL_Color colour);

    KQuadBuilder m_quads;
    KGraphicSDL* m_graphic = nullptr;
    int m_capacity = 0;
    bool m_blending = true;
};
