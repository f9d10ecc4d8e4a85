#include "platform/Paths.h"

#include "platform/Log.h"

#include <SDL.h>

#include <algorithm>
#include <filesystem>

namespace {

std::string withoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

std::string getApplicationFolder()
{
    static const std::string folder = [] {
        char* base = SDL_GetBasePath();
        if (!base) {
            LOG_ERROR("SDL_GetBasePath failed: %s", SDL_GetError());
            return std::string(".");
        }
        std::string path = withoutTrailingSlash(base);
        SDL_free(base);
        return path;
    }();
    return folder;
}

std::string makeApplicationPath(const std::string& name)
{
    std::string rel = name;
    if (!rel.empty() && (rel[0] == '\\' || rel[0] == ':' || rel[0] == '/'))
        rel.erase(0, 1);
    for (char& c : rel)
        if (c == '\\')
            c = '/';
    return getApplicationFolder() + "/" + rel;
}

std::string getUserDataFolder()
{
    char* pref = SDL_GetPrefPath("Corvidane", "Skyvane");
    if (!pref) {
        // An installed game's folder is not the user's to write in (nor, usually, writable):
        // without a home, the temporary folder holds this run's files.
        LOG_ERROR("SDL_GetPrefPath failed: %s", SDL_GetError());
        std::error_code ec;
        const std::filesystem::path fallback = std::filesystem::temp_directory_path(ec) / "skyvane";
        std::filesystem::create_directories(fallback, ec);
        return ec ? std::string() : fallback.string();
    }
    std::string path = withoutTrailingSlash(pref);
    SDL_free(pref);
    return path;
}

std::vector<std::string> dataFolderCandidates()
{
    std::vector<std::string> folders;
    for (const std::string& folder :
         {getApplicationFolder(), getApplicationFolder() + "/" SKYVANE_DATADIR_FROM_BINDIR,
          std::string(SKYVANE_INSTALL_DATADIR)}) {
        const std::string normal =
            withoutTrailingSlash(std::filesystem::path(folder).lexically_normal().string());
        if (std::find(folders.begin(), folders.end(), normal) == folders.end())
            folders.push_back(normal);
    }
    return folders;
}

std::string findDataFolder()
{
    std::error_code ec;
    for (const std::string& folder : dataFolderCandidates())
        if (std::filesystem::is_regular_file(folder + "/data.pk", ec))
            return folder;
    return getApplicationFolder();
}
