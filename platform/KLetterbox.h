#pragma once

#include "platform/Screen.h"

#include <algorithm>
#include <cmath>

// How the logical picture sits in a window of another size: scaled evenly to fit, centred, with
// bars on the spare sides. Sizes and offsets are in output pixels; pointer positions arrive in
// window points, which on a HiDPI display cover pointScale output pixels each.
struct KLetterbox {
    int logicalWidth = kScreenWidth;
    int logicalHeight = kScreenHeight;
    float scale = 1.0f;
    float offsetX = 0.0f;
    float offsetY = 0.0f;
    float pointScale = 1.0f;

    static KLetterbox fit(int logicalWidth, int logicalHeight, int outputWidth, int outputHeight,
                          float pointScale = 1.0f)
    {
        KLetterbox box;
        box.logicalWidth = logicalWidth;
        box.logicalHeight = logicalHeight;
        if (outputWidth <= 0 || outputHeight <= 0 || logicalWidth <= 0 || logicalHeight <= 0)
            return box;
        box.pointScale = pointScale > 0 ? pointScale : 1.0f;
        box.scale = std::min(static_cast<float>(outputWidth) / static_cast<float>(logicalWidth),
                             static_cast<float>(outputHeight) / static_cast<float>(logicalHeight));
        box.offsetX = std::floor((static_cast<float>(outputWidth) - logicalWidth * box.scale) / 2.0f);
        box.offsetY = std::floor((static_cast<float>(outputHeight) - logicalHeight * box.scale) / 2.0f);
        return box;
    }

    float drawnWidth() const { return logicalWidth * scale; }
    float drawnHeight() const { return logicalHeight * scale; }
    // Whole factors keep every logical pixel a sharp square; others are filtered smooth.
    bool isWholeScale() const { return scale >= 1.0f && std::floor(scale) == scale; }

    // Window position -> logical pixel, clamped to the picture (the bars count as its edge).
    int toLogicalX(float windowX) const
    {
        return clampInt((windowX * pointScale - offsetX) / scale, logicalWidth);
    }
    int toLogicalY(float windowY) const
    {
        return clampInt((windowY * pointScale - offsetY) / scale, logicalHeight);
    }
    // Logical pixel -> the first window position that maps back onto it.
    int toWindowX(int x) const { return static_cast<int>(std::ceil((offsetX + x * scale) / pointScale)); }
    int toWindowY(int y) const { return static_cast<int>(std::ceil((offsetY + y * scale) / pointScale)); }
    // A distance the pointer travelled, in logical pixels.
    float toLogicalDistance(float windowDistance) const { return windowDistance * pointScale / scale; }

private:
    static int clampInt(float v, int size)
    {
        // A window pixel that starts a logical pixel may come out a hair below it in float.
        const float f = std::floor(v + 1e-3f);
        if (f < 0)
            return 0;
        if (f > size - 1)
            return size - 1;
        return static_cast<int>(f);
    }
};
