#pragma once

#include <memory>

class KGraphic;

// Textured quads of one image collected and drawn with one draw call. When the buffer fills up,
// what it holds is drawn and collecting goes on with the same image.
class KBatch {
public:
    virtual ~KBatch() = default;
    KBatch(const KBatch&) = delete;
    KBatch& operator=(const KBatch&) = delete;

    // Room for n x 12 vertices, i.e. 2n quads of six vertices.
    virtual bool reserveQuads(int n) = 0;
    virtual void startQuads(KGraphic* graphic) = 0;
    virtual void flushQuads() = 0;
    virtual void setQuadBlending(bool on) = 0;
    // One quad as KGraphic::putImageRect would draw it, in the image's blit colour.
    virtual void addImageQuad(float x1, float y1, float x2, float y2, float destX, float destY,
                              bool flipX = false, bool flipY = false) = 0;
    void addImageQuadInt(int x1, int y1, int x2, int y2, int destX, int destY, bool flipX = false,
                         bool flipY = false)
    {
        addImageQuad(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                     static_cast<float>(y2), static_cast<float>(destX), static_cast<float>(destY), flipX,
                     flipY);
    }
    // One quad transformed as KGraphic::blendImageRectEx (no pivot offset), blit colour alpha times
    // alpha.
    virtual void addImageQuadEx(float x1, float y1, float x2, float y2, float destX, float destY, float angle,
                                float zoom, float alpha, bool flipX = false, bool flipY = false) = 0;
    virtual int capacityQuads() const = 0;
    virtual int pendingQuads() const = 0;

protected:
    KBatch() = default;
};

std::unique_ptr<KBatch> createBatch();
