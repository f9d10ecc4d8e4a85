#pragma once

#include <SDL.h>

// An X server without a window manager (a bare Xvfb, a kiosk) leaves a request for full screen
// unanswered. The game then places its window itself, through the Xlib that SDL already loaded,
// so the game links no X library of its own.
namespace KBareX11 {

// Moves and sizes an X11 window to (0, 0, width, height) when no window manager runs; false
// when one does, or the window is not an X11 one.
bool coverIfUnmanaged(SDL_Window* window, int width, int height);

} // namespace KBareX11
