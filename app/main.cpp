#include "content/ResourceArchive.h"
#include "platform/Log.h"
#include "platform/Paths.h"

#include <cstdio>

int main()
{
    NLib::ResourceArchive* archive = NLib::ResourceArchive::create();
    archive->setPassword(NLib::ResourceArchive::kGamePassword);
    const std::string dataFolder = findDataFolder();
    archive->setLooseFolder(dataFolder);
    if (!archive->open(dataFolder + "/data.pk"))
        LOG_ERROR("no data pack in %s; reading loose files", dataFolder.c_str());
    std::printf("Skyvane: %zu entries in the data pack at %s\n", archive->entryCount(), dataFolder.c_str());
    NLib::ResourceArchive::destroy();
    return 0;
}
