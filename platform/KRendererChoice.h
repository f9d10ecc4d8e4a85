#pragma once

#include <SDL.h>

#include <string>

// Which of SDL's renderers the window draws with. "auto" prefers a hardware renderer, but where
// the only OpenGL is a software rasteriser (a virtual machine, a laptop without a driver) SDL's
// own software renderer is cheaper, so it takes that. "software" or the name of an SDL render
// driver ("opengl", "opengles2", ...) asks for one directly.
class KRendererChoice final {
public:
    static void request(const std::string& name);
    static const std::string& requested();
    // A name "request" accepts.
    static bool isValidName(const std::string& name);

    // Makes the window's renderer as requested (always software on a headless driver); null
    // when none can be made. Says in the log which one it is.
    static SDL_Renderer* create(SDL_Window* window, bool vsync, bool headless);
    // What the last created renderer is, e.g. "software" or "opengl (Mesa Intel UHD 620)".
    static const std::string& inUse();

    // Whether an OpenGL renderer name (GL_RENDERER) is a software rasteriser.
    static bool isSoftwareRasteriser(const std::string& glRenderer);
};
