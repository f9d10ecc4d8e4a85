#include "platform/KWindowFrame.h"

#include "platform/KBareX11.h"
#include "platform/Log.h"

#include <algorithm>

int KWindowFrame::openingScale(int usableWidth, int usableHeight, int logicalWidth, int logicalHeight)
{
    if (logicalWidth <= 0 || logicalHeight <= 0)
        return 1;
    const int byWidth = usableWidth * 9 / 10 / logicalWidth;
    const int byHeight = usableHeight * 9 / 10 / logicalHeight;
    return std::max(1, std::min(byWidth, byHeight));
}

SDL_Point KWindowFrame::openingSize(int logicalWidth, int logicalHeight)
{
    // Centred windows open on the first display; its usable bounds are in points, as window
    // sizes are, so a display SDL scales itself gets the same choice as one it does not.
    SDL_Rect usable{0, 0, logicalWidth, logicalHeight};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0)
        return {logicalWidth, logicalHeight};
    const int scale = openingScale(usable.w, usable.h, logicalWidth, logicalHeight);
    return {logicalWidth * scale, logicalHeight * scale};
}

void KWindowFrame::attach(SDL_Window* window, int logicalWidth, int logicalHeight)
{
    m_window = window;
    m_logicalWidth = logicalWidth;
    m_logicalHeight = logicalHeight;
    m_outputWidth = logicalWidth;
    m_outputHeight = logicalHeight;
    m_box = KLetterbox::fit(logicalWidth, logicalHeight, logicalWidth, logicalHeight);
    if (window && !(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN))
        SDL_GetWindowSize(window, &m_windowedSize.x, &m_windowedSize.y);
}

void KWindowFrame::refresh()
{
    if (!m_window)
        return;
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(m_window, &windowWidth, &windowHeight);
    // The drawable's pixels as they are now: a software renderer's output only catches up with a
    // resize at its next frame, and input must map by the new size before that.
    int outputWidth = 0, outputHeight = 0;
    SDL_GetWindowSizeInPixels(m_window, &outputWidth, &outputHeight);
    if (outputWidth <= 0 || outputHeight <= 0)
        return;
    m_outputWidth = outputWidth;
    m_outputHeight = outputHeight;
    const float pointScale =
        windowWidth > 0 ? static_cast<float>(outputWidth) / static_cast<float>(windowWidth) : 1.0f;
    m_box = KLetterbox::fit(m_logicalWidth, m_logicalHeight, outputWidth, outputHeight, pointScale);
}

bool KWindowFrame::setFullScreen(bool fullScreen)
{
    if (!m_window)
        return false;
    if (fullScreen && !(SDL_GetWindowFlags(m_window) & SDL_WINDOW_FULLSCREEN))
        SDL_GetWindowSize(m_window, &m_windowedSize.x, &m_windowedSize.y);
    if (SDL_SetWindowFullscreen(m_window, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        LOG_ERROR("cannot switch the display mode: %s", SDL_GetError());
        return false;
    }
    if (fullScreen) {
        // With no window manager to answer the request the window would keep its size while SDL
        // counts it as covering the screen: it takes the screen itself.
        int width = 0, height = 0;
        SDL_GetWindowSize(m_window, &width, &height);
        KBareX11::coverIfUnmanaged(m_window, width, height);
    } else if (m_windowedSize.x > 0 && m_windowedSize.y > 0) {
        SDL_SetWindowSize(m_window, m_windowedSize.x, m_windowedSize.y);
        SDL_SetWindowPosition(m_window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    return true;
}
