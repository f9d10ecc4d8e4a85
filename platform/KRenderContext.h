#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

class KGraphicSDL;

// x' = a x + b y + tx, y' = c x + d y + ty
struct KAffine {
    float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    bool isTranslation() const { return a == 1 && b == 0 && c == 0 && d == 1; }
    SDL_FPoint apply(float x, float y) const { return {a * x + b * y + tx, c * x + d * y + ty}; }
    // this after first
    KAffine after(const KAffine& first) const;
};

// What the platform's drawing code shares: the renderer, the logical picture it draws into, the
// live images (rebuilt after a renderer reset), the view and a draw-call count.
class KRenderContext final {
public:
    static KRenderContext& get();

    SDL_Renderer* renderer() const { return m_renderer; }
    // Installs a new renderer (or none) and makes the picture texture for it.
    bool attach(SDL_Renderer* renderer, int logicalWidth, int logicalHeight);
    // Drops every texture (images keep their sources) and the renderer itself.
    void detach();
    // Re-creates the picture and every image's texture, e.g. after SDL_RENDER_DEVICE_RESET.
    void rebuildTextures();

    SDL_Texture* picture() const { return m_picture; }
    int logicalWidth() const { return m_width; }
    int logicalHeight() const { return m_height; }
    // Aims drawing at the frame's target: the picture texture, or the window itself when it is
    // drawn into directly.
    bool beginPicture();
    // Direct: the window has the picture's size, so frames are drawn straight into it.
    void setDirect(bool direct) { m_direct = direct; }
    bool isDirect() const { return m_direct; }

    void registerGraphic(KGraphicSDL* graphic);
    void unregisterGraphic(KGraphicSDL* graphic);

    const KAffine& view() const { return m_view; }
    void setView(const KAffine& view) { m_view = view; }

    void countDrawCall() { ++m_drawCalls; }
    std::uint64_t drawCalls() const { return m_drawCalls; }

    // Sets the blend mode of the texture (or the renderer for untextured drawing). Modes the
    // renderer cannot do fall back to normal blending.
    static void applyBlendMode(SDL_Texture* texture, int mode, bool blending);

private:
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_picture = nullptr;
    int m_width = 0;
    int m_height = 0;
    std::vector<KGraphicSDL*> m_graphics;
    KAffine m_view;
    std::uint64_t m_drawCalls = 0;
    bool m_direct = false;
};
