#pragma once

#include <cmath>

namespace datagen::audio {

// Waveshapers. Drive multiplies the input before shaping; the outputs stay within [-1, 1].
// A rational approximation of tanh (within 2 %), which the synthesiser calls millions of times:
// the library tanh is the single largest cost of a piece of music with distorted instruments.
inline float softClip(float x, float drive = 1.0f)
{
    const float y = x * drive;
    if (y >= 3.0f)
        return 1.0f;
    if (y <= -3.0f)
        return -1.0f;
    const float y2 = y * y;
    return y * (27.0f + y2) / (27.0f + 9.0f * y2);
}

// Folds peaks back instead of flattening them: a rich, metallic buzz for arcs and alarms.
inline float foldback(float x, float drive = 1.0f)
{
    const float y = x * drive;
    return std::sin(y * 1.5707964f);
}

// Reduces the amplitude resolution: crunchy grit for debris and impacts.
inline float crush(float x, float levels)
{
    return std::round(x * levels) / levels;
}

} // namespace datagen::audio
