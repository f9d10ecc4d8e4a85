// A ".psi" particle description on arbitrary bytes: only exact 128-byte files are taken, and
// whatever numbers they hold, an emitter built from them must run, move and stop without
// leaving its particle table or computing garbage counts.
#include "content/ParticleSystem.h"
#include "content/Random.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    NVolant::ParticleInfo info;
    if (!info.read(data, size))
        return 0;
    for (float fps : {0.0f, 30.0f, 60.0f}) {
        NLib::Random random;
        NVolant::ParticleSystem emitter(info, nullptr, fps, &random);
        emitter.fireAt(400.0f, 300.0f);
        for (int step = 0; step < 40; ++step) {
            emitter.moveTo(400.0f + static_cast<float>(step), 300.0f - static_cast<float>(step),
                           step % 2 == 0);
            emitter.update(1.0f / 60.0f, 1.5f);
            if (emitter.aliveCount() < 0 || emitter.aliveCount() > NVolant::ParticleSystem::kMaxParticles)
                __builtin_trap();
        }
        emitter.stop(false);
        emitter.update(1.0f / 60.0f, 0.0f);
        NVolant::ParticleSystem copy(emitter, random);
        copy.stop(true);
    }
    return 0;
}
