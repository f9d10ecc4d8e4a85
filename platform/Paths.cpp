#include "platform/Paths.h"

#include "platform/Log.h"

#include <SDL.h>

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
        LOG_ERROR("SDL_GetPrefPath failed: %s", SDL_GetError());
        return makeApplicationPath("");
    }
    std::string path = withoutTrailingSlash(pref);
    SDL_free(pref);
    return path;
}

std::string findDataFolder()
{
    std::error_code ec;
    const std::string candidates[] = {getApplicationFolder(), SKYVANE_INSTALL_DATADIR};
    for (const std::string& folder : candidates)
        if (std::filesystem::is_regular_file(folder + "/data.pk", ec))
            return folder;
    return getApplicationFolder();
}
