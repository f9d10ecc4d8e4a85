#pragma once

#include "platform/KRenderContext.h"

#include <vector>

// Turns a source rectangle of an image into textured triangles: flips, tiling when wrapping, and
// an affine map from the rectangle's local space ((0, 0) to (w, h)) to the screen.
struct KQuadSpec {
    float imageWidth = 0;
    float imageHeight = 0;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool flipX = false;
    bool flipY = false;
    bool wrap = false;
    KAffine toScreen;
    SDL_Color colour{255, 255, 255, 255};
};

class KQuadBuilder final {
public:
    // Appends the triangles of quad. False when nothing is to be drawn (empty rectangle).
    bool add(const KQuadSpec& quad);
    void clear();
    bool empty() const { return m_indices.empty(); }
    std::size_t quadCount() const { return m_indices.size() / 6; }
    // One SDL_RenderGeometry call for everything collected.
    bool draw(SDL_Renderer* renderer, SDL_Texture* texture) const;

private:
    std::vector<SDL_Vertex> m_vertices;
    std::vector<int> m_indices;
};

// The local-to-screen map of the transformed blit (scale about the top-left corner, then turn
// about the rectangle's centre plus the pivot offset), before the view.
KAffine transformedBlit(float w, float h, float destX, float destY, float angle, float zoom, float pivotX,
                        float pivotY);
