#include "support/GeneratedData.h"

#include "content/ResourceArchive.h"
#include "platform/KGraphic.h"

#include <cstdlib>

bool openGeneratedData(const std::string& looseFolder)
{
    const char* build = std::getenv("SKYVANE_BUILD_DIR");
    NLib::ResourceArchive* archive = NLib::ResourceArchive::create();
    archive->setPassword(NLib::ResourceArchive::kGamePassword);
    const bool opened = archive->open(std::string(build ? build : ".") + "/data.pk");
    archive->setLooseFolder(looseFolder);
    setImageFileReader(
        [](const std::string& path) { return NLib::ResourceArchive::instance()->readFile(path); });
    return opened;
}

void closeGeneratedData()
{
    setImageFileReader(nullptr);
    NLib::ResourceArchive::destroy();
}
