#include "ArtTree.h"

#include "Generators.h"
#include "common/DataTree.h"
#include "content/CXmlNode.h"
#include "support/TempDir.h"

#include <cairo.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace arttest {

namespace {

const std::string& generateInto(const TempDir& dir)
{
    datagen::generateArt(datagen::DataTree(dir.path()));
    return dir.path();
}

} // namespace

const std::string& artTree()
{
    static const TempDir scratch;
    static const std::string root = [] {
        const char* build = std::getenv("SKYVANE_BUILD_DIR");
        const std::string data = std::string(build ? build : ".") + "/data";
        return std::filesystem::exists(data + "/dat") ? data : generateInto(scratch);
    }();
    return root;
}

const std::string& freshArtTree()
{
    static const TempDir dir;
    static const std::string& root = generateInto(dir);
    return root;
}

std::vector<unsigned char> readBytes(const std::string& relative)
{
    std::ifstream in(artTree() + "/" + relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Picture loadPng(const std::string& relative)
{
    Picture pic;
    cairo_surface_t* s = cairo_image_surface_create_from_png((artTree() + "/" + relative).c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        pic.width = cairo_image_surface_get_width(s);
        pic.height = cairo_image_surface_get_height(s);
        const int stride = cairo_image_surface_get_stride(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        const unsigned opaque = cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32 ? 0 : 0xFF000000u;
        for (int y = 0; y < pic.height; ++y) {
            const auto* row = reinterpret_cast<const unsigned*>(data + static_cast<std::size_t>(y) * stride);
            for (int x = 0; x < pic.width; ++x)
                pic.argb.push_back(row[x] | opaque);
        }
    }
    cairo_surface_destroy(s);
    return pic;
}

SpriteInfo loadSprite(const std::string& xmlPath)
{
    SpriteInfo info;
    const auto fail = [&](const std::string& why) {
        info.error = why;
        return info;
    };
    const std::vector<unsigned char> bytes = readBytes(xmlPath);
    Xml::CXmlNode root;
    try {
        root.load(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    } catch (...) {
        return fail("missing or unparsable " + xmlPath);
    }
    if (root.name() == "spriteSolid") {
        info.frames = root.getInt("frames", 0);
        info.groups = root.getInt("groups", 0);
        const Xml::CXmlNode* tex = root.findChild("texture");
        info.texture = tex ? tex->text() : std::string();
        const Picture sheet = loadPng(info.texture);
        if (sheet.width == 0 || info.frames <= 0 || info.groups <= 0 || sheet.width % info.frames ||
            sheet.height % info.groups)
            return fail("no sheet that divides into the cells of " + xmlPath);
        info.frameWidth = sheet.width / info.frames;
        info.frameHeight = sheet.height / info.groups;
    } else if (root.name() == "spriteFramed") {
        for (const Xml::CXmlNode* group : root.getChildren()) {
            info.framePaths.emplace_back();
            for (const Xml::CXmlNode* frame : group->getChildren())
                info.framePaths.back().push_back(frame->text());
        }
        info.groups = static_cast<int>(info.framePaths.size());
        info.frames = info.groups ? static_cast<int>(info.framePaths[0].size()) : 0;
        for (const auto& group : info.framePaths)
            for (const std::string& p : group) {
                const Picture pic = loadPng(p);
                if (info.frameWidth == 0) {
                    info.frameWidth = pic.width;
                    info.frameHeight = pic.height;
                }
                if (pic.width == 0 || pic.width != info.frameWidth || pic.height != info.frameHeight)
                    return fail("missing frame or frame of another size " + p);
            }
        if (info.frames == 0)
            return fail("empty framed sprite " + xmlPath);
    } else {
        return fail("unknown root in " + xmlPath);
    }
    info.ok = true;
    return info;
}

Picture spriteCell(const std::string& xmlPath, int frame, int group)
{
    const SpriteInfo info = loadSprite(xmlPath);
    if (!info.ok)
        return {};
    if (!info.framePaths.empty())
        return loadPng(info.framePaths[group][frame]);
    const Picture sheet = loadPng(info.texture);
    Picture cell;
    cell.width = info.frameWidth;
    cell.height = info.frameHeight;
    for (int y = 0; y < cell.height; ++y) {
        const auto row = sheet.argb.begin() +
                         static_cast<std::ptrdiff_t>(group * cell.height + y) * sheet.width +
                         frame * cell.width;
        cell.argb.insert(cell.argb.end(), row, row + cell.width);
    }
    return cell;
}

} // namespace arttest
