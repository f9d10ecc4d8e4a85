#include "platform/KPointer.h"

#include "platform/KInput.h"
#include "platform/KWindowSDL.h"

#include <SDL.h>

void setMousePosition(int x, int y)
{
    KInputState::setPointer(x, y);
    if (KWindowSDL* window = KWindowSDL::currentSDL())
        window->warpPointer(x, y);
}

void showCursor()
{
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_ShowCursor(SDL_ENABLE);
}

void hideCursor()
{
    SDL_ShowCursor(SDL_DISABLE);
    // Where the system has no relative mode (SDL's dummy driver), motion still arrives with the
    // distance it travelled.
    if (KWindowSDL::currentSDL())
        SDL_SetRelativeMouseMode(SDL_TRUE);
}

bool isCursorVisible()
{
    return SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE;
}
