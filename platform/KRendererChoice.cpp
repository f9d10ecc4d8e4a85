#include "platform/KRendererChoice.h"

#include "platform/Log.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

std::string& requestedName()
{
    static std::string name = "auto";
    return name;
}

std::string& inUseName()
{
    static std::string name;
    return name;
}

// GL_RENDERER of the current context, when the renderer is an OpenGL one; empty otherwise.
std::string glRendererOf(SDL_Renderer* renderer)
{
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0)
        return {};
    using GetString = const unsigned char* (*)(unsigned int);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    constexpr unsigned int kGlRenderer = 0x1F01;
    const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
    return name ? reinterpret_cast<const char*>(name) : std::string();
}

std::string describe(SDL_Renderer* renderer)
{
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0)
        return "unknown";
    std::string text = info.name;
    const std::string gl = glRendererOf(renderer);
    if (!gl.empty())
        text += " (" + gl + ")";
    return text;
}

SDL_Renderer* makeSoftware(SDL_Window* window)
{
    // Left to itself SDL shows a window drawn in software through an OpenGL texture, which where
    // OpenGL rasterises on the CPU costs a second whole pass per frame. X11 shows the picture
    // from shared memory as it is. (Other video drivers may have no such path: they keep theirs.)
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && std::strcmp(driver, "x11") == 0)
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
}

} // namespace

void KRendererChoice::request(const std::string& name)
{
    requestedName() = name.empty() ? "auto" : name;
}

const std::string& KRendererChoice::requested()
{
    return requestedName();
}

bool KRendererChoice::isValidName(const std::string& name)
{
    if (name == "auto" || name == "software")
        return true;
    for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && name == info.name)
            return true;
    }
    return false;
}

bool KRendererChoice::isSoftwareRasteriser(const std::string& glRenderer)
{
    static const std::array<const char*, 5> kSoftware = {
        "llvmpipe", "softpipe", "swrast", "Software Rasterizer", "SVGA3D; build: RELEASE;  LLVM"};
    for (const char* marker : kSoftware)
        if (glRenderer.find(marker) != std::string::npos)
            return true;
    return false;
}

SDL_Renderer* KRendererChoice::create(SDL_Window* window, bool vsync, bool headless)
{
    const std::string& wanted = requestedName();
    SDL_Renderer* renderer = nullptr;
    if (!headless && wanted != "software") {
        const std::uint32_t flags = SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE |
                                    (vsync ? std::uint32_t{SDL_RENDERER_PRESENTVSYNC} : 0u);
        int index = -1;
        if (wanted != "auto")
            for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
                SDL_RendererInfo info;
                if (SDL_GetRenderDriverInfo(i, &info) == 0 && wanted == info.name)
                    index = i;
            }
        renderer = SDL_CreateRenderer(window, index, flags);
        if (!renderer) {
            LOG_INFO("no accelerated renderer (%s); drawing in software", SDL_GetError());
        } else if (wanted == "auto" && isSoftwareRasteriser(glRendererOf(renderer))) {
            // OpenGL that rasterises on the CPU draws every picture twice over for nothing.
            LOG_INFO("OpenGL here is a software rasteriser (%s); drawing with the software renderer",
                     glRendererOf(renderer).c_str());
            SDL_DestroyRenderer(renderer);
            renderer = nullptr;
        }
    }
    if (!renderer)
        renderer = makeSoftware(window);
    if (renderer) {
        inUseName() = describe(renderer);
        LOG_INFO("drawing with the %s renderer", inUseName().c_str());
    }
    return renderer;
}

const std::string& KRendererChoice::inUse()
{
    return inUseName();
}
