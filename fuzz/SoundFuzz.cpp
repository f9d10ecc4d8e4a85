// The sound and music loading path on arbitrary bytes: an effect decodes to a playable sample or
// to nothing, a music file opens as a stream or not at all, and either plays and stops without
// touching memory outside its buffer.
#include "content/AudioSystem.h"
#include "content/Sound.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One silent output for the whole run: opening a device per input would be the whole cost.
    static NAudio::AudioSystem* audio = [] {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        return NAudio::AudioSystem::create();
    }();
    if (!audio->deviceOk())
        return 0;

    if (const KSample sample = audio->loadSample(data, size, 3)) {
        NAudio::Sound sound(sample, false, 3);
        if (sound.acquire(1, 3))
            sound.playInstance(1, true);
        sound.play(true, true, 50);
        sound.stop();
    }

    // The stream reads its bytes while it plays, so they live in a buffer of their own.
    const std::vector<std::uint8_t> track(data, data + size);
    if (const KStream stream = audio->createStream(track.data(), track.size())) {
        audio->playStream(stream, true);
        audio->stopStream(stream);
        audio->freeStream(stream);
    }
    return 0;
}
