#include "levels/LevelFiles.h"

#include "common/DataTree.h"
#include "levels/DecorArt.h"

#include "content/CXmlNode.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace datagen::levels {

namespace {

bool readBytes(const std::string& path, std::vector<std::uint8_t>& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

} // namespace

std::string levelFolder(int number)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "levels/%02d/", number);
    return buf;
}

std::string levelXmlText(const LevelData& level)
{
    Xml::CXmlNode root;
    root.setName("level");
    root.addChild("data")->setText(level.mapPath);
    Xml::CXmlNode* textures = root.addChild("textures");
    for (const TextureDef& t : level.textures) {
        Xml::CXmlNode* node = textures->addChild("texture");
        node->setString("name", t.name);
        for (const std::string& image : t.images)
            node->addChild("image")->setText(image);
    }
    Xml::CXmlNode* sectors = root.addChild("sectors");
    for (const SectorDef& s : level.sectors) {
        Xml::CXmlNode* node = sectors->addChild("sector");
        node->setString("name", s.name);
        node->addChild("image")->setText(s.base);
    }
    root.addChild("water")->setText(level.waterPath);
    if (!level.decorPath.empty()) {
        Xml::CXmlNode* decor = root.addChild("decor");
        decor->setString("atlas", decor_art::kAtlasPath);
        decor->setString("clouds", decor_art::kCloudsPath);
        decor->setText(level.decorPath);
    }
    return root.toText();
}

void writeLevel(const DataTree& tree, const LevelData& level)
{
    tree.writeText(level.folder + "level.xml", levelXmlText(level));
    tree.writeBytes(level.mapPath, LevelFiles::encodeMap(level.map));
    tree.writeBytes(level.folder + "enemies.dat", LevelFiles::encodeEnemies(level.enemies));
    tree.writeBytes(level.folder + "bonuses.dat", LevelFiles::encodeBonuses(level.bonuses));
    if (!level.decorPath.empty())
        tree.writeBytes(level.decorPath, NVolant::DecorFile::encode(level.decor));
}

bool readLevel(const std::string& treeRoot, int number, LevelData& out, std::string& why)
{
    namespace fs = std::filesystem;
    out = LevelData{};
    out.number = number;
    out.folder = levelFolder(number);
    const std::string xmlPath = (fs::path(treeRoot) / (out.folder + "level.xml")).string();
    try {
        Xml::CXmlNode doc;
        doc.loadFile(xmlPath);
        const Xml::CXmlNode* data = doc.findChild("data");
        const Xml::CXmlNode* textures = doc.findChild("textures");
        const Xml::CXmlNode* sectors = doc.findChild("sectors");
        const Xml::CXmlNode* water = doc.findChild("water");
        if (!data || !textures || !sectors || !water) {
            why = out.folder + "level.xml lacks data, textures, sectors or water";
            return false;
        }
        out.mapPath = data->text();
        if (const Xml::CXmlNode* decor = doc.findChild("decor"))
            out.decorPath = decor->text();
        out.waterPath = water->text();
        for (const Xml::CXmlNode* t : textures->getChildren()) {
            TextureDef def{t->getString("name", ""), {}};
            for (const Xml::CXmlNode* i : t->getChildren())
                def.images.push_back(i->text());
            out.textures.push_back(std::move(def));
        }
        for (const Xml::CXmlNode* s : sectors->getChildren()) {
            const auto images = s->getChildren();
            out.sectors.push_back(
                {s->getString("name", ""), images.empty() ? std::string() : images[0]->text()});
        }
    } catch (const std::exception& e) {
        why = out.folder + "level.xml: " + e.what();
        return false;
    }
    std::vector<std::uint8_t> bytes;
    if (!readBytes((fs::path(treeRoot) / out.mapPath).string(), bytes) || !LevelFiles::decodeMap(bytes, out.map)) {
        why = "map file " + out.mapPath + " missing or its size does not match its dimensions";
        return false;
    }
    if (!readBytes((fs::path(treeRoot) / (out.folder + "enemies.dat")).string(), bytes) ||
        !LevelFiles::decodeEnemies(bytes, out.enemies)) {
        why = out.folder + "enemies.dat missing or its size does not match its count";
        return false;
    }
    if (!readBytes((fs::path(treeRoot) / (out.folder + "bonuses.dat")).string(), bytes) ||
        !LevelFiles::decodeBonuses(bytes, out.bonuses)) {
        why = out.folder + "bonuses.dat missing or its size does not match its count";
        return false;
    }
    if (!out.decorPath.empty() &&
        (!readBytes((fs::path(treeRoot) / out.decorPath).string(), bytes) ||
         !NVolant::DecorFile::decode(bytes, out.decor))) {
        why = out.decorPath + " missing or its size does not match its counts";
        return false;
    }
    for (const EnemyRecord& e : out.enemies)
        if (e.type == kBridgeType)
            out.bridges.push_back(e.position.y);
    return true;
}

} // namespace datagen::levels
