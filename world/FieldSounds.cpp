#include "world/FieldSounds.h"

#include "content/Sound.h"
#include "content/Sounds.h"

// Each duty does nothing when there is no sound registry (or no audio device, or the file is
// missing): no rule of the game depends on a sound.

namespace NVolant {

namespace {

int g_extraLives = 0;

} // namespace

void FieldSounds::playExtraLife()
{
    ++g_extraLives;
    if (const Sounds* sounds = Sounds::existing())
        if (NAudio::Sound* sound = sounds->addLife())
            sound->play(true, false, 100);
}

void FieldSounds::setListener(const Vector4& worldPosition)
{
    if (Sounds* sounds = Sounds::existing())
        sounds->setListener(worldPosition);
}

void FieldSounds::tickEngines()
{
    if (Sounds* sounds = Sounds::existing())
        sounds->tickEngines();
}

void FieldSounds::stopAll()
{
    if (Sounds* sounds = Sounds::existing())
        sounds->stopAll();
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
