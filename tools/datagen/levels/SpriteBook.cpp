#include "levels/SpriteBook.h"

#include "content/LevelFiles.h"

#include "content/CXmlNode.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace datagen::levels {

using NVolant::EnemyKind;
using NVolant::enemyKindOf;
using NVolant::enemyModelOf;

namespace {

bool loadPng(const std::string& path, Image& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    return decodePng(bytes, out);
}

std::string two(int n)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

} // namespace

const Image* SpriteBook::frame(const std::string& description, int group)
{
    if (m_root.empty() || description.empty())
        return nullptr;
    Sheet& sheet = m_sheets[description];
    if (!sheet.loaded) {
        sheet.loaded = true;
        try {
            Xml::CXmlNode doc;
            doc.loadFile((std::filesystem::path(m_root) / description).string());
            if (doc.name() == "spriteSolid") {
                sheet.frames = doc.getInt("frames", 0);
                sheet.groups = doc.getInt("groups", 0);
                if (const Xml::CXmlNode* t = doc.findChild("texture"))
                    loadPng((std::filesystem::path(m_root) / t->text()).string(), sheet.image);
            } else if (doc.name() == "spriteFramed") {
                const auto groups = doc.getChildren();
                sheet.frames = 1;
                sheet.groups = static_cast<int>(groups.size());
                for (int g = 0; g < sheet.groups; ++g) {
                    const auto frames = groups[static_cast<std::size_t>(g)]->getChildren();
                    Image img;
                    if (!frames.empty() &&
                        loadPng((std::filesystem::path(m_root) / frames[0]->text()).string(), img))
                        sheet.cut[g] = std::move(img);
                }
            }
        } catch (...) {
            sheet.frames = sheet.groups = 0;
        }
    }
    if (sheet.groups <= 0)
        return nullptr;
    if (group < 0 || group >= sheet.groups)
        group = 0;
    auto found = sheet.cut.find(group);
    if (found != sheet.cut.end())
        return &found->second;
    if (sheet.frames <= 0 || sheet.image.width == 0)
        return nullptr;
    const int fw = sheet.image.width / sheet.frames, fh = sheet.image.height / sheet.groups;
    Image cut(fw, fh);
    for (int y = 0; y < fh; ++y)
        for (int x = 0; x < fw; ++x) {
            const std::uint8_t* s = sheet.image.at(x, group * fh + y);
            std::uint8_t* d = cut.at(x, y);
            for (int c = 0; c < 4; ++c)
                d[c] = s[c];
        }
    return &(sheet.cut[group] = std::move(cut));
}

std::string spriteOfType(int type)
{
    const int m = enemyModelOf(type) + 1;
    switch (enemyKindOf(type)) {
    case EnemyKind::Boat:
        return "dat/boat" + two(m) + "/boat" + two(m) + ".xml";
    case EnemyKind::Helic:
        return "dat/helic" + two(m) + "/helic" + two(m) + ".xml";
    case EnemyKind::Plane:
        return "dat/plane" + two(m) + "/plane" + two(m) + ".xml";
    case EnemyKind::Bridge:
        return "dat/bridge/bridge.xml";
    case EnemyKind::Tank:
        return "dat/tank" + two(m) + "/sprite.xml";
    case EnemyKind::Building:
        return "dat/building" + two(m) + "/sprite.xml";
    default:
        return "";
    }
}

std::string spriteOfBonus(int kind)
{
    return kind >= 1 && kind <= 10 ? "dat/bonus" + two(kind) + "/sprite.xml" : "";
}

} // namespace datagen::levels
