#include "audio/Noise.h"

namespace datagen::audio {

float Noise::pink()
{
    const float w = white();
    m_b0 = 0.99765f * m_b0 + w * 0.0990460f;
    m_b1 = 0.96300f * m_b1 + w * 0.2965164f;
    m_b2 = 0.57000f * m_b2 + w * 1.0526913f;
    return (m_b0 + m_b1 + m_b2 + w * 0.1848f) * 0.25f;
}

float Noise::brown()
{
    m_brown = 0.996f * m_brown + 0.06f * white();
    return m_brown * 3.0f;
}

} // namespace datagen::audio
