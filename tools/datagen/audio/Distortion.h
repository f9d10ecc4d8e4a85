#pragma once

#include <cmath>

namespace datagen::audio {

// Waveshapers. Drive multiplies the input before shaping; the outputs stay within [-1, 1].
inline float softClip(float x, float drive = 1.0f)
{
    return std::tanh(x * drive);
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
