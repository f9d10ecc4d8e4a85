// Audio at start-up and per frame. Loading the registry decodes every effect of the data pack; the
// per-frame figure is the main thread's share while a busy level's engines, rockets and music
// sound (the mixing itself runs on SDL's audio thread).
#include "content/AudioSystem.h"
#include "content/ResourceArchive.h"
#include "content/Sounds.h"
#include "content/StreamMusic.h"
#include "platform/Paths.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

bool openPack()
{
    NLib::ResourceArchive* archive = NLib::ResourceArchive::create();
    archive->setPassword(NLib::ResourceArchive::kGamePassword);
    return archive->open(getApplicationFolder() + "/../data.pk");
}

void BM_LoadAllSounds(benchmark::State& state)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (!openPack()) {
        state.SkipWithError("no data.pk next to the build's game");
        return;
    }
    NAudio::AudioSystem::create();
    for (auto _ : state) {
        NVolant::Sounds::create();
        benchmark::DoNotOptimize(NVolant::Sounds::existing()->arc());
        NVolant::Sounds::destroy();
    }
    NAudio::AudioSystem::destroy();
    NLib::ResourceArchive::destroy();
}
BENCHMARK(BM_LoadAllSounds)->Unit(benchmark::kMillisecond)->UseRealTime();

// One frame of a level's sound work: 8 helicopters, 8 planes and 4 rockets refresh their
// instances with placement and volume, the registry ages them, the music and the output update.
void BM_AudioFrame(benchmark::State& state)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (!openPack()) {
        state.SkipWithError("no data.pk next to the build's game");
        return;
    }
    NAudio::AudioSystem* audio = NAudio::AudioSystem::create();
    NVolant::Sounds* sounds = NVolant::Sounds::create();
    NAudio::StreamMusic music;
    music.add("sounds/music_game1.ogg");
    music.playNext();
    struct Owner {
        NAudio::Sound* sound;
        std::uint32_t id;
        Vector4 position;
    };
    std::vector<Owner> owners;
    for (std::uint32_t i = 0; i < 20; ++i) {
        NAudio::Sound* sound = i < 8    ? sounds->helicEngine(static_cast<int>(i % 4))
                               : i < 16 ? sounds->planeEngine(static_cast<int>(i % 4))
                                        : sounds->enemyMissile();
        owners.push_back({sound, i + 1, Vector4(40.0f * i, 30.0f * i)});
    }
    sounds->setListener(Vector4(400, 300));
    for (auto _ : state) {
        for (const Owner& owner : owners) {
            if (!owner.sound)
                continue;
            if (owner.sound->acquire(owner.id, 3))
                owner.sound->playInstance(owner.id, false);
            if (owner.sound->hasInstance(owner.id)) {
                owner.sound->acquire(owner.id, 3);
                owner.sound->setInstancePan(owner.id, sounds->pan(owner.position));
                owner.sound->setInstanceVolume(owner.id, sounds->volumeAt(owner.position, 300));
            }
        }
        sounds->tickEngines();
        music.update();
        audio->update();
    }
    music.stop();
    NVolant::Sounds::destroy();
    NAudio::AudioSystem::destroy();
    NLib::ResourceArchive::destroy();
}
BENCHMARK(BM_AudioFrame)->Unit(benchmark::kMicrosecond);

} // namespace
