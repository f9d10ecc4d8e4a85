#include "Generators.h"
#include "common/DataTree.h"

#include "audio/SoundFiles.h"

namespace datagen {

void generateAudio(const DataTree& tree)
{
    for (const std::string& path : audio::soundFilePaths())
        tree.writeBytes(path, audio::makeSoundFile(path));
}

} // namespace datagen
