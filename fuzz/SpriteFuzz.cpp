// A sprite description on arbitrary bytes, read as the game reads it through the archive's loose
// files. Without a renderer no picture loads, which leaves the description's own numbers to check:
// frame counts, groups and rates must give a sprite that animates and switches groups safely.
#include "FuzzFile.h"

#include "content/BrokenInstallation.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    writeFuzzFile("sprite.xml", data, size);
    NLib::ResourceArchive archive;
    archive.setLooseFolder(fuzzFolder());
    try {
        NLib::Sprite master(archive, "sprite.xml");
        NLib::Sprite copy(master);
        // A description may claim any number of groups; a few past each end say enough.
        const int groups = std::min(master.groupCount, 8);
        for (int g = -1; g <= groups; ++g) {
            copy.setGroup(g);
            for (float dt : {0.0f, 16.666666f, 1000.0f, 1e9f}) {
                copy.update(dt);
                copy.currentImage();
            }
            copy.setFrame(copy.frameCount - 1);
            copy.setFrame(copy.frameCount);
        }
    } catch (const NLib::BrokenInstallation&) {
        // A description that does not parse is a broken installation, reported by name.
    }
    return 0;
}
