#include "ArtTree.h"

#include "Generators.h"
#include "common/DataTree.h"
#include "content/CXmlNode.h"
#include "support/TempDir.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace arttest {

namespace {

std::string generate(const TempDir& dir)
{
    const datagen::DataTree tree(dir.path());
    datagen::generateArt(tree);
    return dir.path();
}

struct Reader {
    const std::vector<unsigned char>* bytes;
    std::size_t pos = 0;
};

cairo_status_t readChunk(void* closure, unsigned char* data, unsigned int length)
{
    auto* r = static_cast<Reader*>(closure);
    if (r->pos + length > r->bytes->size())
        return CAIRO_STATUS_READ_ERROR;
    std::copy(r->bytes->begin() + static_cast<std::ptrdiff_t>(r->pos),
              r->bytes->begin() + static_cast<std::ptrdiff_t>(r->pos + length), data);
    r->pos += length;
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

// Every test runs in its own process, so the tree is kept in the build folder between them and
// regenerated whenever the test binary (and so the generator linked into it) changes.
std::string cachedTree()
{
    namespace fs = std::filesystem;
    const char* build = std::getenv("SKYVANE_BUILD_DIR");
    if (!build || !*build)
        return {};
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    const auto stamp = std::to_string(fs::file_size(exe, ec)) + ":" +
                       std::to_string(fs::last_write_time(exe, ec).time_since_epoch().count());
    const fs::path cache = fs::path(build) / "tests" / "art-tree";
    const auto stampOf = [](const fs::path& dir) {
        std::ifstream in(dir / ".stamp");
        std::string text;
        std::getline(in, text);
        return text;
    };
    if (stampOf(cache) == stamp)
        return cache.string();
    const fs::path fresh = cache.string() + ".new." + std::to_string(::getpid());
    fs::remove_all(fresh, ec);
    datagen::generateArt(datagen::DataTree(fresh.string()));
    std::ofstream(fresh / ".stamp") << stamp << "\n";
    // A tree made by this very binary is never removed, so parallel test processes can share it.
    if (stampOf(cache) == stamp) {
        fs::remove_all(fresh, ec);
        return cache.string();
    }
    const fs::path old = cache.string() + ".old." + std::to_string(::getpid());
    fs::rename(cache, old, ec);
    std::error_code moved;
    fs::rename(fresh, cache, moved);
    fs::remove_all(old, ec);
    if (moved) // another process put its tree in place first; ours is as good
        return stampOf(cache) == stamp ? cache.string() : fresh.string();
    return cache.string();
}

const std::string& artTree()
{
    static const TempDir dir;
    static const std::string root = [] {
        const std::string cached = cachedTree();
        return cached.empty() ? generate(dir) : cached;
    }();
    return root;
}

const std::string& secondArtTree()
{
    static const TempDir dir;
    static const std::string root = generate(dir);
    return root;
}

std::string pathOf(const std::string& relative)
{
    return artTree() + "/" + relative;
}

std::vector<unsigned char> readBytes(const std::string& relative)
{
    std::ifstream in(pathOf(relative), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Picture loadPng(const std::string& relative)
{
    Picture pic;
    const std::vector<unsigned char> bytes = readBytes(relative);
    if (bytes.empty())
        return pic;
    Reader reader{&bytes};
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(readChunk, &reader);
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        pic.width = cairo_image_surface_get_width(s);
        pic.height = cairo_image_surface_get_height(s);
        const int stride = cairo_image_surface_get_stride(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        const bool hasAlpha = cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32;
        pic.argb.resize(static_cast<std::size_t>(pic.width) * pic.height);
        for (int y = 0; y < pic.height; ++y)
            for (int x = 0; x < pic.width; ++x) {
                unsigned v =
                    reinterpret_cast<const unsigned*>(data + static_cast<std::size_t>(y) * stride)[x];
                pic.argb[static_cast<std::size_t>(y) * pic.width + x] = hasAlpha ? v : (v | 0xFF000000u);
            }
    }
    cairo_surface_destroy(s);
    return pic;
}

SpriteInfo loadSprite(const std::string& xmlPath)
{
    SpriteInfo info;
    const std::vector<unsigned char> bytes = readBytes(xmlPath);
    if (bytes.empty()) {
        info.error = "missing " + xmlPath;
        return info;
    }
    Xml::CXmlNode root;
    try {
        root.load(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    } catch (...) {
        info.error = "unparsable " + xmlPath;
        return info;
    }
    if (root.name() == "spriteSolid") {
        info.kind = 1;
        info.frames = root.getInt("frames", 0);
        info.groups = root.getInt("groups", 0);
        const Xml::CXmlNode* tex = root.findChild("texture");
        if (!tex) {
            info.error = "no texture in " + xmlPath;
            return info;
        }
        info.texture = tex->text();
        const Picture sheet = loadPng(info.texture);
        if (sheet.width == 0 || info.frames <= 0 || info.groups <= 0) {
            info.error = "bad sheet " + info.texture;
            return info;
        }
        if (sheet.width % info.frames || sheet.height % info.groups) {
            info.error = "sheet not divisible " + info.texture;
            return info;
        }
        info.frameWidth = sheet.width / info.frames;
        info.frameHeight = sheet.height / info.groups;
        info.ok = true;
    } else if (root.name() == "spriteFramed") {
        info.kind = 2;
        for (const Xml::CXmlNode* group : root.getChildren()) {
            info.framePaths.emplace_back();
            for (const Xml::CXmlNode* frame : group->getChildren())
                info.framePaths.back().push_back(frame->text());
        }
        info.groups = static_cast<int>(info.framePaths.size());
        if (info.groups == 0 || info.framePaths[0].empty()) {
            info.error = "empty framed sprite " + xmlPath;
            return info;
        }
        info.frames = static_cast<int>(info.framePaths[0].size());
        const Picture first = loadPng(info.framePaths[0][0]);
        info.frameWidth = first.width;
        info.frameHeight = first.height;
        for (const auto& group : info.framePaths)
            for (const std::string& p : group) {
                const Picture pic = loadPng(p);
                if (pic.width != info.frameWidth || pic.height != info.frameHeight || pic.width == 0) {
                    info.error = "frame of another size " + p;
                    return info;
                }
            }
        info.ok = true;
    } else {
        info.error = "unknown root in " + xmlPath;
    }
    return info;
}

Picture spriteCell(const std::string& xmlPath, int frame, int group)
{
    const SpriteInfo info = loadSprite(xmlPath);
    if (!info.ok)
        return {};
    if (info.kind == 2)
        return loadPng(info.framePaths[group][frame]);
    const Picture sheet = loadPng(info.texture);
    Picture cell;
    cell.width = info.frameWidth;
    cell.height = info.frameHeight;
    cell.argb.resize(static_cast<std::size_t>(cell.width) * cell.height);
    for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x)
            cell.argb[static_cast<std::size_t>(y) * cell.width + x] =
                sheet.argb[static_cast<std::size_t>(group * cell.height + y) * sheet.width +
                           frame * cell.width + x];
    return cell;
}

} // namespace arttest
