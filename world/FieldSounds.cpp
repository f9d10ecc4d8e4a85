#include "world/FieldSounds.h"

// Silent until the sound registry is part of the game: the registry's calls go in these bodies
// (the extra-life chime, the listener, the engines' keep-alive, stopping everything).

namespace NVolant {

namespace {

int g_extraLives = 0;

} // namespace

void FieldSounds::playExtraLife()
{
    ++g_extraLives;
}

void FieldSounds::setListener(const Vector4& worldPosition)
{
    (void)worldPosition;
}

void FieldSounds::tickEngines()
{
}

void FieldSounds::stopAll()
{
}

int FieldSounds::extraLifeCount()
{
    return g_extraLives;
}

void FieldSounds::resetCounts()
{
    g_extraLives = 0;
}

} // namespace NVolant
