#pragma once

#include "platform/KLetterbox.h"

#include <SDL.h>

// The window as the desktop really has it: the size it opens at, its drawable size as it is
// resized, maximised or put full screen (in output pixels, which a HiDPI display makes more than
// its points), and where the logical picture sits in it.
class KWindowFrame final {
public:
    // The whole multiple of the logical size a window opens at: the largest that leaves a tenth
    // of the usable desktop free, so a 4K screen does not get a stamp-sized game; at least 1.
    static int openingScale(int usableWidth, int usableHeight, int logicalWidth, int logicalHeight);
    // The opening window size for the display the window will appear on.
    static SDL_Point openingSize(int logicalWidth, int logicalHeight);

    void attach(SDL_Window* window, int logicalWidth, int logicalHeight);
    void detach() { m_window = nullptr; }
    // Reads the sizes again: after a size event, a renderer change or a present.
    void refresh();
    // Desktop full screen, or back to the window the player had. False when the system refused.
    bool setFullScreen(bool fullScreen);

    KLetterbox letterbox() const { return m_box; }
    int outputWidth() const { return m_outputWidth; }
    int outputHeight() const { return m_outputHeight; }

private:
    SDL_Window* m_window = nullptr;
    int m_logicalWidth = 0;
    int m_logicalHeight = 0;
    int m_outputWidth = 0;
    int m_outputHeight = 0;
    SDL_Point m_windowedSize{0, 0};
    KLetterbox m_box;
};
