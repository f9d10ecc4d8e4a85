// A sprite description on arbitrary bytes, read as the game reads it through the archive's loose
// files. Without a renderer no picture loads, which leaves the description's own numbers to check:
// frame counts, groups and rates must give a sprite that animates and switches groups safely.
#include "content/BrokenInstallation.h"
#include "content/ResourceArchive.h"
#include "content/Sprite.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const std::string& folder()
{
    static const std::string path = [] {
        std::filesystem::path p = std::filesystem::temp_directory_path() / "skyvane-sprite-fuzz";
        std::filesystem::create_directories(p);
        return p.string();
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        std::ofstream out(folder() + "/sprite.xml", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    NLib::ResourceArchive archive;
    archive.setLooseFolder(folder());
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
